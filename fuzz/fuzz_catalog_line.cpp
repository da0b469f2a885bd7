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

bool hasBlankEdgeOrTab(const QString &field)
{
    return field.startsWith(u' ') || field.endsWith(u' ') || field.contains(u'\t');
}

bool isFiniteOrNone(const std::optional<double> &value)
{
    return !value || std::isfinite(*value);
}

// A line that is read lies on the sky; none of its fields starts or ends with a blank or holds a
// tab; the type is lower case and names the types; size and magnitude are finite where read.
bool readsAsPromised(const QString &line)
{
    const Result<CatalogObject> result = parseCatalogLine(line);
    if (!result.ok())
        return false;
    const CatalogObject &object = result.value();
    if (!(object.raDeg >= 0.0 && object.raDeg <= 360.0 && object.decDeg >= -90.0 && object.decDeg <= 90.0)
        || object.typeText != object.typeText.toLower() || !(object.types == objectTypesNamed(object.typeText))
        || !isFiniteOrNone(object.sizeArcmin) || !isFiniteOrNone(object.magnitude))
        __builtin_trap();
    for (const QString *field : {&object.identifier, &object.messier, &object.sizeText, &object.minorSizeText,
                                 &object.magnitudeText, &object.typeText, &object.constellation, &object.comment}) {
        if (hasBlankEdgeOrTab(*field))
            __builtin_trap();
    }
    return true;
}

// The load holds one object for every line after the header, blank lines at the end aside, or
// stops at the first line that cannot be read and names it, the header being line 1.
void checkLoad(QStringList lines, const std::vector<bool> &lineReads)
{
    const Result<Catalog> result = loadCatalogLines(lines);
    const auto isBlank = [](QChar c) { return c == u' ' || c == u'\t'; };
    while (lines.size() > 1 && std::all_of(lines.constLast().begin(), lines.constLast().end(), isBlank))
        lines.removeLast();
    const auto firstFault = std::find(lineReads.begin() + std::min<qsizetype>(1, lines.size()),
                                      lineReads.begin() + lines.size(), false);
    const qsizetype faultIndex = lines.isEmpty() ? 0 : firstFault - lineReads.begin();
    if (result.ok() != (faultIndex == lines.size() && !lines.isEmpty()))
        __builtin_trap();
    if (result.ok() ? result.value().size() != lines.size() - 1 : result.problem().line != faultIndex + 1)
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
