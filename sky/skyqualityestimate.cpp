#include "sky/skyqualityestimate.h"

#include <array>
#include <cmath>

namespace {

struct BortleRange {
    double brightest;  // mag/arcsec^2
    double darkest;
};

// Classes 1 to 9; class 9 has no darker bound than class 8's bright one.
constexpr std::array<BortleRange, 9> BortleRanges = {{
    {21.76, 22.00},
    {21.60, 21.75},
    {21.30, 21.60},
    {20.80, 21.30},
    {19.25, 20.30},
    {18.50, 19.25},
    {18.00, 18.50},
    {17.50, 18.00},
    {17.50, 17.50},
}};

// Where the relation's sky would be infinitely dark.
constexpr double DarkestNakedEyeLimit = 7.93;

constexpr std::string_view NakedEyeLimitSource =
    "naked-eye limit by Schaefer's relation (1990, PASP 102, 212) as Unihedron gives it";
constexpr std::string_view BortleSource =
    "Bortle (2001, Sky & Telescope) class, SQM range as Wikipedia's \"Bortle scale\" table gives it";

}  // namespace

std::optional<SkyQualityEstimate> sqmFromNakedEyeLimit(double nakedEyeLimitingMagnitude)
{
    if (!(nakedEyeLimitingMagnitude < DarkestNakedEyeLimit))
        return std::nullopt;
    const double excess = std::pow(10.0, 1.586 - nakedEyeLimitingMagnitude / 5.0) - 1.0;
    return SkyQualityEstimate{21.58 - 5.0 * std::log10(excess), NakedEyeLimitSource};
}

std::optional<SkyQualityEstimate> sqmFromBortleClass(int bortleClass)
{
    if (bortleClass < 1 || bortleClass > int(BortleRanges.size()))
        return std::nullopt;
    const BortleRange &range = BortleRanges[std::size_t(bortleClass - 1)];
    return SkyQualityEstimate{(range.brightest + range.darkest) / 2.0, BortleSource};
}
