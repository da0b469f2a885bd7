#include "plan/sessioninputs.h"

#include "plan/fieldnumber.h"
#include "plan/sessiontext.h"

#include <QDate>

#include <array>
#include <limits>

namespace {

constexpr double Unlimited = std::numeric_limits<double>::infinity();

// A numeric input: where it is read from and into, the values that make sense, and the
// example shown to an observer who typed something else (%1 and %2: the limits, %3: the example;
// an input without limits has only the example, %1).
struct NumberRule {
    SessionTextField text;
    double SessionInputs::*target;
    double minValue;
    double maxValue;
    double example;
    const char *expected;
};

// An input that takes any number.
constexpr NumberRule anyNumber(SessionTextField text, double SessionInputs::*target)
{
    return {text, target, -Unlimited, Unlimited, -5.5, "Expected a number such as %1"};
}

const std::array<NumberRule, 10> NumberRules = {{
    {&SessionParameters::Lat, &SessionInputs::latDeg, -90, 90, 42.93,
     "Expected a latitude in degrees from %1 to %2 (north positive), such as %3"},
    {&SessionParameters::Lon, &SessionInputs::lonDeg, -180, 180, -85.48,
     "Expected a longitude in degrees from %1 to %2 (east positive), such as %3"},
    {&SessionParameters::txtGMTDev, &SessionInputs::gmtDeviationHours, -12, 14, 5.5,
     "Expected hours from %1 to %2 that local time is ahead of GMT, such as %3"},
    {&SessionParameters::txtSessLen, &SessionInputs::sessionLengthHours, 0, 24, 2.5,
     "Expected hours from %1 to %2, such as %3"},
    anyNumber(&SessionParameters::MinElev, &SessionInputs::minElevDeg),
    anyNumber(&SessionParameters::MinAz, &SessionInputs::minAzDeg),
    anyNumber(&SessionParameters::MaxAz, &SessionInputs::maxAzDeg),
    anyNumber(&SessionParameters::MinMag, &SessionInputs::faintestMag),
    anyNumber(&SessionParameters::MinSize, &SessionInputs::minSizeArcmin),
    anyNumber(&SessionParameters::MaxSize, &SessionInputs::maxSizeArcmin),
}};

QString expectedNumber(const NumberRule &rule, const QLocale &locale)
{
    const QString expected = QString::fromLatin1(rule.expected);
    if (rule.minValue == -Unlimited)
        return expected.arg(locale.toString(rule.example));
    return expected.arg(locale.toString(rule.minValue), locale.toString(rule.maxValue), locale.toString(rule.example));
}

void readNumberInput(const NumberRule &rule, const SessionParameters &parameters, const QLocale &locale,
                     SessionReading &reading)
{
    const auto value = readFieldNumber(parameters.*rule.text, locale);
    if (value && *value >= rule.minValue && *value <= rule.maxValue)
        reading.inputs.*rule.target = *value;
    else
        reading.problems.append({rule.text, expectedNumber(rule, locale)});
}

}  // namespace

SessionReading readSessionInputs(const SessionParameters &p, const QLocale &locale)
{
    SessionReading reading;
    SessionInputs &in = reading.inputs;

    if (const auto date = readSessionDate(p.txtDate, locale))
        in.date = *date;
    else
        reading.problems.append({&SessionParameters::txtDate,
                                 QStringLiteral("Expected a date such as %1")
                                     .arg(writeSessionDate(QDate(2006, 3, 15), locale))});
    if (const auto time = readSessionTime(p.txtTime))
        in.startTime = *time;
    else
        reading.problems.append({&SessionParameters::txtTime,
                                 QStringLiteral("Expected a time as hours:minutes:seconds, such as 21:30:0")});
    for (const NumberRule &rule : NumberRules)
        readNumberInput(rule, p, locale, reading);

    in.azimuthMode = p.Included == QLatin1String("Inclusive") ? AzimuthWindowMode::Inclusive
                                                              : AzimuthWindowMode::Exclusive;
    in.types = typeFilterFromCheckStates(p.chkNebula, p.chkPlanetary, p.chkGalaxy, p.chkGlobular, p.chkOpen);
    return reading;
}
