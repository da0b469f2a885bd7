#include "sky/horizontal.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr double RadPerDeg = std::numbers::pi / 180.0;

// A sine or cosine that rounding pushed past +-1, or a 0/0 at a degenerate point,
// is brought back to a value the inverse functions accept.
double clampUnit(double value)
{
    if (std::isnan(value))
        return 1.0;
    return std::clamp(value, -1.0, 1.0);
}

}  // namespace

AltAz getAltAz(double haDeg, double decDeg, double latDeg)
{
    const double hourAngle = haDeg * RadPerDeg;
    const double dec = decDeg * RadPerDeg;
    const double lat = latDeg * RadPerDeg;

    const double sinAltitude = clampUnit(std::sin(dec) * std::sin(lat)
                                         + std::cos(lat) * std::cos(dec) * std::cos(hourAngle));
    const double altitude = std::asin(sinAltitude);

    // Cosine of the azimuth counted from north; a zero denominator gives +-infinity,
    // which clampUnit turns into the limiting azimuth.
    const double cosAzimuth = clampUnit((std::sin(dec) - std::sin(lat) * sinAltitude)
                                        / (std::cos(lat) * std::cos(altitude)));

    AltAz position;
    position.Alt = altitude / RadPerDeg;
    position.Az = std::acos(cosAzimuth) / RadPerDeg;
    if (std::sin(hourAngle) > 0.0)  // west of the meridian
        position.Az = 360.0 - position.Az;
    return position;
}

double hoursToTransit(double haDeg)
{
    const double hours = 24.0 - haDeg * 24.0 / 360.0;
    return hours >= 12.0 ? hours - 24.0 : hours;
}

double separationDeg(const AltAz &a, const AltAz &b)
{
    const double altA = a.Alt * RadPerDeg;
    const double altB = b.Alt * RadPerDeg;
    const double cosSeparation = std::sin(altA) * std::sin(altB)
                                 + std::cos(altA) * std::cos(altB) * std::cos((a.Az - b.Az) * RadPerDeg);
    return std::acos(clampUnit(cosSeparation)) / RadPerDeg;
}

double separationDegFromCos(double cosSeparation)
{
    return std::acos(std::clamp(cosSeparation, -1.0, 1.0)) / RadPerDeg;
}

std::array<double, 3> equatorialDirection(const AltAz &position, double latDeg, double cosSidereal,
                                          double sinSidereal)
{
    const double alt = position.Alt * RadPerDeg;
    const double az = position.Az * RadPerDeg;
    const double up = std::sin(alt);
    const double north = std::cos(alt) * std::cos(az);
    const double east = std::cos(alt) * std::sin(az);
    const double sinLat = std::sin(latDeg * RadPerDeg);
    const double cosLat = std::cos(latDeg * RadPerDeg);
    const double cosDecCosHa = cosLat * up - sinLat * north;
    const double cosDecSinHa = -east;
    return {cosSidereal * cosDecCosHa + sinSidereal * cosDecSinHa,
            sinSidereal * cosDecCosHa - cosSidereal * cosDecSinHa, sinLat * up + cosLat * north};
}
