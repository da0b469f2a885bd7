#pragma once

#include "sky/horizontal.h"

// The position tests of the observing list. An object must pass them at both instants
// sampled, the session start and the session end.

enum class AzimuthWindowMode {
    Inclusive,  // keep azimuths within [minAz, maxAz]
    Exclusive,  // keep azimuths outside the open interval (minAz, maxAz)
};

struct AzimuthWindow {
    double minAzDeg = 0.0;
    double maxAzDeg = 360.0;
    AzimuthWindowMode mode = AzimuthWindowMode::Inclusive;

    friend bool operator==(const AzimuthWindow &, const AzimuthWindow &) = default;
};

// The window never wraps through north by itself: a window across north is set as
// Exclusive with its edges. An azimuth equal to either edge passes in both modes.
bool azimuthInWindow(double azDeg, const AzimuthWindow &window);

bool passesAzimuthTest(const AltAz &start, const AltAz &end, const AzimuthWindow &window);
bool passesElevationTest(const AltAz &start, const AltAz &end, double minElevDeg);

// The hour angle at the end of a session that starts at startHaDeg: 15 degrees an hour,
// brought back below 360 once (exactly 360 stays).
double sessionEndHourAngleDeg(double startHaDeg, double sessionLengthHours);
