#include "formats/catalogloader.h"

#include "formats/catalogline.h"
#include "formats/textfile.h"

#include <algorithm>

namespace {

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

Result<Catalog> loadCatalogFile(const QString &path)
{
    return parseTextFile<Catalog>(path, path, [](const QString &text) { return loadCatalogLines(splitLines(text)); });
}

Result<Catalog> loadCatalogLines(const QStringList &lines)
{
    if (lines.isEmpty())
        return Problem::onLine(1, QStringLiteral("no header line, the file is empty"));
    const qsizetype lineCount = linesBeforeTrailingBlanks(lines);
    std::vector<CatalogObject> objects;
    objects.reserve(lineCount);
    for (qsizetype index = 1; index < lineCount; ++index) {
        Result<CatalogObject> read = parseCatalogLine(lines.at(index));
        if (!read.ok())
            return Problem::onLine(int(index) + 1, read.problem().what);
        objects.push_back(std::move(read.value()));
    }
    return Catalog(std::move(objects));
}
