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

// Eq. 21's terms: inside 10 degrees, and beyond it the Rayleigh and the aerosol scattering.
double nearMoonScattering(double rhoDeg)
{
    return 6.2e7 / (rhoDeg * rhoDeg);
}

double rayleighScattering(double cosRho)
{
    return tenTo(5.36) * (1.06 + cosRho * cosRho);
}

double aerosolScattering(double rhoDeg)
{
    return tenTo(6.15 - rhoDeg / 40.0);
}

double cosDeg(double deg)
{
    return std::cos(deg * std::numbers::pi / 180.0);
}

// The air's share of the Moon's light it scatters towards an object at airmass X, 1 - 10^(-0.4 k X):
// it grows with X.
double moonlitAirFraction(double extinction, double airmass)
{
    return 1.0 - tenToMinusPoint4(extinction * airmass);
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
        return nearMoonScattering(rho);
    return rayleighScattering(cosDeg(rho)) + aerosolScattering(rho);
}

// Inside 10 degrees the scattering falls with the angle, down to its value at 10 degrees (the far
// terms are larger there). Beyond, the aerosol term falls with the angle, and cos^2 rho is least
// where cos rho is nearest 0: cos rho falls from 10 to 180 degrees.
ValueRange moonScatteringRange(const ValueRange &separationDeg)
{
    const double nearest = std::max(separationDeg.least, MoonRadiusDeg);
    const double farthest = std::max(separationDeg.greatest, MoonRadiusDeg);
    ValueRange range;
    if (nearest < NearMoonDeg) {
        range.include(nearMoonScattering(nearest));
        range.include(nearMoonScattering(std::min(farthest, NearMoonDeg)));
    }
    if (farthest >= NearMoonDeg) {
        const double from = std::max(nearest, NearMoonDeg);
        const double cosFrom = cosDeg(from);
        const double cosTo = cosDeg(farthest);
        const bool crossesRightAngle = cosFrom >= 0.0 && cosTo <= 0.0;
        const double leastCos = crossesRightAngle ? 0.0 : std::min(std::abs(cosFrom), std::abs(cosTo));
        const double greatestCos = std::max(std::abs(cosFrom), std::abs(cosTo));
        range.include(rayleighScattering(leastCos) + aerosolScattering(farthest));
        range.include(rayleighScattering(greatestCos) + aerosolScattering(from));
    }
    return range;
}

double moonIlluminanceAtSite(const MoonInSky &moon, double extinction)
{
    if (moon.position.Alt <= 0.0)
        return 0.0;
    return moonIlluminanceAtSite(moonIlluminance(moon.phaseAngleDeg),
                                 std::sin(moon.position.Alt * std::numbers::pi / 180.0), extinction);
}

double moonIlluminanceAtSite(double illuminanceOutsideAir, double sinAltitude, double extinction)
{
    if (sinAltitude <= 0.0)
        return 0.0;
    return illuminanceOutsideAir * tenToMinusPoint4(extinction * airmassFromSinAltitude(sinAltitude));
}

double skyNanolamberts(double zenithNanolamberts, double extinction, double airmass,
                       double moonIlluminanceAtSite, double separationDeg)
{
    const double dark = darkSkyNanolamberts(zenithNanolamberts, extinction, airmass);
    if (moonIlluminanceAtSite <= 0.0)
        return dark;
    return dark + moonScattering(separationDeg) * moonIlluminanceAtSite * moonlitAirFraction(extinction, airmass);
}

// Eq. 2's two factors apart: X grows and 10^(-0.4 k (X - 1)) falls with the airmass. Eq. 15's
// three: the scattering, the illuminance and the air's share, the last growing with X.
ValueRange skyNanolambertsRange(double zenithNanolamberts, double extinction, const ValueRange &airmass,
                                const ValueRange &moonIlluminanceAtSite, const ValueRange &separationDeg)
{
    ValueRange range{zenithNanolamberts * tenToMinusPoint4(extinction * (airmass.greatest - 1.0)) * airmass.least,
                     zenithNanolamberts * tenToMinusPoint4(extinction * (airmass.least - 1.0)) * airmass.greatest};
    if (moonIlluminanceAtSite.greatest > 0.0) {
        const ValueRange scattering = moonScatteringRange(separationDeg);
        range.least += scattering.least * moonIlluminanceAtSite.least
                       * moonlitAirFraction(extinction, airmass.least);
        range.greatest += scattering.greatest * moonIlluminanceAtSite.greatest
                          * moonlitAirFraction(extinction, airmass.greatest);
    }
    return range;
}

double skyMagPerArcsec2At(const AltAz &object, const std::optional<MoonInSky> &moon, const ObserverSky &sky)
{
    const double illuminance = moon ? moonIlluminanceAtSite(*moon, sky.extinctionPerAirmass) : 0.0;
    const double separation = moon ? separationDeg(object, moon->position) : 0.0;
    return magPerArcsec2FromNanolamberts(skyNanolamberts(nanolambertsFromMagPerArcsec2(sky.zenithMagPerArcsec2),
                                                         sky.extinctionPerAirmass, airmass(object.Alt),
                                                         illuminance, separation));
}
