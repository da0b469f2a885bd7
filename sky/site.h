#pragma once

#include "sky/timespan.h"

// Where and when the night is seen from. An instant is a count of days since J2000.0 in UTC
// (JD_UTC - 2451545.0), the count daysSinceJ2000 returns.

struct Site {
    double latDeg = 0.0;  // geodetic, north positive
    double lonDeg = 0.0;  // east positive
};

