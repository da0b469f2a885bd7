#include "sky/nightevents.h"


#include "sky/altitudecrossings.h"
#include "sky/moonphase.h"

#include <algorithm>
#include <cmath>

namespace {

struct DuskAndDawn {
    std::optional<double> dusk;
    std::optional<double> dawn;
};

DuskAndDawn duskAndDawn(const AltitudeCurve &sun, double levelDeg)
{
    DuskAndDawn events;
    for (const LevelCrossing &crossing : sun.crossings(levelDeg)) {
        if (!crossing.ascending && !events.dusk)
            events.dusk = crossing.days;
        else if (crossing.ascending && (!events.dusk || crossing.days > *events.dusk))
            events.dawn = crossing.days;
    }
    return events;
}

AltitudeCurve sunCurve(const NightSky &sky)
{
    return AltitudeCurve([&sky](double days) { return sky.sunAltAz(days).Alt; }, sky.span());
}

}  // namespace

TimeSpan nightOf(const CalendarDate &localDate, double gmtDeviationHours)
{
    const double localNoonDays = daysSinceJ2000(localDate, {12, 0, 0}, gmtDeviationHours);
    return {localNoonDays, localNoonDays + 1.0};
}

NightEvents nightEvents(const Site &site, const CalendarDate &localDate, double gmtDeviationHours)
{
    return nightEvents(NightSky(site, nightOf(localDate, gmtDeviationHours)));
}

NightEvents nightEvents(const NightSky &sky)
{
    NightEvents events;
    events.night = sky.span();

    const AltitudeCurve sun = sunCurve(sky);
    const DuskAndDawn sunsetAndSunrise = duskAndDawn(sun, SunsetAltitudeDeg);
    const DuskAndDawn civil = duskAndDawn(sun, CivilTwilightAltitudeDeg);
    const DuskAndDawn nautical = duskAndDawn(sun, NauticalTwilightAltitudeDeg);
    const DuskAndDawn astronomical = duskAndDawn(sun, AstronomicalTwilightAltitudeDeg);
    events.sunset = sunsetAndSunrise.dusk;
    events.sunrise = sunsetAndSunrise.dawn;
    events.civilDusk = civil.dusk;
    events.civilDawn = civil.dawn;
    events.nauticalDusk = nautical.dusk;
    events.nauticalDawn = nautical.dawn;
    events.astronomicalDusk = astronomical.dusk;
    events.astronomicalDawn = astronomical.dawn;

    const AltitudeCurve moon([&sky](double days) { return sky.moonUpperLimbAltitudeDeg(days); }, sky.span());
    for (const LevelCrossing &crossing : moon.crossings(MoonriseUpperLimbAltitudeDeg))
        (crossing.ascending ? events.moonrises : events.moonsets).push_back(crossing.days);

    const double localMidnightDays = 0.5 * (sky.span().startDays + sky.span().endDays);
    events.moonIlluminationPercent =
        static_cast<int>(std::lround(100.0 * moonIlluminatedFraction(localMidnightDays)));
    return events;
}

std::vector<TimeSpan> sunBelow(const Site &site, const TimeSpan &span, double levelDeg)
{
    return sunBelow(NightSky(site, span), levelDeg);
}

std::vector<TimeSpan> sunBelow(const NightSky &sky, double levelDeg)
{
    return sunCurve(sky).spansBelow(levelDeg);
}
