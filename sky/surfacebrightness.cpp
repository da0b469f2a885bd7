#include "sky/surfacebrightness.h"

#include <cmath>
#include <numbers>

std::optional<ObjectLight> objectLight(std::optional<double> magnitude, std::optional<double> majorArcmin,
                                       std::optional<double> minorArcmin)
{
    if (!magnitude || !majorArcmin)
        return std::nullopt;
    const double minor = minorArcmin.value_or(*majorArcmin);
    if (!(*majorArcmin > 0.0 && minor > 0.0))
        return std::nullopt;
    return ObjectLight{*magnitude, *majorArcmin, minor};
}

double surfaceBrightness(const ObjectLight &object)
{
    const double squareArcsecPerEllipse = std::numbers::pi / 4.0 * 3600.0;
    return object.magnitude + 2.5 * std::log10(squareArcsecPerEllipse * object.majorArcmin * object.minorArcmin);
}

double surfaceBrightnessSeen(double surfaceBrightness, double extinction, double airmass)
{
    return surfaceBrightness + extinction * airmass;
}
