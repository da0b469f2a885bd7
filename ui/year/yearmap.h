#pragma once

#include "sky/yearnights.h"

#include <cmath>
#include <optional>
#include <span>
#include <vector>

// One object's year as the heat map draws it: each night's figures and Moon, and through the
// hours from the evening to the next morning of the observer's clock, a cell every few minutes
// that tells whether the sky is dark and, where the object is visible, how high it stands and,
// judged with the observer's telescope, its reserve.

enum class MoonMark { None, Full, New };

struct YearMapNight {
    CalendarDate date;
    int visibleMinutes = 0;
    int moonlessMinutes = 0;
    std::optional<int> shownMinutes;  // "difficult" or better; none when not judged
    MoonMark moon = MoonMark::None;  // the night nearest full or new Moon
};

struct YearMapCell {
    bool dark = false;
    float altitudeDeg = NAN;  // NaN: the object is not visible
    float logReserve = NAN;   // NaN: not visible, or not judged
};

struct YearMap {
    static constexpr int EveningHour = 16;  // local time of the first cell
    static constexpr int Hours = 16;        // to 08:00 the next morning
    static constexpr int MinutesPerCell = 5;
    static constexpr int CellsPerNight = Hours * 60 / MinutesPerCell;

    std::vector<YearMapNight> nights;  // from January 1 to December 31
    std::vector<YearMapCell> cells;    // night after night, CellsPerNight each, evening first

    // Whether the telescope judged the object: every night has its shown minutes then.
    bool judged() const { return !nights.empty() && nights.front().shownMinutes.has_value(); }

    const YearMapCell &cell(std::size_t night, int index) const
    {
        return cells[night * std::size_t(CellsPerNight) + std::size_t(index)];
    }
};

// The Moon's mark of each night of the sky's year, the same for every object.
std::vector<MoonMark> yearMoonMarks(const YearSky &sky);

// Each cell is judged at its middle; the nights' Moons are the sky's yearMoonMarks. With the
// object's seeing, made on the same sky, the cells where it is visible also have its reserve.
YearMap objectYearMap(const EquatorialPosition &object, const YearSky &sky, std::span<const MoonMark> moons,
                      const YearSeeing *seeing = nullptr);
