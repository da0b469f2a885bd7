#include "formats/resultstext.h"

#include "formats/textfile.h"

QString resultsText(const ObservingList &list, const std::vector<int> &order, const LocaleNumbers &numbers)
{
    QString text;
    for (const ListColumnSpec &spec : ListColumns) {
        if (spec.column != ListColumn::Identifier)
            text += u'\t';
        text += QString::fromUtf16(spec.textHeading);
    }
    text += LineEnd;
    for (const int row : order) {
        for (const ListColumnSpec &spec : ListColumns) {
            if (spec.column != ListColumn::Identifier)
                text += u'\t';
            spec.appendCell(text, list.rows[std::size_t(row)], numbers);
        }
        text += LineEnd;
    }
    return text;
}
