// Feeds arbitrary bytes to the cities reader as a cities file. Besides crashes and sanitizer
// reports it stops on a broken promise: every row the city table gets has its three cells, and no
// cell starts or ends with a blank or holds a tab that would shift the cells after it.

#include "formats/textfile.h"
#include "tests/support/testfiles.h"
#include "formats/citiesfile.h"

#include <QTemporaryDir>

#include <algorithm>
#include <cstdint>

namespace {

void checkRow(const QString &row)
{
    const QStringList cells = row.split(u'\t');
    const auto blankEdge = [](const QString &cell) { return cell.startsWith(u' ') || cell.endsWith(u' '); };
    if (cells.size() != 3 || std::any_of(cells.begin(), cells.end(), blankEdge))
        __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    for (const QString &line : splitLines(decodeText(bytes))) {
        if (const std::optional<PlaceFields> place = splitPlaceLine(line))
            checkRow(cityRowText(*place));
    }
    // The whole file as the chooser reads it.
    static const QTemporaryDir folder;
    const CityRows cities = readCityRows(writeFile(folder.filePath(QStringLiteral("cities.csv")), bytes));
    if (!cities.ok())
        __builtin_trap();
    for (const QString &row : cities.rows)
        checkRow(row);
    return 0;
}
