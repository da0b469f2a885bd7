#pragma once

#include "sky/diurnaltrack.h"
#include "sky/nightsky.h"
#include "sky/seeing.h"

#include <optional>
#include <vector>

// An object's contrast reserve through a night, as a chart draws it: at evenly spaced instants,
// none while the object is below the horizon, where the air hides it.

struct ReservePoint {
    double atDays = 0.0;
    std::optional<double> logReserve;
};

// At samples + 1 instants of a span inside the night's, each judged as the best moment is (seeingAt),
// with the Moon where the night puts it: its light counts while its centre is up.
std::vector<ReservePoint> reserveCurve(const DiurnalTrack &track, const ObjectLight &light, const NightSky &night,
                                       const TimeSpan &span, int samples, const ObserverSky &sky, const Telescope &telescope);
