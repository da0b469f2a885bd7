#pragma once

#include <cmath>

// An angle in degrees brought within [0, 360).
inline double wrapDeg(double deg)
{
    const double wrapped = std::fmod(deg, 360.0);
    return wrapped < 0.0 ? wrapped + 360.0 : wrapped;
}
