#include "formats/catalogloader.h"

#include "formats/catalogline.h"
#include "formats/textfile.h"

#include <algorithm>

namespace {

// A slot keeps the values the last list wrote into it until the next list overwrites them.
void storeFileFields(CatalogObject &&read, CatalogObject &slot)
{
    slot.Identifier = std::move(read.Identifier);
    slot.Messier = std::move(read.Messier);
    slot.RA = read.RA;
    slot.Dec = read.Dec;
    slot.Size = std::move(read.Size);
    slot.Size2 = std::move(read.Size2);
    slot.Mag = std::move(read.Mag);
    slot.ObjType = std::move(read.ObjType);
    slot.Constellation = std::move(read.Constellation);
    slot.Comment = std::move(read.Comment);
}

bool isBlankLine(QStringView line)
{
    return std::all_of(line.begin(), line.end(), [](QChar c) { return c == u' ' || c == u'\t'; });
}

// Editors often leave blank lines after the last object; they hold no object.
qsizetype linesBeforeTrailingBlanks(const QStringList &lines)
{
    qsizetype count = lines.size();
    while (count > 1 && isBlankLine(lines.at(count - 1)))
        --count;
    return count;
}

}  // namespace

CatalogLoadResult loadCatalogFile(const QString &path, ObjectCatalog &catalog)
{
    catalog.CatalogCount = 0;
    const TextFileLines file = readTextLines(path);
    if (!file.ok())
        return {0, file.problem};
    return loadCatalogLines(file.lines, catalog);
}

CatalogLoadResult loadCatalogLines(const QStringList &lines, ObjectCatalog &catalog)
{
    catalog.CatalogCount = 0;
    if (lines.isEmpty())
        return {1, QStringLiteral("no header line, the file is empty")};
    const qsizetype lineCount = linesBeforeTrailingBlanks(lines);
    for (qsizetype index = 1; index < lineCount; ++index) {
        CatalogLineResult read = parseCatalogLine(lines.at(index));
        if (!read.ok())
            return {int(index) + 1, read.problem};
        if (std::size_t(catalog.CatalogCount) == catalog.Catalog.size())
            catalog.Catalog.emplace_back();
        storeFileFields(std::move(read.object), catalog.Catalog[catalog.CatalogCount]);
        ++catalog.CatalogCount;
    }
    return {};
}
