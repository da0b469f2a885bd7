#pragma once

#include "sky/siderealtime.h"
#include "sky/nightsky.h"
#include "sky/site.h"

#include <optional>
#include <vector>

// The Sun's and the Moon's events of one observing night. The night of a local date runs
// from local noon of that date to local noon of the next, local time being the session's
// GMT deviation ahead of UTC.

// Altitudes of the Sun's centre: sunset and sunrise fold in refraction and the semidiameter.
inline constexpr double SunsetAltitudeDeg = -0.833;
inline constexpr double CivilTwilightAltitudeDeg = -6.0;
inline constexpr double NauticalTwilightAltitudeDeg = -12.0;
inline constexpr double AstronomicalTwilightAltitudeDeg = -18.0;
// Moonrise and moonset: the upper limb's topocentric altitude, refraction folded in.
inline constexpr double MoonriseUpperLimbAltitudeDeg = -0.5667;

// Instants are days since J2000.0 UTC. An event that does not happen within the night is
// absent. Each dusk is the Sun's first descent through its level within the night and each
// dawn its last ascent after that dusk, so a night always reads dusk before dawn.
struct NightEvents {
    TimeSpan night;
    std::optional<double> sunset;
    std::optional<double> civilDusk;
    std::optional<double> nauticalDusk;
    std::optional<double> astronomicalDusk;
    std::optional<double> astronomicalDawn;
    std::optional<double> nauticalDawn;
    std::optional<double> civilDawn;
    std::optional<double> sunrise;
    std::vector<double> moonrises;  // none, one or two, in time order
    std::vector<double> moonsets;
    int moonIlluminationPercent = 0;  // at local midnight, rounded
};

TimeSpan nightOf(const CalendarDate &localDate, double gmtDeviationHours);

NightEvents nightEvents(const Site &site, const CalendarDate &localDate, double gmtDeviationHours);

// The events within the sky's span, for a sky built over nightOf(...); the illumination is
// taken at the middle of the span, which is local midnight.
NightEvents nightEvents(const NightSky &sky);

// The parts of the span in which the Sun's centre is below levelDeg, in time order.
std::vector<TimeSpan> sunBelow(const Site &site, const TimeSpan &span, double levelDeg);
std::vector<TimeSpan> sunBelow(const NightSky &sky, double levelDeg);  // over the sky's span
