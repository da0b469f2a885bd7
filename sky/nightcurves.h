#pragma once

#include "sky/nightevents.h"
#include "sky/timespan.h"

#include <algorithm>
#include <vector>

// Altitudes across a night, as a chart draws them.

struct CurvePoint {
    double atDays = 0.0;
    double altDeg = 0.0;
};

// The span a chart of the night shows: from an hour before sunset to an hour after sunrise, the
// whole night where the Sun does not set or does not rise.
inline TimeSpan chartSpan(const NightEvents &events)
{
    constexpr double HourDays = 1.0 / 24.0;
    if (!events.sunset || !events.sunrise || *events.sunrise <= *events.sunset)
        return events.night;
    return {std::max(events.night.startDays, *events.sunset - HourDays),
            std::min(events.night.endDays, *events.sunrise + HourDays)};
}

// altitudeDegAt(days) at samples + 1 evenly spaced instants of the span, and at the instant
// `exactly` too when it lies inside, so that a curve passes through a value shown elsewhere.
template <typename AltitudeAt>
std::vector<CurvePoint> sampleCurve(const TimeSpan &span, int samples, AltitudeAt altitudeDegAt,
                                    double exactly = -1e300)
{
    std::vector<CurvePoint> curve;
    curve.reserve(samples + 2);
    for (int i = 0; i <= samples; ++i) {
        const double atDays = span.startDays + span.lengthDays() * i / samples;
        if (exactly > (curve.empty() ? span.startDays - 1.0 : curve.back().atDays) && exactly < atDays)
            curve.push_back({exactly, altitudeDegAt(exactly)});
        curve.push_back({atDays, altitudeDegAt(atDays)});
    }
    return curve;
}
