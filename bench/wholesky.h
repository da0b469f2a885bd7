#pragma once

#include "sky/visibility.h"

#include <cmath>
#include <numbers>
#include <vector>

// The sky benchmarks' catalog: as many objects as the whole OpenNGC, spread evenly over the whole
// sphere (a Fibonacci lattice), so that every declination and hour angle is met.
inline constexpr int WholeSkyCatalogSize = 14000;

inline std::vector<EquatorialPosition> wholeSkyCatalog()
{
    const double goldenAngleDeg = 180.0 * (3.0 - std::sqrt(5.0));
    std::vector<EquatorialPosition> objects;
    for (int i = 0; i < WholeSkyCatalogSize; ++i) {
        const double sinDec = 1.0 - (2.0 * i + 1.0) / WholeSkyCatalogSize;
        objects.push_back({std::fmod(i * goldenAngleDeg, 360.0), std::asin(sinDec) * 180.0 / std::numbers::pi});
    }
    return objects;
}
