#include "sky/skybrightness.h"

#include "sky/airmass.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

// The Moon's mean apparent radius.
constexpr double MoonRadiusDeg = 0.26;

// Beyond this angle from the Moon eq. 21's Rayleigh and aerosol terms hold.
constexpr double NearMoonDeg = 10.0;

// 10^x, by exp: several times faster than pow, and these run for every object at every minute.
double tenTo(double exponent)
{
    return std::exp(std::numbers::ln10 * exponent);
}

double tenToMinusPoint4(double magnitudes)
{
    return tenTo(-0.4 * magnitudes);
}

}  // namespace

double nanolambertsFromMagPerArcsec2(double magPerArcsec2)
{
    return 34.08 * std::exp(20.7233 - 0.92104 * magPerArcsec2);
}

double magPerArcsec2FromNanolamberts(double nanolamberts)
{
    return (20.7233 - std::log(nanolamberts / 34.08)) / 0.92104;
}

double darkSkyNanolamberts(double zenithNanolamberts, double extinction, double airmass)
{
    return zenithNanolamberts * tenToMinusPoint4(extinction * (airmass - 1.0)) * airmass;
}

double moonIlluminance(double phaseAngleDeg)
{
    const double a = std::abs(phaseAngleDeg);
    return tenToMinusPoint4(3.84 + 0.026 * a + 4e-9 * a * a * a * a);
}

double moonScattering(double separationDeg)
{
    const double rho = std::max(separationDeg, MoonRadiusDeg);
    if (rho < NearMoonDeg)
        return 6.2e7 / (rho * rho);
    const double cosRho = std::cos(rho * std::numbers::pi / 180.0);
    return tenTo(5.36) * (1.06 + cosRho * cosRho) + tenTo(6.15 - rho / 40.0);
}

double moonIlluminanceAtSite(const MoonInSky &moon, double extinction)
{
    if (moon.position.Alt <= 0.0)
        return 0.0;
    return moonIlluminance(moon.phaseAngleDeg) * tenToMinusPoint4(extinction * airmass(moon.position.Alt));
}

double skyNanolamberts(double zenithNanolamberts, double extinction, double airmass,
                       double moonIlluminanceAtSite, double separationDeg)
{
    const double dark = darkSkyNanolamberts(zenithNanolamberts, extinction, airmass);
    if (moonIlluminanceAtSite <= 0.0)
        return dark;
    return dark + moonScattering(separationDeg) * moonIlluminanceAtSite
                      * (1.0 - tenToMinusPoint4(extinction * airmass));
}

double skyMagPerArcsec2At(const AltAz &object, const std::optional<MoonInSky> &moon, const ObserverSky &sky)
{
    const double illuminance = moon ? moonIlluminanceAtSite(*moon, sky.extinctionPerAirmass) : 0.0;
    const double separation = moon ? separationDeg(object, moon->position) : 0.0;
    return magPerArcsec2FromNanolamberts(skyNanolamberts(nanolambertsFromMagPerArcsec2(sky.zenithMagPerArcsec2),
                                                         sky.extinctionPerAirmass, airmass(object.Alt),
                                                         illuminance, separation));
}
