// Feeds arbitrary bytes to the catalog reader: every line to the line parser, and the whole
// text to the loader as if it were a catalog file. Besides crashes and sanitizer reports it
// stops on a broken promise of either.

#include "formats/catalogline.h"
#include "formats/catalogloader.h"
#include "formats/textfile.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

namespace {

// A line that is read lies on the sky; none of its fields starts or ends with a blank or holds a
// tab; the type is lower case and names the types; size and magnitude are finite where read.
bool readsAsPromised(const QString &line)
{
    const Result<CatalogObject> result = parseCatalogLine(line);
    if (!result.ok())
        return false;
    const CatalogObject &o = result.value();
    const auto finiteOrNone = [](const std::optional<double> &value) { return !value || std::isfinite(*value); };
    const auto untidy = [](const QString *f) { return f->startsWith(u' ') || f->endsWith(u' ') || f->contains(u'\t'); };
    const QString *fields[] = {&o.identifier, &o.messier, &o.sizeText, &o.minorSizeText, &o.magnitudeText, &o.typeText,
                               &o.constellation, &o.comment};
    if (!(o.raDeg >= 0.0 && o.raDeg <= 360.0 && o.decDeg >= -90.0 && o.decDeg <= 90.0) || o.typeText != o.typeText.toLower()
        || !(o.types == objectTypesNamed(o.typeText)) || !finiteOrNone(o.sizeArcmin) || !finiteOrNone(o.magnitude)
        || std::ranges::any_of(fields, untidy))
        __builtin_trap();
    return true;
}

// The load holds one object for every line after the header, blank lines at the end aside, or
// stops at the first line that cannot be read and names it, the header being line 1.
void checkLoad(QStringList lines, const std::vector<bool> &lineReads)
{
    const Result<Catalog> result = loadCatalogLines(lines);
    while (lines.size() > 1 && std::ranges::all_of(lines.constLast(), [](QChar c) { return c == u' ' || c == u'\t'; }))
        lines.removeLast();
    qsizetype faultIndex = std::min<qsizetype>(1, lines.size());  // of the first line after the header not read, or the end
    while (faultIndex < lines.size() && lineReads[std::size_t(faultIndex)])
        ++faultIndex;
    if (result.ok() != (faultIndex == lines.size() && !lines.isEmpty())
        || (result.ok() ? result.value().size() != lines.size() - 1 : result.problem().line != faultIndex + 1))
        __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    const QStringList lines = splitLines(decodeText(bytes));
    std::vector<bool> lineReads;
    for (const QString &line : lines)
        lineReads.push_back(readsAsPromised(line));
    checkLoad(lines, lineReads);
    return 0;
}
