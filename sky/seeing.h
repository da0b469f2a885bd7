#pragma once

#include "sky/contrastreserve.h"
#include "sky/skybrightness.h"
#include "sky/surfacebrightness.h"

#include <optional>

// What the observer sees of an object at one instant: the sky at it, and the contrast reserve at
// the best of the telescope's magnifications.
struct Seeing {
    double skyMagPerArcsec2 = 0.0;
    Reserve reserve;
};

Seeing seeingAt(const ObjectLight &object, const AltAz &position, const std::optional<MoonInSky> &moon,
                const ObserverSky &sky, const Telescope &telescope);
