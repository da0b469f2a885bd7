#pragma once

#include "sky/horizontal.h"
#include "sky/valuerange.h"

#include <optional>

// The brightness of the night sky at an object, after K. Krisciunas and B. E. Schaefer, "A model
// of the brightness of moonlight", PASP 103, 1033 (1991): the moonless sky brightening towards
// the horizon, and the Moon's light scattered by the air. Brightnesses B are in nanolamberts,
// V in magnitudes per square arcsecond; extinction k in magnitudes per airmass.

// The observer's moonless sky: its zenith as a sky-quality meter reads it, and its extinction.
// The planner's table of the observer's fields gives the values of a first start.
struct ObserverSky {
    double zenithMagPerArcsec2 = 0.0;
    double extinctionPerAirmass = 0.0;

    friend bool operator==(const ObserverSky &, const ObserverSky &) = default;
};

// The Moon's centre as the observer sees it (topocentric), and its phase angle: 180 degrees less
// the geocentric elongation from the Sun, 0 at full Moon.
struct MoonInSky {
    AltAz position;
    double phaseAngleDeg = 0.0;
};

// B = 34.08 exp(20.7233 - 0.92104 V), and back (the paper's section 2).
double nanolambertsFromMagPerArcsec2(double magPerArcsec2);
double magPerArcsec2FromNanolamberts(double nanolamberts);

// Eq. 2: the moonless sky at airmass X, B_zen 10^(-0.4 k (X - 1)) X.
double darkSkyNanolamberts(double zenithNanolamberts, double extinction, double airmass);

// Eq. 20: the Moon's illuminance outside the air, I* = 10^(-0.4 (3.84 + 0.026 |a| + 4e-9 a^4)),
// for the phase angle a in degrees.
double moonIlluminance(double phaseAngleDeg);

// Eq. 21: the scattering function f(rho) of the angle between the object and the Moon in
// degrees: 10^5.36 (1.06 + cos^2 rho) + 10^(6.15 - rho/40) from 10 degrees out, 6.2e7 rho^-2
// inside that. Closer than the Moon's own radius the object is behind the Moon; the scattering
// is taken at its limb, which keeps the sky finite.
double moonScattering(double separationDeg);

// The least and the greatest scattering over a range of separations.
ValueRange moonScatteringRange(const ValueRange &separationDeg);

// The Moon's illuminance after its light has crossed the air to the observer, I* 10^(-0.4 k X_moon):
// zero while the Moon's centre is below the horizon, which is when the Moon counts as down.
double moonIlluminanceAtSite(const MoonInSky &moon, double extinction);
// The same from the illuminance outside the air, I*, and the sine of the Moon's altitude.
double moonIlluminanceAtSite(double illuminanceOutsideAir, double sinAltitude, double extinction);

// Eq. 15 added to eq. 2: the whole sky at an object at airmass X, separationDeg from the Moon
// (not used when the Moon's illuminance at the site is zero).
double skyNanolamberts(double zenithNanolamberts, double extinction, double airmass,
                       double moonIlluminanceAtSite, double separationDeg);

// The least and the greatest sky at an object over a stretch of time along which its airmass, the
// Moon's illuminance at the site (zero while the Moon is down) and, while the Moon is up, the
// object's separation from it each stay within a range; for a positive extinction.
ValueRange skyNanolambertsRange(double zenithNanolamberts, double extinction, const ValueRange &airmass,
                                const ValueRange &moonIlluminanceAtSite, const ValueRange &separationDeg);

// The same for an object's position, in magnitudes per square arcsecond.
double skyMagPerArcsec2At(const AltAz &object, const std::optional<MoonInSky> &moon, const ObserverSky &sky);
