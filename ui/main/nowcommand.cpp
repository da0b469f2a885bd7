#include "ui/main/nowcommand.h"

#include "ui/platform/timezonesource.h"

float getTimeZoneBias(const TimeZoneSource &timeZone)
{
    TimeZoneInformation information;
    int biasMinutes = 0;
    switch (timeZone.GetTimeZoneInformation(information)) {
    case TimeZoneState::Unknown:
    case TimeZoneState::Standard:
        biasMinutes = information.Bias + information.StandardBias;
        break;
    case TimeZoneState::Daylight:
        biasMinutes = information.Bias + information.DaylightBias;
        break;
    case TimeZoneState::Failure:
        return 0.0f;
    }
    return static_cast<float>(biasMinutes) / 60.0f;
}

QString gmtDeviationText(float biasHours, const QLocale &locale)
{
    // Seven significant digits are what a single-precision value carries.
    return locale.toString(static_cast<double>(-biasHours), 'g', 7);
}
