#include "ui/grid/gridformat.h"

namespace {

GridColumnFormat parseSegment(QStringView segment)
{
    if (segment.startsWith(u'<'))
        return {Qt::AlignLeft, segment.mid(1).toString()};
    if (segment.startsWith(u'>'))
        return {Qt::AlignRight, segment.mid(1).toString()};
    return {Qt::AlignLeft, segment.toString()};
}

}  // namespace

QList<GridColumnFormat> parseFormatString(const QString &layout)
{
    QList<GridColumnFormat> columns;
    if (layout.isEmpty())
        return columns;
    for (const QStringView segment : QStringView(layout).split(u'|'))
        columns.append(parseSegment(segment));
    return columns;
}
