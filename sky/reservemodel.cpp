#include "sky/reservemodel.h"

#include "sky/airmass.h"
#include "sky/horizontal.h"

#include <numbers>

namespace {

// The airmass runs from 1 at the zenith to 5 at the horizon (airmass.h).
constexpr double LeastAirmass = 1.0;
constexpr double GreatestAirmass = 5.0;

}  // namespace

ReserveModel::ReserveModel(const ObjectLight &light, const ObserverSky &sky, const Telescope &telescope)
    : view_(light.minorArcmin, telescope), surfaceBrightness_(::surfaceBrightness(light)),
      zenithNanolamberts_(nanolambertsFromMagPerArcsec2(sky.zenithMagPerArcsec2)),
      extinction_(sky.extinctionPerAirmass)
{
}

double ReserveModel::logReserve(double sinAltitude, double moonIlluminanceAtSite, double cosMoonSeparation) const
{
    const double airmass = airmassFromSinAltitude(sinAltitude);
    const double separationDeg = moonIlluminanceAtSite > 0.0 ? separationDegFromCos(cosMoonSeparation) : 0.0;
    const double skyMag = magPerArcsec2FromNanolamberts(
        skyNanolamberts(zenithNanolamberts_, extinction_, airmass, moonIlluminanceAtSite, separationDeg));
    return view_.best(surfaceBrightnessSeen(surfaceBrightness_, extinction_, airmass), skyMag).logReserve;
}

// Under a moonless sky at airmass X the sky is V = V_zen + k (X - 1) - 2.5 log10 X, so the log
// object contrast is a constant less log10 X, and the background at the eye moves by
// dS/dX = k - 2.5 / (X ln 10). Each magnification's reserve then changes by
// (1 / X) (-1 / ln 10 + t (2.5 / ln 10 - k X)) per airmass, t the threshold's slope against the
// background. That is never positive when it holds at the corners of t's range and X's.
bool ReserveModel::moonlessReserveFallsWithAirmass() const
{
    const double ln10 = std::numbers::ln10;
    for (const ThresholdAtSize::SlopeRange &slopes : view_.thresholdSlopeRanges()) {
        for (const double slope : {slopes.least, slopes.greatest}) {
            for (const double airmass : {LeastAirmass, GreatestAirmass}) {
                if (slope * (2.5 / ln10 - extinction_ * airmass) > 1.0 / ln10)
                    return false;
            }
        }
    }
    return true;
}
