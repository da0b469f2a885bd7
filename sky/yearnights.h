#pragma once

#include "sky/darkness.h"
#include "sky/siderealtime.h"
#include "sky/site.h"
#include "sky/visibility.h"

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

struct YearQuery {
    Site site;
    int year = 2000;
    // Each night's GMT deviation, by the date the night begins on.
    std::function<double(const CalendarDate &)> gmtDeviationHoursOn;
    DarknessLevel darkness = DefaultDarkness;
    double minElevDeg = 0.0;
    const HorizonProfile *profile = nullptr;  // nullptr: a flat horizon
    AzimuthWindow azimuthWindow;
};

// What every object shares of one night.
struct YearNight {
    CalendarDate date;
    TimeSpan night;
    std::vector<TimeSpan> dark;          // within the night, in time order
    std::vector<TimeSpan> darkMoonless;  // the parts of those with the Moon down
    double siderealDegAtStart = 0.0;     // at night.startDays
    double siderealDegPerDay = 0.0;
};

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
};

std::vector<NightMinutes> objectYear(const EquatorialPosition &object, const YearSky &sky);

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
