#include "formats/resultstext.h"

#include "formats/textfile.h"

QString resultsText(const ObservingList &list, const std::vector<int> &order, const LocaleNumbers &numbers,
                    const QList<ListColumn> &columns)
{
    QString text;
    for (const ListColumn column : columns) {
        if (column != columns.front())
            text += u'\t';
        text += QString::fromUtf16(listColumnEntry(int(column)).textHeading);
    }
    text += LineEnd;
    for (const int row : order) {
        for (const ListColumn column : columns) {
            if (column != columns.front())
                text += u'\t';
            listColumnEntry(int(column)).appendCell(text, list.rows[std::size_t(row)], numbers);
        }
        text += LineEnd;
    }
    return text;
}
