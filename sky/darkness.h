#pragma once

#include "sky/nightevents.h"

#include <array>
#include <optional>
#include <string_view>

// How dark the sky must be for an object to count as visible: the Sun below the level of one
// of the twilights, or no condition at all.
enum class DarknessLevel { None, Civil, Nautical, Astronomical };

inline constexpr std::array<std::string_view, 4> DarknessNames = {"none", "civil", "nautical", "astronomical"};

// The Sun's altitude that the level asks the Sun to be below; none for DarknessLevel::None.
inline std::optional<double> sunLimitDeg(DarknessLevel level)
{
    switch (level) {
    case DarknessLevel::Civil: return CivilTwilightAltitudeDeg;
    case DarknessLevel::Nautical: return NauticalTwilightAltitudeDeg;
    case DarknessLevel::Astronomical: return AstronomicalTwilightAltitudeDeg;
    case DarknessLevel::None: break;
    }
    return std::nullopt;
}

inline std::optional<DarknessLevel> darknessLevelNamed(std::string_view name)
{
    for (std::size_t i = 0; i < DarknessNames.size(); ++i) {
        if (DarknessNames[i] == name)
            return DarknessLevel(i);
    }
    return std::nullopt;
}
