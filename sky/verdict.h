#pragma once

#include <algorithm>
#include <array>
#include <limits>
#include <string_view>

// What a contrast reserve means to the observer, in bands of the reserve.

struct VerdictBand {
    double reserveBelow;  // the band holds reserves below this and at or above the band before
    std::string_view word;
};

// From the faintest to the easiest; the last band has no upper bound.
inline constexpr std::array<VerdictBand, 6> VerdictBands = {{
    {-0.2, "not visible"},
    {0.1, "doubtful"},
    {0.35, "difficult"},
    {0.5, "moderate"},
    {1.0, "easy"},
    {std::numeric_limits<double>::infinity(), "very easy"},
}};

// The least reserve of the band a word names: the bound of the band before it (none before the
// first).
consteval double leastLogReserveOf(std::string_view word)
{
    double least = -std::numeric_limits<double>::infinity();
    for (const VerdictBand &band : VerdictBands) {
        if (band.word == word)
            return least;
        least = band.reserveBelow;
    }
    throw "no verdict has that word";  // stops the build
}

inline const VerdictBand &verdictBand(double logReserve)
{
    return *std::ranges::find_if(VerdictBands.begin(), VerdictBands.end() - 1,
                                 [logReserve](const VerdictBand &band) { return logReserve < band.reserveBelow; });
}

inline std::string_view verdict(double logReserve)
{
    return verdictBand(logReserve).word;
}
