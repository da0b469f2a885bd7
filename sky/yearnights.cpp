#include "sky/yearnights.h"

#include "sky/angles.h"
#include "sky/diurnaltrack.h"
#include "sky/horizontal.h"
#include "sky/nightevents.h"
#include "sky/parallelranges.h"
#include "sky/verdict.h"

#include <algorithm>
#include <atomic>
#include <cassert>
#include <cmath>
#include <numbers>

namespace {

constexpr double MinutesPerDay = 1440.0;
constexpr double RadPerDeg = std::numbers::pi / 180.0;

// A telescope shows an object from the "difficult" verdict up.
constexpr double LeastShownLogReserve = leastLogReserveOf("difficult");

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

struct MoonSpans {
    std::vector<TimeSpan> down;  // between moonset and moonrise
    std::vector<TimeSpan> up;
};

// From the night's events and the Moon's place at its start.
MoonSpans moonSpans(const NightSky &sky, const NightEvents &events)
{
    std::vector<double> crossings = events.moonrises;
    crossings.insert(crossings.end(), events.moonsets.begin(), events.moonsets.end());
    std::ranges::sort(crossings);
    bool down = sky.moonUpperLimbAltitudeDeg(sky.span().startDays) < MoonriseUpperLimbAltitudeDeg;
    MoonSpans spans;
    double fromDays = sky.span().startDays;
    for (const double days : crossings) {
        (down ? spans.down : spans.up).push_back({fromDays, days});
        fromDays = days;
        down = !down;
    }
    (down ? spans.down : spans.up).push_back({fromDays, sky.span().endDays});
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

double siderealDegAt(const YearNight &night, double days)
{
    return night.siderealDegAtStart + (days - night.night.startDays) * night.siderealDegPerDay;
}

// The Moon's direction moves across the sky by about half a degree an hour, and bends only with
// the daily swing of its parallax, under a degree across: the chord between samples ten minutes
// apart strays from it by at most 1 degree (2 pi 10 / 1436)^2 / 8, a second of arc, which moves a
// moonrise by a fraction of a second and the sky at an object by far less than a reserve shows.
std::vector<MoonSample> moonSamples(const NightSky &sky, const YearNight &night, double latDeg)
{
    const double stepDays = MoonSampleMinutes / MinutesPerDay;
    const int count = int(std::ceil(night.night.lengthDays() / stepDays)) + 1;
    std::vector<MoonSample> samples;
    samples.reserve(count);
    for (int i = 0; i < count; ++i) {
        const double days = night.night.startDays + i * stepDays;
        const double siderealRad = siderealDegAt(night, days) * RadPerDeg;
        samples.push_back({equatorialDirection(sky.moonAltAz(days), latDeg, std::cos(siderealRad), std::sin(siderealRad)),
                           moonIlluminance(sky.moonPhaseAngleDeg(days))});
    }
    return samples;
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
    const MoonSpans moon = moonSpans(sky, events);
    night.darkMoonless = intersection(night.dark, moon.down);
    night.darkMoonUp = intersection(night.dark, moon.up);
    // The sidereal time's rate read off it over a day, as the visibility search reads it.
    const double start = night.night.startDays;
    night.siderealDegAtStart = localSiderealTimeDeg(start, query.site.lonDeg);
    night.siderealDegPerDay =
        360.0 + wrapDeg(localSiderealTimeDeg(start + 1.0, 0.0) - localSiderealTimeDeg(start, 0.0));
    if (query.keepsMoonlight)
        night.moon = moonSamples(sky, night, query.site.latDeg);
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

    // Each stretch of the spans along which the object stands clear, from and to an instant.
    template <typename Visit>
    void forEachStretch(const std::vector<TimeSpan> &spans, const YearNight &night, Visit visit) const;

private:
    template <typename Visit>
    void forEachStretch(const TimeSpan &span, const YearNight &night, Visit visit) const;

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
    forEachStretch(spans, night,
                   [&minutes](double fromDays, double toDays) { minutes += wholeMinutesWithin(fromDays, toDays); });
    return minutes;
}

template <typename Visit>
void ObjectHours::forEachStretch(const std::vector<TimeSpan> &spans, const YearNight &night, Visit visit) const
{
    for (const TimeSpan &span : spans)
        forEachStretch(span, night, visit);
}

// The hour angle grows steadily through the span; each arc comes round once a turn.
template <typename Visit>
void ObjectHours::forEachStretch(const TimeSpan &span, const YearNight &night, Visit visit) const
{
    const double rate = night.siderealDegPerDay;
    const double startHaDeg =
        wrapDeg(night.siderealDegAtStart + (span.startDays - night.night.startDays) * rate - raDeg_);
    const double endHaDeg = startHaDeg + span.lengthDays() * rate;
    // The span's end exactly, so that a minute there is never counted twice.
    const auto instantAt = [&](double haDeg) {
        return haDeg >= endHaDeg ? span.endDays : span.startDays + (haDeg - startHaDeg) / rate;
    };
    for (const HourAngleArc &arc : arcs_) {
        for (double turnDeg = -360.0; arc.fromDeg + turnDeg < endHaDeg; turnDeg += 360.0) {
            const double fromDeg = std::max(arc.fromDeg + turnDeg, startHaDeg);
            const double toDeg = std::min(arc.toDeg + turnDeg, endHaDeg);
            if (toDeg > fromDeg)
                visit(instantAt(fromDeg), instantAt(toDeg));
        }
    }
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
        year.push_back({night.date, hours.minutesWithin(night.dark, night), hours.minutesWithin(night.darkMoonless, night),
                        std::nullopt});
    return year;
}

YearSeeing::YearSeeing(const EquatorialPosition &object, const ObjectLight &light, const ObserverSky &observerSky,
                       const Telescope &telescope, const YearSky &sky)
    : object_(object), sky_(sky), model_(light, observerSky, telescope)
{
    assert(sky.query().keepsMoonlight);
    const double dec = object.decDeg * RadPerDeg;
    const double ra = object.raDeg * RadPerDeg;
    const double lat = sky.query().site.latDeg * RadPerDeg;
    sinLat_ = std::sin(lat);
    cosLat_ = std::cos(lat);
    const double swing = cosLat_ * std::cos(dec);
    sinAltitudeBase_ = sinLat_ * std::sin(dec);
    cosRaSwing_ = swing * std::cos(ra);
    sinRaSwing_ = swing * std::sin(ra);
    direction_ = {std::cos(dec) * std::cos(ra), std::cos(dec) * std::sin(ra), std::sin(dec)};
    if (model_.moonlessReserveFallsWithAirmass())
        leastShownSinAltitude_ = leastShownSinAltitudeWithMoonDown();
}

double YearSeeing::logReserveAt(std::size_t night, double days) const
{
    const YearNight &at = sky_.nights()[night];
    const double siderealRad = siderealDegAt(at, days) * RadPerDeg;
    return logReserve(at, days, std::cos(siderealRad), std::sin(siderealRad));
}

// The altitude's sine as the list has it (see BestMomentSearch), from the sidereal time's cosine and
// sine.
double YearSeeing::sinAltitude(double cosSidereal, double sinSidereal) const
{
    return sinAltitudeBase_ + cosRaSwing_ * cosSidereal + sinRaSwing_ * sinSidereal;
}

// The Moon between the two samples around the instant, its direction brought back to unit length.
double YearSeeing::logReserve(const YearNight &night, double days, double cosSidereal, double sinSidereal) const
{
    const double samplesIn = (days - night.night.startDays) * MinutesPerDay / MoonSampleMinutes;
    const int before = std::clamp(int(std::floor(samplesIn)), 0, int(night.moon.size()) - 2);
    const double after = samplesIn - before;
    const MoonSample &first = night.moon[before];
    const MoonSample &second = night.moon[before + 1];
    std::array<double, 3> moon;
    for (int axis = 0; axis < 3; ++axis)
        moon[axis] = first.direction[axis] + (second.direction[axis] - first.direction[axis]) * after;
    const double length = std::hypot(moon[0], moon[1], moon[2]);
    const double moonSinAltitude =
        (sinLat_ * moon[2] + cosLat_ * (moon[0] * cosSidereal + moon[1] * sinSidereal)) / length;
    const double illuminance =
        first.illuminanceOutsideAir + (second.illuminanceOutsideAir - first.illuminanceOutsideAir) * after;
    const double cosSeparation = (direction_[0] * moon[0] + direction_[1] * moon[1] + direction_[2] * moon[2]) / length;
    return model_.logReserve(sinAltitude(cosSidereal, sinSidereal),
                             moonIlluminanceAtSite(illuminance, moonSinAltitude, model_.extinction()), cosSeparation);
}

// The reserve under a moonless sky never falls as the object rises: halving the range of the
// altitude's sine finds where it reaches the verdict, to the last bit.
double YearSeeing::leastShownSinAltitudeWithMoonDown() const
{
    const auto shown = [this](double sinAltitude) {
        return model_.logReserve(sinAltitude, 0.0, 0.0) >= LeastShownLogReserve;
    };
    if (!shown(1.0))
        return HUGE_VAL;
    if (shown(0.0))
        return -HUGE_VAL;
    double hidden = 0.0;
    double seen = 1.0;
    while (true) {
        const double middle = 0.5 * (hidden + seen);
        if (middle <= hidden || middle >= seen)
            return seen;
        (shown(middle) ? seen : hidden) = middle;
    }
}

bool YearSeeing::shownWithMoonDown(double sinAltitude) const
{
    if (leastShownSinAltitude_)
        return sinAltitude >= *leastShownSinAltitude_;
    return model_.logReserve(sinAltitude, 0.0, 0.0) >= LeastShownLogReserve;
}

// Minute by minute, the sidereal time's cosine and sine turned on by a minute's angle each time.
int YearSeeing::shownMinutes(double fromDays, double toDays, bool moonDown, const YearNight &night) const
{
    const double firstMinute = std::ceil(fromDays * MinutesPerDay);
    const double endMinute = std::ceil(toDays * MinutesPerDay);
    const double stepRad = night.siderealDegPerDay / MinutesPerDay * RadPerDeg;
    const double cosStep = std::cos(stepRad);
    const double sinStep = std::sin(stepRad);
    const double siderealRad = siderealDegAt(night, firstMinute / MinutesPerDay) * RadPerDeg;
    double cosSidereal = std::cos(siderealRad);
    double sinSidereal = std::sin(siderealRad);
    int shown = 0;
    for (double minute = firstMinute; minute < endMinute; ++minute) {
        shown += moonDown ? shownWithMoonDown(sinAltitude(cosSidereal, sinSidereal))
                          : logReserve(night, minute / MinutesPerDay, cosSidereal, sinSidereal) >= LeastShownLogReserve;
        const double cosNext = cosSidereal * cosStep - sinSidereal * sinStep;
        sinSidereal = sinSidereal * cosStep + cosSidereal * sinStep;
        cosSidereal = cosNext;
    }
    return shown;
}

std::vector<NightMinutes> objectYear(const YearSeeing &seeing)
{
    const ObjectHours hours(seeing.object_, seeing.sky_);
    std::vector<NightMinutes> year;
    year.reserve(seeing.sky_.nights().size());
    for (const YearNight &night : seeing.sky_.nights()) {
        int shown = 0;
        for (const bool moonDown : {true, false}) {
            hours.forEachStretch(moonDown ? night.darkMoonless : night.darkMoonUp, night,
                                 [&](double fromDays, double toDays) {
                                     shown += seeing.shownMinutes(fromDays, toDays, moonDown, night);
                                 });
        }
        year.push_back({night.date, hours.minutesWithin(night.dark, night),
                        hours.minutesWithin(night.darkMoonless, night), shown});
    }
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
