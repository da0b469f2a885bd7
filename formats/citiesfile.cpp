#include "formats/citiesfile.h"

#include "plan/blanks.h"
#include "formats/textfile.h"

#include <QRegularExpression>
#include <QTimeZone>

namespace {

constexpr QChar FieldSeparator = u',';

// The areas of the tz database's names (Etc for its fixed offsets); the rest is a place.
bool hasZoneNameForm(const QString &text)
{
    static const QRegularExpression form(QStringLiteral(
        "^(Africa|America|Antarctica|Arctic|Asia|Atlantic|Australia|Europe|Indian|Pacific|Etc)/[A-Za-z0-9_+/-]+$"));
    return form.match(text).hasMatch();
}

bool isKnownZone(const QString &text)
{
    return !text.isEmpty() && QTimeZone::isTimeZoneIdAvailable(text.toUtf8());
}

// Field 4, the rest of the line after the third comma, as longitude and time zone.
std::pair<QString, QString> splitLongitudeAndZone(QStringView rest)
{
    const qsizetype fourthComma = rest.indexOf(FieldSeparator);
    if (fourthComma >= 0) {
        const QString zone = trimBlanks(rest.sliced(fourthComma + 1)).toString();
        const bool known = isKnownZone(zone);
        if (known || hasZoneNameForm(zone))
            return {trimBlanks(rest.first(fourthComma)).toString(), known ? zone : QString()};
    }
    return {trimBlanks(rest).toString(), QString()};
}

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

    auto [longitude, timeZone] = splitLongitudeAndZone(text.sliced(thirdComma + 1));
    return City{
        trimBlanks(text.first(firstComma)).toString(),
        trimBlanks(text.sliced(firstComma + 1, secondComma - firstComma - 1)).toString(),
        trimBlanks(text.sliced(secondComma + 1, thirdComma - secondComma - 1)).toString(),
        std::move(longitude),
        std::move(timeZone),
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
