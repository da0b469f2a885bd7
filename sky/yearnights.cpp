#include "sky/yearnights.h"

#include "sky/angles.h"
#include "sky/diurnaltrack.h"
#include "sky/nightevents.h"
#include "sky/parallelranges.h"

#include <algorithm>
#include <atomic>
#include <cmath>

namespace {

constexpr double MinutesPerDay = 1440.0;

// A night takes as long as a few thousand objects' years: two nights are worth a thread.
constexpr std::size_t NightsPerThread = 2;
// Objects done between reports of progress.
constexpr std::size_t ObjectsPerReport = 256;

int daysInMonth(int year, int month)
{
    constexpr int Days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return Days[month - 1] + (month == 2 && leap ? 1 : 0);
}

std::vector<CalendarDate> datesOfYear(int year)
{
    std::vector<CalendarDate> dates;
    for (int month = 1; month <= 12; ++month) {
        for (int day = 1; day <= daysInMonth(year, month); ++day)
            dates.push_back({year, month, day});
    }
    return dates;
}

// The clock's whole minutes within [startDays, endDays): whole minutes of UTC are whole minutes
// from J2000.0, which is 12:00 UTC.
int wholeMinutesWithin(double startDays, double endDays)
{
    return std::max(0, int(std::ceil(endDays * MinutesPerDay) - std::ceil(startDays * MinutesPerDay)));
}

// Sunset to sunrise, or the whole noon-to-noon night where the Sun does not set or rise in it.
TimeSpan sunsetToSunrise(const NightEvents &events)
{
    if (!events.sunset || !events.sunrise || *events.sunrise <= *events.sunset)
        return events.night;
    return {*events.sunset, *events.sunrise};
}

std::vector<TimeSpan> clipped(const std::vector<TimeSpan> &spans, const TimeSpan &within)
{
    std::vector<TimeSpan> inside;
    for (const TimeSpan &span : spans) {
        const TimeSpan part{std::max(span.startDays, within.startDays), std::min(span.endDays, within.endDays)};
        if (part.lengthDays() > 0.0)
            inside.push_back(part);
    }
    return inside;
}

// Between moonset and moonrise, from the night's events and the Moon's place at its start.
std::vector<TimeSpan> moonDown(const NightSky &sky, const NightEvents &events)
{
    std::vector<double> crossings = events.moonrises;
    crossings.insert(crossings.end(), events.moonsets.begin(), events.moonsets.end());
    std::ranges::sort(crossings);
    bool down = sky.moonUpperLimbAltitudeDeg(sky.span().startDays) < MoonriseUpperLimbAltitudeDeg;
    std::vector<TimeSpan> spans;
    double fromDays = sky.span().startDays;
    for (const double days : crossings) {
        if (down)
            spans.push_back({fromDays, days});
        fromDays = days;
        down = !down;
    }
    if (down)
        spans.push_back({fromDays, sky.span().endDays});
    return spans;
}

// Both spans' parts in common, each list in time order.
std::vector<TimeSpan> intersection(const std::vector<TimeSpan> &a, const std::vector<TimeSpan> &b)
{
    std::vector<TimeSpan> common;
    for (const TimeSpan &first : a) {
        const std::vector<TimeSpan> parts = clipped(b, first);
        common.insert(common.end(), parts.begin(), parts.end());
    }
    return common;
}

YearNight yearNight(const YearQuery &query, const CalendarDate &date)
{
    const NightSky sky(query.site, nightOf(date, query.gmtDeviationHoursOn(date)));
    const NightEvents events = nightEvents(sky);
    YearNight night;
    night.date = date;
    night.night = sunsetToSunrise(events);
    const auto sunLimit = sunLimitDeg(query.darkness);
    night.dark = sunLimit ? clipped(sunBelow(sky, *sunLimit), night.night) : std::vector{night.night};
    night.darkMoonless = intersection(night.dark, moonDown(sky, events));
    // The sidereal time's rate read off it over a day, as the visibility search reads it.
    const double start = night.night.startDays;
    night.siderealDegAtStart = localSiderealTimeDeg(start, query.site.lonDeg);
    night.siderealDegPerDay =
        360.0 + wrapDeg(localSiderealTimeDeg(start + 1.0, 0.0) - localSiderealTimeDeg(start, 0.0));
    return night;
}

// An arc of hour angles, fromDeg within [0, 360) and toDeg above it by at most a turn.
struct HourAngleArc {
    double fromDeg;
    double toDeg;
};

// A fixed object's altitude and azimuth depend on its hour angle alone, so where it stands clear
// of the horizon, the minimum elevation and the azimuth window is a set of hour angles, the same
// every night: the visibility search over one sidereal day without darkness finds it.
class ObjectHours {
public:
    ObjectHours(const EquatorialPosition &object, const YearSky &sky);

