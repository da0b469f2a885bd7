#include "sky/skyqualityestimate.h"

#include <array>
#include <cmath>

namespace {

struct BortleRange {
    double brightest;  // mag/arcsec^2
    double darkest;
};

// Classes 1 to 9 as nightskyspots.com's "Understanding the Bortle Scale" tabulates their readings;
// class 9, "< 17.5", has no brighter bound: its range is that limit alone.
constexpr std::array<BortleRange, 9> BortleRanges = {{
    {21.8, 22.0},
    {21.6, 21.8},
    {21.3, 21.6},
    {20.4, 21.3},
    {19.3, 20.4},
    {18.5, 19.3},
    {18.0, 18.5},
    {17.5, 18.0},
    {17.5, 17.5},
}};

// Where the relation's sky would be infinitely dark.
constexpr double DarkestNakedEyeLimit = 7.93;

constexpr std::string_view NakedEyeLimitSource =
    "naked-eye limit by Schaefer's relation (1990, PASP 102, 212) as Unihedron gives it";
constexpr std::string_view BortleSource =
    "Bortle (2001, Sky & Telescope) class, SQM range as nightskyspots.com's \"Understanding the Bortle Scale\" "
    "table gives it";

}  // namespace

std::optional<SkyQualityEstimate> sqmFromNakedEyeLimit(double nakedEyeLimitingMagnitude)
{
    if (!(nakedEyeLimitingMagnitude < DarkestNakedEyeLimit))
        return std::nullopt;
    const double excess = std::pow(10.0, 1.586 - nakedEyeLimitingMagnitude / 5.0) - 1.0;
    return SkyQualityEstimate{21.58 - 5.0 * std::log10(excess), NakedEyeLimitSource};
}

double nakedEyeLimitFromSqm(double magPerArcsec2)
{
    return DarkestNakedEyeLimit - 5.0 * std::log10(std::pow(10.0, 4.316 - magPerArcsec2 / 5.0) + 1.0);
}

std::optional<SkyQualityEstimate> sqmFromBortleClass(int bortleClass)
{
    if (bortleClass < 1 || bortleClass > int(BortleRanges.size()))
        return std::nullopt;
    const BortleRange &range = BortleRanges[std::size_t(bortleClass - 1)];
    return SkyQualityEstimate{(range.brightest + range.darkest) / 2.0, BortleSource};
}
