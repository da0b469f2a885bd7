#include "formats/resultstext.h"

#include "formats/textfile.h"

QString resultsText(const ObservingList &list, const std::vector<int> &order, const LocaleNumbers &numbers)
{
    QString text;
    for (const ListColumnEntry &entry : ListColumns) {
        if (entry.column != ListColumn::Identifier)
            text += u'\t';
        text += QString::fromUtf16(entry.textHeading);
    }
    text += LineEnd;
    for (const int row : order) {
        for (const ListColumnEntry &entry : ListColumns) {
            if (entry.column != ListColumn::Identifier)
                text += u'\t';
            entry.appendCell(text, list.rows[std::size_t(row)], numbers);
        }
        text += LineEnd;
    }
    return text;
}
