#include "sky/contrastreserve.h"

#include <algorithm>
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

// Each reserve is -0.4 SB + 0.4 sky - threshold(S) with S = sky + offset: with the sky written as
// S - offset, a line of slope 0.4 less the threshold, less a constant.
double TelescopeView::greatestReserve(double leastSeenSurfaceBrightness, const ValueRange &skyMagPerArcsec2) const
{
    double greatest = -HUGE_VAL;
    for (const Eyepiece &eyepiece : eyepieces_) {
        const double offset = eyepiece.backgroundOffsetMag;
        const double lead = eyepiece.threshold.greatestLeadOfLine(0.4, skyMagPerArcsec2.least + offset,
                                                                  skyMagPerArcsec2.greatest + offset);
        greatest = std::max(greatest, lead - 0.4 * (leastSeenSurfaceBrightness + offset));
    }
    return greatest;
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
