#include "formats/citiesfile.h"

#include "plan/blanks.h"
#include "formats/textfile.h"

namespace {

constexpr QChar FieldSeparator = u',';

}  // namespace

QString City::name() const
{
    return firstNamePart + FieldSeparator + secondNamePart;
}

std::optional<City> splitPlaceLine(const QString &line)
{
    const QString withoutTabs = line.contains(u'\t') ? QString(line).replace(u'\t', u' ') : line;
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

    return City{
        trimBlanks(text.first(firstComma)).toString(),
        trimBlanks(text.sliced(firstComma + 1, secondComma - firstComma - 1)).toString(),
        trimBlanks(text.sliced(secondComma + 1, thirdComma - secondComma - 1)).toString(),
        trimBlanks(text.sliced(thirdComma + 1)).toString(),
    };
}

Result<QList<City>> readCitiesFile(const QString &path)
{
    const Result<QStringList> file = readTextLines(path);
    if (!file.ok())
        return file.problems();
    QList<City> cities;  // in file order
    for (qsizetype i = 1; i < file.value().size(); ++i) {
        if (std::optional<City> city = splitPlaceLine(file.value().at(i)))
            cities.append(std::move(*city));
    }
    return cities;
}
