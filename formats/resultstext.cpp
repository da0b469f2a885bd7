#include "formats/resultstext.h"

#include <QStringList>

namespace {

constexpr int ResultColumnCount = 11;
const QString LineEnd = QStringLiteral("\r\n");

}  // namespace

QString buildResultsText(int resultCount, const GridCellReader &cell)
{
    static const QStringList headings{
        QStringLiteral("Identifier"), QStringLiteral("Messier"), QStringLiteral("Type"),
        QStringLiteral("Size"), QStringLiteral("Altitude"), QStringLiteral("Azimuth"),
        QStringLiteral("RA"), QStringLiteral("DEC"), QStringLiteral("hrs to Transit"),
        QStringLiteral("Magnitude"), QStringLiteral("Constellation")};

    QString text = headings.join(u'\t') + LineEnd;
    for (int row = 1; row <= resultCount; ++row) {
        for (int col = 0; col < ResultColumnCount; ++col) {
            if (col > 0)
                text += u'\t';
            text += cell(row, col);
        }
        text += LineEnd;
    }
    return text;
}
