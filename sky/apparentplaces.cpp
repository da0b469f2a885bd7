#include "sky/apparentplaces.h"

#include <erfa.h>
#include <erfam.h>

#include <cmath>

namespace {

// TT - UTC: 32.184 s plus the 37 leap seconds in force since 2017. A leap second more or
// less moves the Moon by half an arcsecond, far below what the night's times need.
constexpr double TtMinusUtcDays = 69.184 / ERFA_DAYSEC;

constexpr double MoonRadiusAu = 1737.4e3 / ERFA_DAU;

// Annual aberration to first order: the direction shifts towards the Earth's barycentric
// velocity by v/c, about 20 arcseconds. Light time is left out: in the Moon's 1.3 s and in
// the Sun's 8 minutes of barycentric drift each moves by under an arcsecond.
Vector3 withAberration(const Vector3 &geometricAu, const double earthVelocityAuPerDay[3])
{
    const double lightTimeDays = length(geometricAu) / ERFA_DC;
    Vector3 apparent;
    for (int axis = 0; axis < 3; ++axis)
        apparent[axis] = geometricAu[axis] + earthVelocityAuPerDay[axis] * lightTimeDays;
    return apparent;
}

}  // namespace

FrameOfDate frameOfDate(double daysUtc)
{
    double gcrsToTrue[3][3];
    eraPnm06a(ERFA_DJ00, ttDaysFromUtc(daysUtc), gcrsToTrue);
    double x = 0.0;
    double y = 0.0;
    eraBpn2xy(gcrsToTrue, &x, &y);
    const double cioLocator = eraS06(ERFA_DJ00, ttDaysFromUtc(daysUtc), x, y);

    FrameOfDate frame;
    frame.gcrsToTrue = toMatrix3(gcrsToTrue);
    frame.equationOfOriginsRad = eraEors(gcrsToTrue, cioLocator);
    return frame;
}

SunAndMoon apparentSunAndMoon(double daysUtc)
{
    double heliocentricEarth[2][3];
    double barycentricEarth[2][3];
    eraEpv00(ERFA_DJ00, ttDaysFromUtc(daysUtc), heliocentricEarth, barycentricEarth);
    double moon[2][3];
    eraMoon98(ERFA_DJ00, ttDaysFromUtc(daysUtc), moon);

    SunAndMoon places;
    for (int axis = 0; axis < 3; ++axis) {
        places.sun.positionAu[axis] = -heliocentricEarth[0][axis];
        places.sun.velocityAuPerDay[axis] = -heliocentricEarth[1][axis];
        places.moon.positionAu[axis] = moon[0][axis];
        places.moon.velocityAuPerDay[axis] = moon[1][axis];
    }
    places.sun.positionAu = withAberration(places.sun.positionAu, barycentricEarth[1]);
    places.moon.positionAu = withAberration(places.moon.positionAu, barycentricEarth[1]);
    return places;
}

Matrix3 toMatrix3(const double matrix[3][3])
{
    Matrix3 result;
    for (int row = 0; row < 3; ++row)
        for (int column = 0; column < 3; ++column)
            result[row][column] = matrix[row][column];
    return result;
}

Vector3 rotate(const Matrix3 &matrix, const Vector3 &vector)
{
    Vector3 result{};
    for (int row = 0; row < 3; ++row)
        for (int column = 0; column < 3; ++column)
            result[row] += matrix[row][column] * vector[column];
    return result;
}

double dot(const Vector3 &a, const Vector3 &b)
{
    return a[0] * b[0] + a[1] * b[1] + a[2] * b[2];
}

double length(const Vector3 &vector)
{
    return std::sqrt(dot(vector, vector));
}

Observer observerAt(const Site &site)
{
    Observer observer;
    observer.latRad = site.latDeg * ERFA_DD2R;
    observer.lonRad = site.lonDeg * ERFA_DD2R;
    double terrestrialMetres[3];
    eraGd2gc(ERFA_WGS84, observer.lonRad, observer.latRad, 0.0, terrestrialMetres);
    for (int axis = 0; axis < 3; ++axis)
        observer.terrestrialAu[axis] = terrestrialMetres[axis] / ERFA_DAU;
    return observer;
}

Topocentric topocentric(const Vector3 &trueOfDateAu, double daysUtc, const FrameOfDate &frame,
                        const Observer &observer)
{
    // Into the Earth-fixed frame (polar motion neglected), then from the observer.
    const double siderealRad = eraEra00(ERFA_DJ00, daysUtc) - frame.equationOfOriginsRad;
    const double cosSidereal = std::cos(siderealRad);
    const double sinSidereal = std::sin(siderealRad);
    const double x = cosSidereal * trueOfDateAu[0] + sinSidereal * trueOfDateAu[1]
                     - observer.terrestrialAu[0];
    const double y = -sinSidereal * trueOfDateAu[0] + cosSidereal * trueOfDateAu[1]
                     - observer.terrestrialAu[1];
    const double z = trueOfDateAu[2] - observer.terrestrialAu[2];

    const double hourAngleRad = observer.lonRad - std::atan2(y, x);
    const double declinationRad = std::atan2(z, std::hypot(x, y));
    double azimuthRad = 0.0;
    double altitudeRad = 0.0;
    eraHd2ae(hourAngleRad, declinationRad, observer.latRad, &azimuthRad, &altitudeRad);

    Topocentric seen;
    seen.position.Alt = altitudeRad * ERFA_DR2D;
    seen.position.Az = azimuthRad * ERFA_DR2D;
    seen.distanceAu = std::sqrt(x * x + y * y + z * z);
    return seen;
}

double upperLimbAltitudeDeg(const Topocentric &moonCentre)
{
    return moonCentre.position.Alt + std::asin(MoonRadiusAu / moonCentre.distanceAu) * ERFA_DR2D;
}

double ttDaysFromUtc(double daysUtc)
{
    return daysUtc + TtMinusUtcDays;
}
