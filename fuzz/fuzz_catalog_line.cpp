// Feeds arbitrary bytes to the catalog reader: every line to the line parser, and the whole
// text to the loader as if it were a catalog file. Besides crashes and sanitizer reports it
// stops on a broken promise of either.

#include "catalog/catalogline.h"
#include "catalog/catalogloader.h"
#include "io/textfile.h"

#include <cmath>
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
    if (!std::isfinite(object.RA) || !std::isfinite(object.Dec))
        std::abort();
    for (const QString *field : {&object.Identifier, &object.Messier, &object.Size,
                                 &object.Size2, &object.Mag, &object.ObjType,
                                 &object.Constellation, &object.Comment}) {
        if (hasOuterBlank(*field))
            std::abort();
    }
}

// The load stops at the first faulty line and counts the objects before it.
void checkLoad(const QStringList &lines)
{
    static CatalogTable catalog;  // one table for every run, like the main window's
    qint16 catalogCount = -1;
    const CatalogLoadResult result = loadCatalogLines(lines, catalog, catalogCount);
    if (catalogCount < 0 || catalogCount > CatalogSlotCount)
        std::abort();
    const qsizetype objectLines = result.ok() ? lines.size() - 1 : result.lineNumber - 2;
    if (catalogCount != std::max<qsizetype>(objectLines, 0))
        std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    const QStringList lines = splitLines(decodeText(bytes));
    for (const QString &line : lines)
        checkLine(line);
    checkLoad(lines);
    return 0;
}
