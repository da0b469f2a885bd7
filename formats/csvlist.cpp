#include "formats/csvlist.h"

#include "formats/textfile.h"

namespace {

QString positionDegrees(double degrees)
{
    return QString::number(degrees, 'f', 5);
}

}  // namespace

QString csvField(const QString &text)
{
    if (!text.contains(u',') && !text.contains(u'"') && !text.contains(u'\r') && !text.contains(u'\n'))
        return text;
    return u'"' + QString(text).replace(u'"', QStringLiteral("\"\"")) + u'"';
}

QString csvList(const ObservingList &list, const std::vector<int> &order, const QList<ListColumn> &columns)
{
    QStringList header;
    for (const ListColumn column : columns)
        header << csvField(QString::fromUtf16(listColumnEntry(int(column)).textHeading));
    header << QStringLiteral("RA (deg)") << QStringLiteral("Dec (deg)");
    QString text = header.join(u',') + LineEnd;
    const LocaleNumbers pointNumbers{QLocale::c()};
    for (const int row : order) {
        const ListedObject &listed = list.rows[std::size_t(row)];
        for (const ListColumn column : columns)
            text += csvField(listCell(listed, int(column), pointNumbers)) + u',';
        text += positionDegrees(listed.object->raDeg) + u',' + positionDegrees(listed.object->decDeg) + LineEnd;
    }
    return text;
}
