#pragma once

#include "sky/darkness.h"
#include "sky/reservemodel.h"
#include "sky/siderealtime.h"
#include "sky/site.h"
#include "sky/visibility.h"

#include <array>
#include <cstddef>
#include <functional>
#include <optional>
#include <span>
#include <vector>

// An object's nights through a year: how many minutes of each night it is visible in the dark
// (see visibility.h), and how many of those with the Moon below the horizon.
//
// A night runs from the evening's sunset to the next morning's sunrise, or from local noon to
// local noon (nightOf) where the Sun does not set or does not rise; the night of a date begins
// on that date's evening. A minute counts when the object is visible at its first instant, a
// whole minute of the clock: the minutes a scan of the night minute by minute would count. The
// Moon is below the horizon between its set and its rise as nightEvents gives them.
//
// With the observer's sky and telescope, the minutes of each night at which the object is visible
// and shows "difficult" or better (verdict.h): the reserve at the best magnification as seeingAt
// judges it, with the Moon's light while its centre is up.

struct YearQuery {
    Site site;
    int year = 2000;
    // Each night's GMT deviation, by the date the night begins on.
    std::function<double(const CalendarDate &)> gmtDeviationHoursOn;
    DarknessLevel darkness = DefaultDarkness;
    double minElevDeg = 0.0;
    const HorizonProfile *profile = nullptr;  // nullptr: a flat horizon
    AzimuthWindow azimuthWindow;
    // Keeps the Moon's place and light through each night, which judging what a telescope shows
    // needs and the minutes alone do not.
    bool keepsMoonlight = false;
};

// The Moon at one instant, with the axes of right ascension and declination (equatorialDirection)
// so that it stays put but for its own slow motion, and its illuminance outside the air (I*).
struct MoonSample {
    std::array<double, 3> direction;
    double illuminanceOutsideAir = 0.0;
};

// What every object shares of one night.
struct YearNight {
    CalendarDate date;
    TimeSpan night;
    std::vector<TimeSpan> dark;          // within the night, in time order
    std::vector<TimeSpan> darkMoonless;  // the parts of those with the Moon down
    std::vector<TimeSpan> darkMoonUp;    // and the rest of them
    double siderealDegAtStart = 0.0;     // at night.startDays
    double siderealDegPerDay = 0.0;
    // When the query keeps the Moon's light: the Moon every MoonSampleMinutes from night.startDays
    // until past its end.
    std::vector<MoonSample> moon;
};

inline constexpr int MoonSampleMinutes = 10;

// The Sun and the Moon of every night of the year, worked out once for all objects.
class YearSky {
public:
    explicit YearSky(YearQuery query);

    const YearQuery &query() const { return query_; }
    const std::vector<YearNight> &nights() const { return nights_; }

private:
    YearQuery query_;
    std::vector<YearNight> nights_;  // from January 1 to December 31
};

struct NightMinutes {
    CalendarDate date;
    int visibleMinutes = 0;
    int moonlessMinutes = 0;
    std::optional<int> shownMinutes;  // "difficult" or better; none without a telescope
};

std::vector<NightMinutes> objectYear(const EquatorialPosition &object, const YearSky &sky);

// One object through the observer's telescope on the nights of a sky that keeps the Moon's light
// (and outlives it).
class YearSeeing {
public:
    YearSeeing(const EquatorialPosition &object, const ObjectLight &light, const ObserverSky &observerSky,
               const Telescope &telescope, const YearSky &sky);

    // The log reserve at an instant of the sky's night of that index, from its sunset to its
    // sunrise, wherever the object stands.
    double logReserveAt(std::size_t night, double days) const;

private:
    friend std::vector<NightMinutes> objectYear(const YearSeeing &seeing);

    // The whole minutes from fromDays until toDays, all of them visible and within the night, at
    // which the object shows "difficult" or better; moonDown: the Moon is down throughout.
    int shownMinutes(double fromDays, double toDays, bool moonDown, const YearNight &night) const;
    double sinAltitude(double cosSidereal, double sinSidereal) const;
    double logReserve(const YearNight &night, double days, double cosSidereal, double sinSidereal) const;
    double leastShownSinAltitudeWithMoonDown() const;
    bool shownWithMoonDown(double sinAltitude) const;

    EquatorialPosition object_;
    const YearSky &sky_;
    ReserveModel model_;
    double sinLat_;
    double cosLat_;
    double sinAltitudeBase_;  // sin lat sin dec
    double cosRaSwing_;       // cos lat cos dec cos ra
    double sinRaSwing_;       // cos lat cos dec sin ra
    std::array<double, 3> direction_;
    // With the Moon down the reserve depends on the altitude alone; where it never falls as the
    // object rises, the object shows from this sine of its altitude up.
    std::optional<double> leastShownSinAltitude_;
};

// The same with each night's minutes that show the object "difficult" or better.
std::vector<NightMinutes> objectYear(const YearSeeing &seeing);

// The night with the most moonless minutes, the earliest of equals.
struct BestNight {
    CalendarDate date;
    int moonlessMinutes = 0;
};

BestNight objectBestNight(const EquatorialPosition &object, const YearSky &sky);

// Told, from any of the working threads, how many objects are done of how many; false stops the
// work.
using YearProgress = std::function<bool(std::size_t done, std::size_t total)>;

// Each object's best night, the work shared among the processor's cores; none when stopped.
std::optional<std::vector<BestNight>> catalogBestNights(std::span<const EquatorialPosition> objects,
                                                        const YearSky &sky, const YearProgress &progress = {});
