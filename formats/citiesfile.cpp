#include "formats/citiesfile.h"

#include "formats/blanks.h"
#include "formats/textfile.h"

namespace {

constexpr QChar FieldSeparator = u',';
constexpr QChar CellSeparator = u'\t';

}  // namespace

std::optional<PlaceFields> splitPlaceLine(const QString &line)
{
    // A tab inside a field would split the field's cell in two in the city table.
    const QString withoutTabs = line.contains(CellSeparator) ? QString(line).replace(CellSeparator, u' ') : line;
    const QStringView text(withoutTabs);
    const qsizetype firstComma = text.indexOf(FieldSeparator);
    if (firstComma < 0)
        return std::nullopt;
    const qsizetype secondComma = text.indexOf(FieldSeparator, firstComma + 1);
    if (secondComma < 0)
        return std::nullopt;
    const qsizetype thirdComma = text.indexOf(FieldSeparator, secondComma + 1);
    if (thirdComma < 0)
        return std::nullopt;

    return PlaceFields{
        trimBlanks(text.first(firstComma)).toString(),
        trimBlanks(text.sliced(firstComma + 1, secondComma - firstComma - 1)).toString(),
        trimBlanks(text.sliced(secondComma + 1, thirdComma - secondComma - 1)).toString(),
        trimBlanks(text.sliced(thirdComma + 1)).toString(),
    };
}

QString cityRowText(const PlaceFields &place)
{
    return place.firstNamePart + FieldSeparator + place.secondNamePart + CellSeparator
           + place.latitude + CellSeparator + place.longitude;
}

CityRows readCityRows(const QString &path)
{
    const TextFileLines file = readTextLines(path);
    CityRows cities{{}, file.problem};
    for (qsizetype i = 1; i < file.lines.size(); ++i) {
        if (const std::optional<PlaceFields> place = splitPlaceLine(file.lines.at(i)))
            cities.rows.append(cityRowText(*place));
    }
    return cities;
}
