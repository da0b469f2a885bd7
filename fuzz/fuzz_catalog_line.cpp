// Feeds arbitrary bytes to the catalog reader: every line to the line parser, and the whole
// text to the loader as if it were a catalog file. Besides crashes and sanitizer reports it
// stops on a broken promise of either.

#include "catalog/catalogline.h"
#include "catalog/catalogloader.h"
#include "io/textfile.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

namespace {

bool hasOuterBlank(const QString &text)
{
    return text.startsWith(u' ') || text.endsWith(u' ');
}

void checkLine(const QString &line)
{
    const CatalogLineResult result = parseCatalogLine(line);
    if (!result.ok())
        return;
    const CatalogObject &object = result.object;
    if (!(object.RA >= 0.0 && object.RA <= 360.0) || !(object.Dec >= -90.0 && object.Dec <= 90.0))
        std::abort();
    for (const QString *field : {&object.Identifier, &object.Messier, &object.Size,
                                 &object.Size2, &object.Mag, &object.ObjType,
                                 &object.Constellation, &object.Comment}) {
        if (hasOuterBlank(*field) || field->contains(u'\t'))
            std::abort();
    }
}

bool isBlank(const QString &line)
{
    return std::all_of(line.begin(), line.end(), [](QChar c) { return c == u' ' || c == u'\t'; });
}

// The load stops at the first faulty line and counts the objects before it; blank lines at the
// end of the file hold no object.
void checkLoad(QStringList lines)
{
    static ObjectCatalog catalog;  // one table for every run, like the main window's
    const CatalogLoadResult result = loadCatalogLines(lines, catalog);
    if (catalog.CatalogCount < 0 || std::size_t(catalog.CatalogCount) > catalog.Catalog.size())
        std::abort();
    while (lines.size() > 1 && isBlank(lines.last()))
        lines.removeLast();
    const qsizetype objectLines = result.ok() ? lines.size() - 1 : result.lineNumber - 2;
    if (catalog.CatalogCount != std::max<qsizetype>(objectLines, 0))
        std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    const QStringList lines = splitLines(decodeText(bytes));
    for (const QString &line : lines)
        checkLine(line);
    checkLoad(lines);
    return 0;
}
