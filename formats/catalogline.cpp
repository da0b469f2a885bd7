#include "formats/catalogline.h"

#include "plan/blanks.h"

#include "formats/catalogcoordinates.h"
#include "plan/fieldnumber.h"

#include <QLocale>

#include <array>
#include <cmath>
#include <limits>
#include <optional>

namespace {

enum Field {
    Identifier,
    Messier,
    RaHours,
    RaMinutes,
    DecDegrees,
    DecMinutes,
    Size,
    Size2,
    Mag,
    ObjType,
    Constellation,
    Comment,
    FieldCount
};

using LineFields = std::array<QStringView, FieldCount>;

// The separator that ends each field but the last, which runs to the end of the line.
struct FieldEnd {
    char16_t separator;
    const char *fieldName;  // as messages name the field
};

constexpr std::array<FieldEnd, FieldCount - 1> FieldEnds = {{
    {u',', "the identifier"},
    {u',', "the Messier number"},
    {u' ', "the right-ascension hours"},
    {u',', "the right-ascension minutes"},
    {u' ', "the declination degrees"},
    {u',', "the declination minutes"},
    {u'x', "the size"},
    {u',', "the second size"},
    {u',', "the magnitude"},
    {u',', "the type"},
    {u',', "the constellation"},
}};

QString missingSeparator(const FieldEnd &end)
{
    const QString separator = end.separator == u' '
                                  ? QStringLiteral("blank")
                                  : QStringLiteral("\"%1\"").arg(QChar(end.separator));
    return QStringLiteral("no %1 after %2").arg(separator, QLatin1String(end.fieldName));
}

// Cuts the line in one pass from left to right. Returns what is wrong, or an empty string.
QString cutFields(QStringView line, LineFields &fields)
{
    qsizetype fieldStart = 0;
    for (std::size_t field = 0; field < FieldEnds.size(); ++field) {
        const FieldEnd &end = FieldEnds[field];
        const qsizetype separatorAt = line.indexOf(QChar(end.separator), fieldStart);
        if (separatorAt < 0)
            return missingSeparator(end);
        fields[field] = trimBlanks(line.sliced(fieldStart, separatorAt - fieldStart));
        fieldStart = separatorAt + 1;
    }
    fields[Comment] = trimBlanks(line.sliced(fieldStart));
    return {};
}

// The catalog's own number form, the same on every system: "." before the fraction and no
// group separators.
const QLocale &catalogNumberLocale()
{
    static const QLocale locale = [] {
        QLocale c = QLocale::c();
        c.setNumberOptions(QLocale::RejectGroupSeparator);
        return c;
    }();
    return locale;
}

QLatin1String nameOf(Field field)
{
    return QLatin1String(FieldEnds[field].fieldName);
}

// Infinities and NaN spelled out in the file are not coordinates either.
std::optional<double> readNumber(QStringView text)
{
    bool ok = false;
    const double value = catalogNumberLocale().toDouble(text, &ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

// Whole hours, a half going to the even neighbour (4.5 -> 4, 5.5 -> 6): nearbyint rounds in
// the default rounding mode, which breaks ties to even.
std::optional<int> wholeHours(double hours)
{
    const double rounded = std::nearbyint(hours);
    if (rounded < std::numeric_limits<int>::min() || rounded > std::numeric_limits<int>::max())
        return std::nullopt;
    return static_cast<int>(rounded);
}

struct Coordinates {
    double raDeg = 0.0;
    double decDeg = 0.0;
    QString problem;
};

Coordinates readCoordinates(const LineFields &fields)
{
    constexpr std::array<Field, 4> NumberFields = {RaHours, RaMinutes, DecDegrees, DecMinutes};
    std::array<double, NumberFields.size()> numbers{};
    for (std::size_t i = 0; i < NumberFields.size(); ++i) {
        const Field field = NumberFields[i];
        if (fields[field].isEmpty())
            return {.problem = QStringLiteral("%1 are missing").arg(nameOf(field))};
        const std::optional<double> number = readNumber(fields[field]);
        if (!number)
            return {.problem = QStringLiteral("%1 \"%2\" are not a number")
                                  .arg(nameOf(field), fields[field])};
        numbers[i] = *number;
    }
    const std::optional<int> hours = wholeHours(numbers[0]);
    if (!hours)
        return {.problem = QStringLiteral("%1 \"%2\" are out of range")
                              .arg(nameOf(RaHours), fields[RaHours])};
    const double raDeg = raToDegrees(*hours, numbers[1]);
    const double decDeg = decToDegrees(numbers[2], numbers[3]);
    // Parts that are numbers can still add up to a place that is not on the sky.
    if (!(raDeg >= 0.0 && raDeg <= 360.0))
        return {.problem = QStringLiteral("the right ascension \"%1 %2\" is not between 0 and 24 hours")
                              .arg(fields[RaHours], fields[RaMinutes])};
    if (!(decDeg >= -90.0 && decDeg <= 90.0))
        return {.problem = QStringLiteral("the declination \"%1 %2\" is not between -90 and 90 degrees")
                              .arg(fields[DecDegrees], fields[DecMinutes])};
    return {raDeg, decDeg, {}};
}

// A size or magnitude that is not written as a number at all ("x", "?", nothing) only keeps its
// object off the list; one written as a number must be one the list can compare, and no size is
// negative.
QString sizeAndMagnitudeProblem(const LineFields &fields)
{
    for (const Field field : {Size, Mag}) {
        if (spellsUnboundedNumber(fields[field]))
            return QStringLiteral("%1 \"%2\" is not a finite number").arg(nameOf(field), fields[field]);
    }
    if (const std::optional<double> size = readPlainNumber(fields[Size]); size && *size < 0.0)
        return QStringLiteral("%1 \"%2\" is negative").arg(nameOf(Size), fields[Size]);
    return {};
}

}  // namespace

Result<CatalogObject> parseCatalogLine(QStringView line)
{
    if (line.isEmpty())
        return Problem::because(QStringLiteral("the line is empty"));
    // A tab inside a field would split the field's cell in two in the copied list.
    QString withoutTabs;
    if (line.contains(u'\t')) {
        withoutTabs = line.toString().replace(u'\t', u' ');
        line = withoutTabs;
    }
    LineFields fields;
    if (const QString problem = cutFields(line, fields); !problem.isEmpty())
        return Problem::because(problem);
    const Coordinates coordinates = readCoordinates(fields);
    if (!coordinates.problem.isEmpty())
        return Problem::because(coordinates.problem);
    if (const QString problem = sizeAndMagnitudeProblem(fields); !problem.isEmpty())
        return Problem::because(problem);

    CatalogObject object;
    object.identifier = fields[Identifier].toString();
    object.messier = fields[Messier].toString();
    object.raDeg = coordinates.raDeg;
    object.decDeg = coordinates.decDeg;
    object.sizeText = fields[Size].toString();
    object.minorSizeText = fields[Size2].toString();
    object.magnitudeText = fields[Mag].toString();
    object.typeText = fields[ObjType].toString().toLower();
    object.constellation = fields[Constellation].toString();
    object.comment = fields[Comment].toString();
    object.sizeArcmin = readPlainNumber(fields[Size]);
    object.magnitude = readPlainNumber(fields[Mag]);
    object.types = objectTypesNamed(object.typeText);
    return object;
}
