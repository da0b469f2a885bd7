#include "formats/skysafarireader.h"

#include "formats/textfile.h"

namespace {

const QStringView VersionKey = u"SkySafariObservingListVersion";
const QStringView BlockStart = u"SkyObject=BeginObject";

bool isBlockEnd(QStringView line)
{
    return line == u"EndObject=SkyObject" || line == u"SkyObject=EndObject";
}

// The object's names: its catalog numbers, then its common name.
QStringList blockNames(const QStringList &catalogNumbers, const QString &commonName)
{
    QStringList names = catalogNumbers;
    if (!commonName.isEmpty() && !names.contains(commonName))
        names << commonName;
    return names;
}

}  // namespace

bool isSkySafariList(QStringView text)
{
    for (LineReader reader(text); !reader.atEnd();) {
        const QStringView line = reader.next().trimmed();
        if (line.startsWith(VersionKey) || line == BlockStart)
            return true;
        if (!line.isEmpty())
            return false;
    }
    return false;
}

ImportedList readSkySafariList(QStringView text)
{
    ImportedList list;
    int blockLine = 0;  // 0 outside a block
    QStringList catalogNumbers;
    QString commonName;
    const auto endBlock = [&] {
        if (blockLine != 0)
            list.entries.append({blockNames(catalogNumbers, commonName), blockLine});
        blockLine = 0;
        catalogNumbers.clear();
        commonName.clear();
    };
    int lineNumber = 0;
    for (LineReader reader(text); !reader.atEnd();) {
        const QStringView line = reader.next().trimmed();
        ++lineNumber;
        if (line == BlockStart) {
            endBlock();
            blockLine = lineNumber;
        } else if (isBlockEnd(line)) {
            endBlock();
        } else if (blockLine != 0) {
            const qsizetype equals = line.indexOf(u'=');
            const QStringView key = line.first(std::max<qsizetype>(equals, 0)).trimmed();
            const QString value = line.sliced(equals + 1).trimmed().toString();
            if (key == u"CatalogNumber" && !value.isEmpty() && !catalogNumbers.contains(value))
                catalogNumbers << value;
            else if (key == u"CommonName")
                commonName = value;
        }
    }
    endBlock();
    return list;
}
