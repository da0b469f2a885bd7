#include "sky/contrastreserve.h"

#include <cmath>

TelescopeView::TelescopeView(double minorArcmin, const Telescope &telescope)
{
    const double apertureInches = telescope.apertureMm / 25.4;
    eyepieces_.reserve(telescope.magnifications.size());
    for (const double magnification : telescope.magnifications) {
        eyepieces_.push_back({magnification,
                              5.0 * std::log10(magnification) - 5.0 * std::log10(2.833 * apertureInches),
                              ThresholdAtSize(magnification * minorArcmin)});
    }
}

Reserve TelescopeView::best(double seenSurfaceBrightness, double skyMagPerArcsec2) const
{
    const double logObjectContrast = -0.4 * (seenSurfaceBrightness - skyMagPerArcsec2);
    Reserve best{-HUGE_VAL, 0.0};
    for (const Eyepiece &eyepiece : eyepieces_) {
        const double reserve =
            logObjectContrast - eyepiece.threshold.logContrast(skyMagPerArcsec2 + eyepiece.backgroundOffsetMag);
        if (reserve > best.logReserve)
            best = {reserve, eyepiece.magnification};
    }
    return best;
}

std::vector<ThresholdAtSize::SlopeRange> TelescopeView::thresholdSlopeRanges() const
{
    std::vector<ThresholdAtSize::SlopeRange> ranges;
    for (const Eyepiece &eyepiece : eyepieces_)
        ranges.push_back(eyepiece.threshold.slopeRange());
    return ranges;
}

Reserve bestReserve(double seenSurfaceBrightness, double skyMagPerArcsec2, double minorArcmin,
                    const Telescope &telescope)
{
    return TelescopeView(minorArcmin, telescope).best(seenSurfaceBrightness, skyMagPerArcsec2);
}
