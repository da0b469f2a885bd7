#include "sky/bestmoment.h"

#include "sky/airmass.h"
#include "sky/diurnaltrack.h"
#include "sky/nightsky.h"
#include "sky/parallelranges.h"
#include "sky/reservemodel.h"
#include "sky/siderealtime.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr double MinutesPerDay = 1440.0;
constexpr double RadPerDeg = std::numbers::pi / 180.0;

// The Moon moves across the stars by half a degree an hour, so over a block of minutes an
// object's separation from it changes little and a bound on its reserve stays close.
constexpr int BlockMinutes = 16;

// What a block's bound allows for rounding: in the separation, where the scattering jumps at 10
// degrees, and in the reserve.
constexpr double BoundMarginDeg = 1e-9;
constexpr double BoundMarginLogReserve = 1e-9;

}  // namespace

SessionSeeing::SessionSeeing(const VisibilityQuery &query, const ObserverSky &sky, const Telescope &telescope)
    : query_(query), sky_(sky), telescope_(telescope)
{
    const NightSky night({query.latDeg, query.lonDeg}, query.session);
    const int count = static_cast<int>(std::floor(query.session.lengthDays() * MinutesPerDay + 1e-9)) + 1;
    minutes_.reserve(count);
    for (int minute = 0; minute < count; ++minute) {
        const double days = minuteDays(minute);
        const double siderealRad = localSiderealTimeDeg(days, query.lonDeg) * RadPerDeg;
        const MoonInSky moon{night.moonAltAz(days), night.moonPhaseAngleDeg(days)};
        const double cosSidereal = std::cos(siderealRad);
        const double sinSidereal = std::sin(siderealRad);
        minutes_.push_back({cosSidereal, sinSidereal, moon, moonIlluminanceAtSite(moon, sky.extinctionPerAirmass),
                            equatorialDirection(moon.position, query.latDeg, cosSidereal, sinSidereal)});
    }
}

double SessionSeeing::minuteDays(int minute) const
{
    return query_.session.startDays + minute / MinutesPerDay;
}

// The search for one object. Its altitude at a minute is the list's own, sin h = sin lat sin dec
// + cos lat cos dec cos(sidereal time - ra), with the cosine expanded so that the sidereal time's
// sine and cosine are shared. While the Moon is down the sky at the object, and so its reserve,
// depend on its airmass alone; when the reserve cannot rise with the airmass (see
// ReserveModel::moonlessReserveFallsWithAirmass) only the highest minute of such a stretch needs
// judging. The other minutes go in blocks, each with a bound on the reserve any of its minutes can
// reach (see reserveBound); the blocks are judged minute by minute from the highest bound down,
// until the best reserve found is above every bound left.
class BestMomentSearch {
public:
    BestMomentSearch(const EquatorialPosition &object, const ObjectLight &light, const SessionSeeing &session);

    std::optional<BestMoment> run(const Visibility &visibility);

private:
    struct Candidate {
        int minute;
        double logReserve;
    };
    struct Block {
        int first;
        int last;
        double greatestLogReserve;
    };

    bool judgedByHighestMinute(int minute) const;
    void divideMinutes(int first, int last);
    void searchMoonlessStretch(int first, int last);
    void searchBlocks();
    double reserveBound(int first, int last) const;
    double sinAltitudeAt(int minute) const;
    double cosMoonSeparationAt(int minute) const;
    double logReserveAt(int minute) const;
    void consider(int minute, double logReserve);
    BestMoment describe(int minute) const;

    const EquatorialPosition &object_;
    const ObjectLight &light_;
    const SessionSeeing &session_;
    const std::vector<SessionSeeing::Minute> &minutes_;
    const ReserveModel model_;
    double sinAltitudeBase_;  // sin lat sin dec
    double cosRaSwing_;       // cos lat cos dec cos ra
    double sinRaSwing_;       // cos lat cos dec sin ra
    std::array<double, 3> direction_;
    bool skipsMoonlessMinutes_;
    std::vector<Block> blocks_;
    std::optional<Candidate> best_;
};

