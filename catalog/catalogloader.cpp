#include "catalog/catalogloader.h"

#include "catalog/catalogline.h"
#include "io/textfile.h"

namespace {

// A slot keeps the values the last list wrote into it until the next list overwrites them.
void storeFileFields(const CatalogObject &read, CatalogObject &slot)
{
    slot.Identifier = read.Identifier;
    slot.Messier = read.Messier;
    slot.RA = read.RA;
    slot.Dec = read.Dec;
    slot.Size = read.Size;
    slot.Size2 = read.Size2;
    slot.Mag = read.Mag;
    slot.ObjType = read.ObjType;
    slot.Constellation = read.Constellation;
    slot.Comment = read.Comment;
}

}  // namespace

CatalogLoadResult loadCatalogFile(const QString &path, CatalogTable &catalog, qint16 &catalogCount)
{
    catalogCount = 0;
    const TextFileLines file = readTextLines(path);
    if (!file.ok())
        return {0, file.error};
    return loadCatalogLines(file.lines, catalog, catalogCount);
}

CatalogLoadResult loadCatalogLines(const QStringList &lines, CatalogTable &catalog,
                                   qint16 &catalogCount)
{
    catalogCount = 0;
    if (lines.isEmpty())
        return {1, QStringLiteral("no header line, the file is empty")};
    for (qsizetype index = 1; index < lines.size(); ++index) {
        const int lineNumber = static_cast<int>(index) + 1;
        if (catalogCount == CatalogSlotCount)
            return {lineNumber, QStringLiteral("more than %1 objects").arg(CatalogSlotCount)};
        const CatalogLineResult read = parseCatalogLine(lines.at(index));
        if (!read.ok())
            return {lineNumber, read.problem};
        storeFileFields(read.object, catalog[catalogCount]);
        ++catalogCount;
    }
    return {};
}
