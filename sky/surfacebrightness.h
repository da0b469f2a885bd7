#pragma once

#include <optional>

// An object's light spread over its size: its mean surface brightness in magnitudes per square
// arcsecond.

// What the catalog gives: a total magnitude and the axes of the object's ellipse in arcminutes.
struct ObjectLight {
    double magnitude = 0.0;
    double majorArcmin = 0.0;
    double minorArcmin = 0.0;
};

// An object with a magnitude and a size; a single size is a circle. Without a magnitude, a size or
// with a size that is not positive there is nothing to judge: no light.
std::optional<ObjectLight> objectLight(std::optional<double> magnitude, std::optional<double> majorArcmin,
                                       std::optional<double> minorArcmin);

// SB = m + 2.5 log10(2827.43 a b): the magnitude spread over the ellipse's area in square
// arcseconds, pi/4 a b with the axes in arcminutes times 3600.
double surfaceBrightness(const ObjectLight &object);

// The same dimmed by the air it is seen through: SB + k X.
double surfaceBrightnessSeen(double surfaceBrightness, double extinction, double airmass);