BestMomentSearch::BestMomentSearch(const EquatorialPosition &object, const ObjectLight &light,
                                   const SessionSeeing &session)
    : object_(object), light_(light), session_(session), minutes_(session.minutes_),
      model_(light, session.sky(), session.telescope())
{
    const double dec = object.decDeg * RadPerDeg;
    const double ra = object.raDeg * RadPerDeg;
    const double lat = session.query().latDeg * RadPerDeg;
    const double swing = std::cos(lat) * std::cos(dec);
    sinAltitudeBase_ = std::sin(lat) * std::sin(dec);
    cosRaSwing_ = swing * std::cos(ra);
    sinRaSwing_ = swing * std::sin(ra);
    direction_ = {std::cos(dec) * std::cos(ra), std::cos(dec) * std::sin(ra), std::sin(dec)};
    skipsMoonlessMinutes_ = model_.moonlessReserveFallsWithAirmass();
}

std::optional<BestMoment> BestMomentSearch::run(const Visibility &visibility)
{
    const int lastMinute = static_cast<int>(minutes_.size()) - 1;
    for (const TimeSpan &span : visibility.spans) {
        int first = std::clamp(static_cast<int>(std::ceil((span.startDays - session_.minuteDays(0)) * MinutesPerDay)),
                               0, lastMinute + 1);
        while (first > 0 && session_.minuteDays(first - 1) >= span.startDays)
            --first;
        while (first <= lastMinute && session_.minuteDays(first) < span.startDays)
            ++first;
        int last = std::clamp(static_cast<int>(std::floor((span.endDays - session_.minuteDays(0)) * MinutesPerDay)),
                              -1, lastMinute);
        while (last < lastMinute && session_.minuteDays(last + 1) <= span.endDays)
            ++last;
        while (last >= 0 && session_.minuteDays(last) > span.endDays)
            --last;
        divideMinutes(first, last);
    }
    searchBlocks();
    if (!best_)
        return std::nullopt;
    return describe(best_->minute);
}

bool BestMomentSearch::judgedByHighestMinute(int minute) const
{
    return skipsMoonlessMinutes_ && minutes_[minute].moonIlluminanceAtSite <= 0.0;
}

// Minutes in order: the moonless stretches judged at once, the others set aside in blocks.
void BestMomentSearch::divideMinutes(int first, int last)
{
    int minute = first;
    while (minute <= last) {
        const bool byHighest = judgedByHighestMinute(minute);
        const int longest = byHighest ? last : std::min(last, minute + BlockMinutes - 1);
        int end = minute;
        while (end < longest && judgedByHighestMinute(end + 1) == byHighest)
            ++end;
        if (byHighest)
            searchMoonlessStretch(minute, end);
        else
            blocks_.push_back({minute, end, reserveBound(minute, end)});
        minute = end + 1;
    }
}

// The highest minute, the earliest of equals, has the least airmass and so the best reserve.
void BestMomentSearch::searchMoonlessStretch(int first, int last)
{
    int highest = first;
    double highestSin = sinAltitudeAt(first);
    for (int minute = first + 1; minute <= last; ++minute) {
        const double sinAlt = sinAltitudeAt(minute);
        if (sinAlt > highestSin) {
            highest = minute;
            highestSin = sinAlt;
        }
    }
    consider(highest, logReserveAt(highest));
}

// A block whose bound is below the best reserve found holds no better minute, nor an equal one.
void BestMomentSearch::searchBlocks()
{
    std::ranges::sort(blocks_, std::ranges::greater(), &Block::greatestLogReserve);
    for (const Block &block : blocks_) {
        if (best_ && block.greatestLogReserve < best_->logReserve)
            break;
        for (int minute = block.first; minute <= block.last; ++minute)
            consider(minute, logReserveAt(minute));
    }
}

