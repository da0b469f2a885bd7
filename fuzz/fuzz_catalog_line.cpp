// Feeds arbitrary bytes to the catalog reader: every line to the line parser, and the whole
// text to the loader as if it were a catalog file. Besides crashes and sanitizer reports it
// stops on a broken promise of either.

#include "formats/catalogline.h"
#include "formats/catalogloader.h"
#include "formats/textfile.h"

#include <algorithm>
#include <cstdint>

namespace {

// A line that is read lies on the sky, and none of its fields starts or ends with a blank or
// holds a tab.
void checkLine(const QString &line)
{
    const CatalogLineResult result = parseCatalogLine(line);
    const CatalogObject &object = result.object;
    if (result.ok() && !(object.RA >= 0.0 && object.RA <= 360.0 && object.Dec >= -90.0 && object.Dec <= 90.0))
        __builtin_trap();
    for (const QString *field : {&object.Identifier, &object.Messier, &object.Size, &object.Size2, &object.Mag,
                                 &object.ObjType, &object.Constellation, &object.Comment}) {
        if (result.ok() && (field->startsWith(u' ') || field->endsWith(u' ') || field->contains(u'\t')))
            __builtin_trap();
    }
}

// The load stops at the first faulty line and counts the objects before it; blank lines at the
// end of the file hold no object.
void checkLoad(QStringList lines)
{
    static ObjectCatalog catalog;  // one table for every run, like the main window's
    const CatalogLoadResult result = loadCatalogLines(lines, catalog);
    if (catalog.CatalogCount < 0 || std::size_t(catalog.CatalogCount) > catalog.Catalog.size())
        __builtin_trap();
    const auto isBlank = [](QChar c) { return c == u' ' || c == u'\t'; };
    while (lines.size() > 1 && std::all_of(lines.constLast().begin(), lines.constLast().end(), isBlank))
        lines.removeLast();
    const qsizetype objectLines = result.ok() ? lines.size() - 1 : result.lineNumber - 2;
    if (catalog.CatalogCount != std::max<qsizetype>(objectLines, 0))
        __builtin_trap();
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
