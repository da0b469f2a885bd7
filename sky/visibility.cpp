#include "sky/visibility.h"

#include "sky/siderealtime.h"
#include "sky/parallelranges.h"
#include "sky/angles.h"
#include "sky/diurnaltrack.h"

#include <algorithm>

namespace {

constexpr double MinutesPerDay = 1440.0;

// The profile search stops splitting a stretch of time this short and judges it by its middle,
// so an edge lies within half of it.
constexpr double EdgeResolutionDays = 1.0 / 86400.0;

// What every object of one query shares.
struct SharedNight {
    const VisibilityQuery &query;
    std::vector<TimeSpan> darkInSession;  // in time order, none touching the next
    double siderealDegPerDay;
};

std::vector<TimeSpan> darkInSession(const VisibilityQuery &query)
{
    std::vector<TimeSpan> clipped;
    for (const TimeSpan &dark : query.darkSpans) {
        const TimeSpan inside{std::max(dark.startDays, query.session.startDays),
                              std::min(dark.endDays, query.session.endDays)};
        if (inside.lengthDays() > 0.0)
            clipped.push_back(inside);
    }
    std::ranges::sort(clipped, {}, &TimeSpan::startDays);

    std::vector<TimeSpan> merged;
    for (const TimeSpan &span : clipped) {
        if (!merged.empty() && span.startDays <= merged.back().endDays)
            merged.back().endDays = std::max(merged.back().endDays, span.endDays);
        else
            merged.push_back(span);
    }
    return merged;
}

// The rate of the list's own sidereal time, read off it over a day, so that instants found from
// hour angles agree with the positions at those instants.
double siderealDegPerDay(double days)
{
    return 360.0 + wrapDeg(localSiderealTimeDeg(days + 1.0, 0.0) - localSiderealTimeDeg(days, 0.0));
}

SharedNight shareNight(const VisibilityQuery &query)
{
    return {query, darkInSession(query), siderealDegPerDay(query.session.startDays)};
}

bool passesEveryAzimuth(const AzimuthWindow &window)
{
    if (window.mode == AzimuthWindowMode::Inclusive)
        return window.minAzDeg <= 0.0 && window.maxAzDeg >= 360.0;
    return window.minAzDeg >= window.maxAzDeg;
}

// Where an object stands against the horizon over a stretch of time.
enum class Clearance { Clear, Hidden, Unsure };

struct TrackSample {
    double days;
    AltAz position;
    HorizonProfile::Spot horizon;
};

// The search for one object. Between neighbouring instants at which the path breaks (see
// addBreakingHourAngles) or crosses the minimum elevation or an edge of the azimuth window,
// those two tests keep one answer and the altitude and the azimuth each move one way, so the
// horizon can be bounded over each stretch from its ends.
class ObjectSearch {
public:
    ObjectSearch(const EquatorialPosition &object, const SharedNight &night)
        : track_(object.raDeg, object.decDeg, night.query.latDeg, night.query.lonDeg), night_(night),
          query_(night.query)
    {
    }

    Visibility run();

private:
    std::vector<double> instantsAtHourAngles(const std::vector<double> &haDeg, const TimeSpan &span) const;
    void searchDarkSpan(const TimeSpan &dark);
    void searchAgainstProfile(const TrackSample &from, const TrackSample &to);
    Clearance clearance(const TrackSample &from, const TrackSample &to) const;
    TrackSample sampleAt(double days) const;
    void addVisible(double startDays, double endDays);
    std::optional<HighestPoint> highestWhileVisible() const;