// Over the block's minutes the object's altitude, the Moon's illuminance at the site and, while the
// Moon is up, the object's separation from it each stay within the range of their values at
// those minutes. The sky stays within the range those give (skyNanolambertsRange), the object's
// seen surface brightness above its value at the least airmass, and the reserve below the
// greatest those allow (TelescopeView::greatestReserve). The airmass falls as the altitude's sine
// rises, the separation as its cosine rises; rounding is covered by a margin far above its size
// and far below any difference a reserve shows.
double BestMomentSearch::reserveBound(int first, int last) const
{
    ValueRange sinAltitude;
    ValueRange illuminance;
    ValueRange cosSeparation;
    for (int minute = first; minute <= last; ++minute) {
        sinAltitude.include(sinAltitudeAt(minute));
        illuminance.include(minutes_[minute].moonIlluminanceAtSite);
        if (minutes_[minute].moonIlluminanceAtSite > 0.0)
            cosSeparation.include(cosMoonSeparationAt(minute));
    }
    const ValueRange airmass{airmassFromSinAltitude(sinAltitude.greatest), airmassFromSinAltitude(sinAltitude.least)};
    ValueRange separationDeg{0.0, 0.0};
    if (illuminance.greatest > 0.0) {
        separationDeg = {separationDegFromCos(cosSeparation.greatest) - BoundMarginDeg,
                         separationDegFromCos(cosSeparation.least) + BoundMarginDeg};
    }
    const ValueRange sky = skyNanolambertsRange(model_.zenithNanolamberts(), model_.extinction(), airmass,
                                                illuminance, separationDeg);
    const ValueRange skyMag{magPerArcsec2FromNanolamberts(sky.greatest), magPerArcsec2FromNanolamberts(sky.least)};
    const double leastSeenSurfaceBrightness =
        surfaceBrightnessSeen(model_.surfaceBrightness(), model_.extinction(), airmass.least);
    return model_.view().greatestReserve(leastSeenSurfaceBrightness, skyMag) + BoundMarginLogReserve;
}

double BestMomentSearch::sinAltitudeAt(int minute) const
{
    const SessionSeeing::Minute &at = minutes_[minute];
    return sinAltitudeBase_ + cosRaSwing_ * at.cosSidereal + sinRaSwing_ * at.sinSidereal;
}

double BestMomentSearch::cosMoonSeparationAt(int minute) const
{
    const std::array<double, 3> &moon = minutes_[minute].moonDirection;
    return direction_[0] * moon[0] + direction_[1] * moon[1] + direction_[2] * moon[2];
}

double BestMomentSearch::logReserveAt(int minute) const
{
    return model_.logReserve(sinAltitudeAt(minute), minutes_[minute].moonIlluminanceAtSite, cosMoonSeparationAt(minute));
}

void BestMomentSearch::consider(int minute, double logReserve)
{
    if (!best_ || logReserve > best_->logReserve || (logReserve == best_->logReserve && minute < best_->minute))
        best_ = Candidate{minute, logReserve};
}

// The moment as the list sees it: the object's own altitude and azimuth, the Moon's angle from it.
BestMoment BestMomentSearch::describe(int minute) const
{
    const double days = session_.minuteDays(minute);
    const VisibilityQuery &query = session_.query();
    const AltAz position = DiurnalTrack(object_.raDeg, object_.decDeg, query.latDeg, query.lonDeg).positionAt(days);
    const MoonInSky &moon = minutes_[minute].moon;
    const bool moonUp = minutes_[minute].moonIlluminanceAtSite > 0.0;
    return {minute, days, position, moonUp ? std::optional(separationDeg(position, moon.position)) : std::nullopt,
            seeingAt(light_, position, moon, session_.sky(), session_.telescope())};
}

std::optional<BestMoment> objectBestMoment(const EquatorialPosition &object, const ObjectLight &light,
                                           const Visibility &visibility, const SessionSeeing &session)
{
    return BestMomentSearch(object, light, session).run(visibility);
}

std::vector<std::optional<BestMoment>> catalogBestMoments(std::span<const EquatorialPosition> objects,
                                                          std::span<const std::optional<ObjectLight>> lights,
                                                          std::span<const Visibility> visibilities,
                                                          const SessionSeeing &session)
{
    std::vector<std::optional<BestMoment>> results(objects.size());
    forRangesInParallel(objects.size(), [&](std::size_t begin, std::size_t end) {
        for (std::size_t i = begin; i < end; ++i) {
            if (lights[i])
                results[i] = objectBestMoment(objects[i], *lights[i], visibilities[i], session);
        }
    });
    return results;
}
