// Feeds arbitrary bytes to the cities reader as a cities file. Besides crashes and sanitizer
// reports it stops on a broken promise: every row the city table gets has its three cells, and no
// cell starts or ends with a blank or holds a tab that would shift the cells after it.

#include "io/textfile.h"
#include "ui/location/citiesfile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdint>

namespace {

void checkRow(const QString &row)
{
    const QStringList cells = row.split(u'\t');
    if (cells.size() != 3)
        __builtin_trap();
    for (const QString &cell : cells) {
        if (cell.startsWith(u' ') || cell.endsWith(u' '))
            __builtin_trap();
    }
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
    const QString path = folder.filePath(QStringLiteral("cities.csv"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        __builtin_trap();
    file.close();
    const CityRows cities = readCityRows(path);
    if (!cities.ok())
        __builtin_trap();
    for (const QString &row : cities.rows)
        checkRow(row);
    return 0;
}