    const DiurnalTrack track_;
    const SharedNight &night_;
    const VisibilityQuery &query_;
    std::vector<TimeSpan> spans_;
};

Visibility ObjectSearch::run()
{
    for (const TimeSpan &dark : night_.darkInSession)
        searchDarkSpan(dark);

    double visibleDays = 0.0;
    for (const TimeSpan &span : spans_)
        visibleDays += span.lengthDays();
    return {spans_, visibleDays * MinutesPerDay, highestWhileVisible()};
}

// Each hour angle comes round once a sidereal day.
std::vector<double> ObjectSearch::instantsAtHourAngles(const std::vector<double> &haDeg,
                                                       const TimeSpan &span) const
{
    const double startHaDeg = track_.hourAngleDegAt(span.startDays);
    const double daysPerTurn = 360.0 / night_.siderealDegPerDay;
    std::vector<double> instants;
    for (const double targetDeg : haDeg) {
        for (double days = span.startDays + wrapDeg(targetDeg - startHaDeg) / night_.siderealDegPerDay;
             days < span.endDays; days += daysPerTurn)
            instants.push_back(days);
    }
    return instants;
}

void ObjectSearch::searchDarkSpan(const TimeSpan &dark)
{
    std::vector<double> haDeg;
    track_.addBreakingHourAngles(haDeg);
    track_.addHourAnglesAtAltitude(query_.minElevDeg, haDeg);
    const AzimuthWindow &window = query_.azimuthWindow;
    if (!passesEveryAzimuth(window)) {
        track_.addHourAnglesAtAzimuth(window.minAzDeg, haDeg);
        track_.addHourAnglesAtAzimuth(window.maxAzDeg, haDeg);
    }

    std::vector<double> edges = instantsAtHourAngles(haDeg, dark);
    edges.push_back(dark.startDays);
    edges.push_back(dark.endDays);
    std::ranges::sort(edges);

    for (std::size_t i = 0; i + 1 < edges.size(); ++i) {
        if (edges[i + 1] <= edges[i])
            continue;
        const AltAz middle = track_.positionAt((edges[i] + edges[i + 1]) / 2.0);
        if (middle.Alt < query_.minElevDeg || !azimuthInWindow(middle.Az, window))
            continue;
        if (query_.profile)
            searchAgainstProfile(sampleAt(edges[i]), sampleAt(edges[i + 1]));
        else
            addVisible(edges[i], edges[i + 1]);
    }
}

void ObjectSearch::searchAgainstProfile(const TrackSample &from, const TrackSample &to)
{
    switch (clearance(from, to)) {
    case Clearance::Clear:
        addVisible(from.days, to.days);
        return;
    case Clearance::Hidden:
        return;
    case Clearance::Unsure:
        break;
    }

    const TrackSample middle = sampleAt((from.days + to.days) / 2.0);
    if (to.days - from.days <= EdgeResolutionDays) {
        if (middle.position.Alt >= middle.horizon.altDeg)
            addVisible(from.days, to.days);
        return;
    }
    searchAgainstProfile(from, middle);
    searchAgainstProfile(middle, to);
}

TrackSample ObjectSearch::sampleAt(double days) const
{
    const AltAz position = track_.positionAt(days);
    return {days, position, query_.profile->spotAt(position.Az)};
}

// The stretch is clear when its lowest altitude is above the highest horizon along its azimuths,
// hidden when its highest altitude is below the lowest. The whole horizon's extremes settle most
// stretches without a look along the arc.
Clearance ObjectSearch::clearance(const TrackSample &from, const TrackSample &to) const
{
    const double lowDeg = std::min(from.position.Alt, to.position.Alt);
    const double highDeg = std::max(from.position.Alt, to.position.Alt);
    const HorizonProfile &profile = *query_.profile;
    if (lowDeg >= profile.maxAltitudeDeg())
        return Clearance::Clear;
    if (highDeg < profile.minAltitudeDeg())
        return Clearance::Hidden;

    // The azimuth moves one way over a stretch and by less than half a turn, so it sweeps the
    // shorter arc.
    const AltitudeRange horizon = wrapDeg(to.position.Az - from.position.Az) < 180.0
                                      ? profile.altitudeRangeDeg(from.horizon, to.horizon)
                                      : profile.altitudeRangeDeg(to.horizon, from.horizon);
    if (lowDeg >= horizon.maxDeg)
        return Clearance::Clear;
    if (highDeg < horizon.minDeg)
        return Clearance::Hidden;
    return Clearance::Unsure;
}

// Stretches arrive in time order; one that continues the last span extends it.
void ObjectSearch::addVisible(double startDays, double endDays)
{
    if (!spans_.empty() && spans_.back().endDays >= startDays)
        spans_.back().endDays = endDays;
    else
        spans_.push_back({startDays, endDays});
}

// The altitude peaks at the upper culmination, so the highest point of a span is there or at
// one of its ends.
std::optional<HighestPoint> ObjectSearch::highestWhileVisible() const
{
    std::optional<HighestPoint> highest;
    for (const TimeSpan &span : spans_) {
        std::vector<double> candidates = instantsAtHourAngles({0.0}, span);
        candidates.push_back(span.startDays);
        candidates.push_back(span.endDays);
        for (const double days : candidates) {
            const double altDeg = track_.positionAt(days).Alt;
            if (!highest || altDeg > highest->altDeg)
                highest = HighestPoint{days, altDeg};
        }
    }
    return highest;
}

}  // namespace

Visibility objectVisibility(const EquatorialPosition &object, const VisibilityQuery &query)
{
    return ObjectSearch(object, shareNight(query)).run();
}

std::vector<Visibility> catalogVisibility(std::span<const EquatorialPosition> objects,
                                          const VisibilityQuery &query)
{
    const SharedNight night = shareNight(query);
    std::vector<Visibility> results(objects.size());
    forRangesInParallel(objects.size(), [&](std::size_t begin, std::size_t end) {
        for (std::size_t i = begin; i < end; ++i)
            results[i] = ObjectSearch(objects[i], night).run();
    });
    return results;
}