    // The clock's whole minutes of the spans at which the object stands clear.
    int minutesWithin(const std::vector<TimeSpan> &spans, const YearNight &night) const;

private:
    int minutesWithin(const TimeSpan &span, const YearNight &night) const;

    double raDeg_;
    std::vector<HourAngleArc> arcs_;
};

ObjectHours::ObjectHours(const EquatorialPosition &object, const YearSky &sky) : raDeg_(object.raDeg)
{
    const YearQuery &query = sky.query();
    const YearNight &first = sky.nights().front();
    const TimeSpan day{first.night.startDays, first.night.startDays + 360.0 / first.siderealDegPerDay};
    const VisibilityQuery where{query.site.latDeg, query.site.lonDeg, day, query.minElevDeg, query.profile,
                                query.azimuthWindow, {day}};
    const DiurnalTrack track(object.raDeg, object.decDeg, query.site.latDeg, query.site.lonDeg);
    const double startHaDeg = track.hourAngleDegAt(day.startDays);
    for (const TimeSpan &span : objectVisibility(object, where).spans) {
        const double fromDeg = startHaDeg + (span.startDays - day.startDays) * first.siderealDegPerDay;
        const double toDeg = startHaDeg + (span.endDays - day.startDays) * first.siderealDegPerDay;
        arcs_.push_back({wrapDeg(fromDeg), wrapDeg(fromDeg) + (toDeg - fromDeg)});
    }
}

int ObjectHours::minutesWithin(const std::vector<TimeSpan> &spans, const YearNight &night) const
{
    int minutes = 0;
    for (const TimeSpan &span : spans)
        minutes += minutesWithin(span, night);
    return minutes;
}

// The hour angle grows steadily through the span; each arc comes round once a turn.
int ObjectHours::minutesWithin(const TimeSpan &span, const YearNight &night) const
{
    const double rate = night.siderealDegPerDay;
    const double startHaDeg =
        wrapDeg(night.siderealDegAtStart + (span.startDays - night.night.startDays) * rate - raDeg_);
    const double endHaDeg = startHaDeg + span.lengthDays() * rate;
    // The span's end exactly, so that a minute there is never counted twice.
    const auto instantAt = [&](double haDeg) {
        return haDeg >= endHaDeg ? span.endDays : span.startDays + (haDeg - startHaDeg) / rate;
    };
    int minutes = 0;
    for (const HourAngleArc &arc : arcs_) {
        for (double turnDeg = -360.0; arc.fromDeg + turnDeg < endHaDeg; turnDeg += 360.0) {
            const double fromDeg = std::max(arc.fromDeg + turnDeg, startHaDeg);
            const double toDeg = std::min(arc.toDeg + turnDeg, endHaDeg);
            if (toDeg > fromDeg)
                minutes += wholeMinutesWithin(instantAt(fromDeg), instantAt(toDeg));
        }
    }
    return minutes;
}

}  // namespace

YearSky::YearSky(YearQuery query) : query_(std::move(query))
{
    const std::vector<CalendarDate> dates = datesOfYear(query_.year);
    nights_.resize(dates.size());
    forRangesInParallel(
        dates.size(),
        [&](std::size_t begin, std::size_t end) {
            for (std::size_t i = begin; i < end; ++i)
                nights_[i] = yearNight(query_, dates[i]);
        },
        NightsPerThread);
}

std::vector<NightMinutes> objectYear(const EquatorialPosition &object, const YearSky &sky)
{
    const ObjectHours hours(object, sky);
    std::vector<NightMinutes> year;
    year.reserve(sky.nights().size());
    for (const YearNight &night : sky.nights())
        year.push_back({night.date, hours.minutesWithin(night.dark, night), hours.minutesWithin(night.darkMoonless, night)});
    return year;
}

BestNight objectBestNight(const EquatorialPosition &object, const YearSky &sky)
{
    const ObjectHours hours(object, sky);
    BestNight best{sky.nights().front().date, -1};
    for (const YearNight &night : sky.nights()) {
        const int minutes = hours.minutesWithin(night.darkMoonless, night);
        if (minutes > best.moonlessMinutes)
            best = {night.date, minutes};
    }
    return best;
}

std::optional<std::vector<BestNight>> catalogBestNights(std::span<const EquatorialPosition> objects,
                                                        const YearSky &sky, const YearProgress &progress)
{
    std::vector<BestNight> best(objects.size());
    std::atomic<std::size_t> done = 0;
    std::atomic<bool> stopped = false;
    forRangesInParallel(objects.size(), [&](std::size_t begin, std::size_t end) {
        for (std::size_t first = begin; first < end && !stopped; first += ObjectsPerReport) {
            const std::size_t last = std::min(end, first + ObjectsPerReport);
            for (std::size_t i = first; i < last; ++i)
                best[i] = objectBestNight(objects[i], sky);
            const std::size_t doneNow = done += last - first;
            if (progress && !progress(doneNow, objects.size()))
                stopped = true;
        }
    });
    if (stopped)
        return std::nullopt;
    return best;
}
