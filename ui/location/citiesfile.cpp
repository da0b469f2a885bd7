#include "ui/location/citiesfile.h"

#include "io/textfile.h"

namespace {

constexpr QChar FieldSeparator = u',';
constexpr QChar CellSeparator = u'\t';

// Blanks are spaces only: the file has no other padding.
QString trimBlanks(QStringView text)
{
    qsizetype first = 0;
    qsizetype end = text.size();
    while (first < end && text.at(first) == u' ')
        ++first;
    while (end > first && text.at(end - 1) == u' ')
        --end;
    return text.sliced(first, end - first).toString();
}

}  // namespace

std::optional<PlaceFields> splitPlaceLine(const QString &line)
{
    const QStringView text(line);
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
        trimBlanks(text.first(firstComma)),
        trimBlanks(text.sliced(firstComma + 1, secondComma - firstComma - 1)),
        trimBlanks(text.sliced(secondComma + 1, thirdComma - secondComma - 1)),
        trimBlanks(text.sliced(thirdComma + 1)),
    };
}

QString cityRowText(const PlaceFields &place)
{
    return place.firstNamePart + FieldSeparator + place.secondNamePart + CellSeparator
           + place.latitude + CellSeparator + place.longitude;
}

QStringList readCityRows(const QString &path)
{
    const TextFileLines file = readTextLines(path);
    QStringList rows;
    for (qsizetype i = 1; i < file.lines.size(); ++i) {
        if (const std::optional<PlaceFields> place = splitPlaceLine(file.lines.at(i)))
            rows.append(cityRowText(*place));
    }
    return rows;
}
