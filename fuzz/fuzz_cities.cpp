// Feeds arbitrary bytes to the cities reader, line by line and as a whole file as the chooser
// reads it. Besides crashes and sanitizer reports it stops on a broken promise: the file reads,
// and no text the city table shows starts or ends with a blank or holds a tab.

#include "formats/citiesfile.h"
#include "formats/textfile.h"
#include "tests/support/testfiles.h"

#include <QTemporaryDir>

#include <algorithm>
#include <cstdint>

namespace {

void checkCity(const City &city)
{
    const QString texts[] = {city.firstNamePart, city.secondNamePart, city.latitude, city.longitude, city.timeZone};
    if (std::ranges::any_of(texts, [](const QString &t) { return t.startsWith(u' ') || t.endsWith(u' ') || t.contains(u'\t'); }))
        __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    for (const QString &line : splitLines(decodeText(bytes)))
        checkCity(splitPlaceLine(line).value_or(City()));
    static const QTemporaryDir folder;
    const Result<QList<City>> read = readCitiesFile(writeFile(folder.filePath("cities.csv"), bytes));
    if (!read.ok())
        __builtin_trap();
    std::ranges::for_each(read.value(), checkCity);
    return 0;
}
