#pragma once

#include <cmath>

// How much air an object's light crosses, in units of the air straight overhead.
//
// K. Krisciunas and B. E. Schaefer, "A model of the brightness of moonlight", PASP 103, 1033
// (1991), eq. 3: X = (1 - 0.96 sin^2 z)^(-1/2), z the zenith distance. It stays finite at the
// horizon (X = 5). The formula is even in the altitude, so below the horizon the horizon's
// airmass is taken: an object under the ground never looks as if it stood as high above it.
double airmass(double altDeg);

// The same from the sine of the altitude: 1 - 0.96 sin^2 z = 0.04 + 0.96 sin^2 h.
inline double airmassFromSinAltitude(double sinAlt)
{
    const double aboveHorizon = sinAlt > 0.0 ? sinAlt : 0.0;
    return 1.0 / std::sqrt(0.04 + 0.96 * aboveHorizon * aboveHorizon);
}
