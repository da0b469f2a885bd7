#include "sky/airmass.h"

#include <cmath>
#include <numbers>

double airmass(double altDeg)
{
    return airmassFromSinAltitude(std::sin(altDeg * std::numbers::pi / 180.0));
}
