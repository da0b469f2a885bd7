#pragma once

#include "sky/horizontal.h"
#include "sky/site.h"

#include <array>

// The steps from ERFA's ephemerides to a body's place in an observer's sky, shared by the
// direct positions and by the interpolating NightSky. Lengths are astronomical units,
// times are days since J2000.0 UTC; UT1 is taken as UTC.

using Vector3 = std::array<double, 3>;
using Matrix3 = std::array<Vector3, 3>;

struct BodyState {
    Vector3 positionAu{};       // geocentric, apparent direction
    Vector3 velocityAuPerDay{};
};

// The rotation from the GCRS to the true equator and equinox of date, and the equation of the
// origins that turns the Earth rotation angle into apparent sidereal time. Both drift so
// slowly that one evaluation serves a whole night.
struct FrameOfDate {
    Matrix3 gcrsToTrue{};
    double equationOfOriginsRad = 0.0;
};

FrameOfDate frameOfDate(double daysUtc);

// Geocentric GCRS states, corrected for the aberration of the Earth's motion.
struct SunAndMoon {
    BodyState sun;
    BodyState moon;
};

SunAndMoon apparentSunAndMoon(double daysUtc);

Matrix3 toMatrix3(const double matrix[3][3]);
Vector3 rotate(const Matrix3 &matrix, const Vector3 &vector);
double dot(const Vector3 &a, const Vector3 &b);
double length(const Vector3 &vector);

// The observer on the WGS84 ellipsoid at sea level, fixed to the Earth.
struct Observer {
    Vector3 terrestrialAu{};
    double latRad = 0.0;
    double lonRad = 0.0;
};

Observer observerAt(const Site &site);

struct Topocentric {
    AltAz position;       // degrees, no refraction
    double distanceAu = 0.0;
};

// A body at trueOfDateAu (geocentric, true equator and equinox of date) seen by the observer.
Topocentric topocentric(const Vector3 &trueOfDateAu, double daysUtc, const FrameOfDate &frame,
                        const Observer &observer);

// The altitude of the Moon's upper limb from its centre's topocentric place.
double upperLimbAltitudeDeg(const Topocentric &moonCentre);

// Terrestrial Time for an instant, in the same count of days.
double ttDaysFromUtc(double daysUtc);
