#include "sky/seeing.h"

#include "sky/airmass.h"

Seeing seeingAt(const ObjectLight &object, const AltAz &position, const std::optional<MoonInSky> &moon,
                const ObserverSky &sky, const Telescope &telescope)
{
    const double skyMag = skyMagPerArcsec2At(position, moon, sky);
    const double seenSurfaceBrightness =
        surfaceBrightnessSeen(surfaceBrightness(object), sky.extinctionPerAirmass, airmass(position.Alt));
    return {skyMag, bestReserve(seenSurfaceBrightness, skyMag, object.minorArcmin, telescope)};
}
