#include "sky/moonphase.h"

#include "sky/apparentplaces.h"

#include <erfa.h>
#include <erfam.h>

#include <array>
#include <cmath>

namespace {

constexpr std::array<const char *, 8> PhaseNames = {
    "New Moon", "Waxing Crescent", "First Quarter", "Waxing Gibbous",
    "Full Moon", "Waning Gibbous", "Last Quarter", "Waning Crescent",
};

double eclipticLongitudeRad(const Matrix3 &gcrsToEcliptic, const Vector3 &gcrsAu)
{
    const Vector3 ecliptic = rotate(gcrsToEcliptic, gcrsAu);
    return std::atan2(ecliptic[1], ecliptic[0]);
}

}  // namespace

double moonIlluminatedFraction(double daysUtc)
{
    const SunAndMoon places = apparentSunAndMoon(daysUtc);
    const Vector3 &earthToMoon = places.moon.positionAu;
    Vector3 moonToEarth;
    Vector3 moonToSun;
    for (int axis = 0; axis < 3; ++axis) {
        moonToEarth[axis] = -earthToMoon[axis];
        moonToSun[axis] = places.sun.positionAu[axis] - earthToMoon[axis];
    }

    // The phase angle is the Sun-Moon-Earth angle.
    const double cosPhaseAngle = dot(moonToSun, moonToEarth) / (length(moonToSun) * length(moonToEarth));
    return 0.5 * (1.0 + cosPhaseAngle);
}

double moonElongationDeg(double daysUtc)
{
    double gcrsToEcliptic[3][3];
    eraEcm06(ERFA_DJ00, ttDaysFromUtc(daysUtc), gcrsToEcliptic);
    const Matrix3 rotation = toMatrix3(gcrsToEcliptic);

    const SunAndMoon places = apparentSunAndMoon(daysUtc);
    const double elongationRad = eclipticLongitudeRad(rotation, places.moon.positionAu)
                                 - eclipticLongitudeRad(rotation, places.sun.positionAu);
    return eraAnp(elongationRad) * ERFA_DR2D;
}

const char *moonPhaseName(double daysUtc)
{
    const int sector = static_cast<int>(std::floor((moonElongationDeg(daysUtc) + 22.5) / 45.0)) % 8;
    return PhaseNames[sector];
}
