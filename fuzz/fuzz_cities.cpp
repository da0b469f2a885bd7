// Feeds arbitrary bytes to the cities reader as a cities file. Besides crashes and sanitizer
// reports it stops on a broken promise: no text the city table shows starts or ends with a blank
// or holds a tab.

#include "formats/textfile.h"
#include "tests/support/testfiles.h"
#include "formats/citiesfile.h"

#include <QTemporaryDir>

#include <algorithm>
#include <cstdint>

namespace {

void checkCity(const City &city)
{
    const QString texts[] = {city.firstNamePart, city.secondNamePart, city.latitude, city.longitude};
    const auto untidy = [](const QString &text) {
        return text.startsWith(u' ') || text.endsWith(u' ') || text.contains(u'\t');
    };
    if (std::any_of(std::begin(texts), std::end(texts), untidy))
        __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    for (const QString &line : splitLines(decodeText(bytes))) {
        if (const std::optional<City> city = splitPlaceLine(line))
            checkCity(*city);
    }
    // The whole file as the chooser reads it.
    static const QTemporaryDir folder;
    const Result<QList<City>> read = readCitiesFile(writeFile(folder.filePath(QStringLiteral("cities.csv")), bytes));
    if (!read.ok())
        __builtin_trap();
    for (const City &city : read.value())
        checkCity(city);
    return 0;
}
