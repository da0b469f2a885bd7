#pragma once

// Altitude and azimuth seen from a latitude, and hours to the meridian crossing.

#include <array>

struct AltAz {
    double Alt = 0.0;  // degrees, -90 to 90
    double Az = 0.0;   // degrees from north through east, 0 to 360
};

// haDeg may be any value; it is used only through its sine and cosine.
// At the points where the azimuth is undefined (zenith, nadir, a pole) the result is still
// finite: the azimuth falls back to north (0 or 360) or south (180), whichever its cosine
// leans to.
AltAz getAltAz(double haDeg, double decDeg, double latDeg);

// Hours until the object crosses the meridian (positive) or since it crossed (negative),
// within [-12, 12), for an hour angle within [0, 360]. 15 degrees make one hour.
double hoursToTransit(double haDeg);

// The angle between two positions in the sky, in degrees within [0, 180]:
// cos d = sin a1 sin a2 + cos a1 cos a2 cos(A1 - A2).
double separationDeg(const AltAz &a, const AltAz &b);

// The same from the cosine of the angle; rounding past +-1 is taken as +-1.
double separationDegFromCos(double cosSeparation);

// A position's direction on the sky as a unit vector with the axes of right ascension and
// declination, from its altitude and azimuth at a local sidereal time: the inverse of getAltAz,
// so that the angle between two such directions is the angle between the positions.
std::array<double, 3> equatorialDirection(const AltAz &position, double latDeg, double cosSidereal,
                                          double sinSidereal);
