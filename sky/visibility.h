#pragma once

#include "sky/filters.h"
#include "sky/horizonprofile.h"
#include "sky/timespan.h"

#include <optional>
#include <span>
#include <vector>

// When, within a session, an object stands clear of the observer's horizon and minimum
// elevation, inside the azimuth window, while the sky is dark.

struct VisibilityQuery {
    double latDeg = 0.0;
    double lonDeg = 0.0;   // east positive
    TimeSpan session;      // start .. start + length, at most a day
    double minElevDeg = 0.0;
    const HorizonProfile *profile = nullptr;  // nullptr: a flat horizon, minElevDeg alone counts
    AzimuthWindow azimuthWindow;
    // When the Sun is low enough, in any order; the whole session when darkness is not required.
    std::vector<TimeSpan> darkSpans;

    // The same profile is the same object: a profile changed in place is not noticed.
    friend bool operator==(const VisibilityQuery &, const VisibilityQuery &) = default;
};

struct EquatorialPosition {
    double raDeg = 0.0;
    double decDeg = 0.0;
};

struct HighestPoint {
    double atDays = 0.0;
    double altDeg = 0.0;
};

struct Visibility {
    std::vector<TimeSpan> spans;  // in time order, none touching the next
    double visibleMinutes = 0.0;
    std::optional<HighestPoint> highest;  // the highest the object stands while visible
};

// Edges are found to within about a second.
Visibility objectVisibility(const EquatorialPosition &object, const VisibilityQuery &query);

// The same for each object, the work shared among the processor's cores.
std::vector<Visibility> catalogVisibility(std::span<const EquatorialPosition> objects,
                                          const VisibilityQuery &query);
