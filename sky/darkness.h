#pragma once

#include "sky/nightevents.h"

#include <algorithm>
#include <array>
#include <optional>
#include <string_view>

// How dark the sky must be for an object to count as visible: the Sun below the level of one
// of the twilights, or no condition at all.
enum class DarknessLevel { None, Civil, Nautical, Astronomical };

struct DarknessEntry {
    DarknessLevel level;
    std::string_view name;              // the command line's word
    std::optional<double> sunLimitDeg;  // the Sun's altitude it must be below; none: no limit
    std::string_view caption;           // as the Night window offers it
};

// One row a level, from the lightest sky to the darkest: names, limits and captions are
// written here only.
inline constexpr std::array<DarknessEntry, 4> DarknessLevels = {{
    {DarknessLevel::None, "none", std::nullopt, "No darkness needed"},
    {DarknessLevel::Civil, "civil", CivilTwilightAltitudeDeg, "Civil darkness"},
    {DarknessLevel::Nautical, "nautical", NauticalTwilightAltitudeDeg, "Nautical darkness"},
    {DarknessLevel::Astronomical, "astronomical", AstronomicalTwilightAltitudeDeg, "Astronomical darkness"},
}};

// What is asked for until the observer chooses another level.
inline constexpr DarknessLevel DefaultDarkness = DarknessLevel::Astronomical;

inline const DarknessEntry &darknessEntry(DarknessLevel level)
{
    return *std::ranges::find(DarknessLevels, level, &DarknessEntry::level);
}

inline std::optional<double> sunLimitDeg(DarknessLevel level)
{
    return darknessEntry(level).sunLimitDeg;
}

inline std::optional<DarknessLevel> darknessLevelNamed(std::string_view name)
{
    const auto entry = std::ranges::find(DarknessLevels, name, &DarknessEntry::name);
    return entry == DarknessLevels.end() ? std::nullopt : std::optional(entry->level);
}
