#include "ui/year/yearmap.h"

#include "sky/diurnaltrack.h"
#include "sky/moonphase.h"
#include "sky/nightevents.h"
#include "sky/yearnightvisibility.h"

#include <algorithm>

namespace {

constexpr double MinutesPerDay = 1440.0;

bool within(const std::vector<TimeSpan> &spans, double days)
{
    return std::ranges::any_of(spans, [days](const TimeSpan &span) { return span.startDays <= days && days < span.endDays; });
}

// Local noon before the night, from which the evening's hours count.
double noonBefore(const YearQuery &query, const CalendarDate &date)
{
    return nightOf(date, query.gmtDeviationHoursOn(date)).startDays;
}

}  // namespace

// Full Moon on the night whose midnight is more lit than both its neighbours', new Moon on the
// one less lit; the neighbours of the year's first and last nights lie outside it.
std::vector<MoonMark> yearMoonMarks(const YearSky &sky)
{
    const auto &yearNights = sky.nights();
    std::vector<MoonMark> marks(yearNights.size(), MoonMark::None);
    std::vector<double> lit;  // one night before the year, every night, one after
    const auto midnight = [&](std::size_t night) { return noonBefore(sky.query(), yearNights[night].date) + 0.5; };
    lit.push_back(moonIlluminatedFraction(midnight(0) - 1.0));
    for (std::size_t night = 0; night < yearNights.size(); ++night)
        lit.push_back(moonIlluminatedFraction(midnight(night)));
    lit.push_back(moonIlluminatedFraction(midnight(yearNights.size() - 1) + 1.0));
    for (std::size_t night = 0; night < marks.size(); ++night) {
        const double before = lit[night], now = lit[night + 1], after = lit[night + 2];
        if (now > before && now >= after)
            marks[night] = MoonMark::Full;
        else if (now < before && now <= after)
            marks[night] = MoonMark::New;
    }
    return marks;
}

namespace {

void addCells(std::vector<YearMapCell> &cells, const EquatorialPosition &object, const YearSky &sky,
              std::size_t nightIndex, const YearSeeing *seeing)
{
    const YearNight &night = sky.nights()[nightIndex];
    const YearQuery &query = sky.query();
    const Visibility visibility = objectNightVisibility(object, sky, night);
    const DiurnalTrack track(object.raDeg, object.decDeg, query.site.latDeg, query.site.lonDeg);
    const double eveningDays = noonBefore(query, night.date) + (YearMap::EveningHour - 12) / 24.0;
    for (int index = 0; index < YearMap::CellsPerNight; ++index) {
        const double days = eveningDays + (index + 0.5) * YearMap::MinutesPerCell / MinutesPerDay;
        YearMapCell cell{within(night.dark, days)};
        if (within(visibility.spans, days)) {
            cell.altitudeDeg = float(track.positionAt(days).Alt);
            if (seeing)
                cell.logReserve = float(seeing->logReserveAt(nightIndex, days));
        }
        cells.push_back(cell);
    }
}

}  // namespace

YearMap objectYearMap(const EquatorialPosition &object, const YearSky &sky, std::span<const MoonMark> moons,
                      const YearSeeing *seeing)
{
    YearMap map;
    for (const NightMinutes &night : seeing ? objectYear(*seeing) : objectYear(object, sky))
        map.nights.push_back({night.date, night.visibleMinutes, night.moonlessMinutes, night.shownMinutes,
                              moons[map.nights.size()]});
    map.cells.reserve(sky.nights().size() * std::size_t(YearMap::CellsPerNight));
    for (std::size_t night = 0; night < sky.nights().size(); ++night)
        addCells(map.cells, object, sky, night, seeing);
    return map;
}
