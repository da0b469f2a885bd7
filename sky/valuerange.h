#pragma once

#include <algorithm>
#include <cmath>

// The least and the greatest value a quantity takes over some stretch, both included. Empty until
// it has taken one.
struct ValueRange {
    double least = HUGE_VAL;
    double greatest = -HUGE_VAL;

    void include(double value)
    {
        least = std::min(least, value);
        greatest = std::max(greatest, value);
    }
};
