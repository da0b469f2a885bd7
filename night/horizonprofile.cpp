#include "night/horizonprofile.h"

#include <algorithm>
#include <tuple>

namespace {

struct PlacedPoint {
    double azDeg;  // within [0, 360)
    long order;    // which of the points at one azimuth the horizon meets first
    double altDeg;
};

// North reached from the west (360) is placed at 0, before the points given at 0.
std::vector<PlacedPoint> placeAroundNorth(const std::vector<HorizonPoint> &points)
{
    const long count = static_cast<long>(points.size());
    std::vector<PlacedPoint> placed;
    placed.reserve(points.size());
    for (long i = 0; i < count; ++i) {
        const HorizonPoint &point = points[i];
        const bool fromWest = point.azDeg >= 360.0;
        placed.push_back({fromWest ? 0.0 : point.azDeg, fromWest ? i - count : i, point.altDeg});
    }
    std::ranges::sort(placed, {}, [](const PlacedPoint &p) { return std::tie(p.azDeg, p.order); });
    return placed;
}

AltitudeRange merged(const AltitudeRange &a, const AltitudeRange &b)
{
    return {std::min(a.minDeg, b.minDeg), std::max(a.maxDeg, b.maxDeg)};
}

}  // namespace

HorizonProfile::HorizonProfile(std::vector<HorizonPoint> points)
{
    if (points.empty())
        points.push_back({});
    for (const PlacedPoint &point : placeAroundNorth(points)) {
        const double alt = point.altDeg;
        if (knots_.empty() || knots_.back().azDeg != point.azDeg) {
            knots_.push_back({point.azDeg, alt, alt, alt, alt});
            continue;
        }
        Knot &wall = knots_.back();
        wall.leavingDeg = alt;
        wall.lowDeg = std::min(wall.lowDeg, alt);
        wall.highDeg = std::max(wall.highDeg, alt);
    }
    overall_ = {knots_.front().lowDeg, knots_.front().highDeg};
    for (const Knot &knot : knots_)
        overall_ = merged(overall_, {knot.lowDeg, knot.highDeg});
}

double HorizonProfile::altitudeDeg(double azDeg) const
{
    if (azDeg >= 360.0)
        azDeg -= 360.0;
    const auto next = std::ranges::upper_bound(knots_, azDeg, {}, &Knot::azDeg);
    if (next != knots_.begin() && std::prev(next)->azDeg == azDeg)
        return std::prev(next)->highDeg;

    // The segment across north joins the last knot to the first one, a turn later.
    const bool pastLast = next == knots_.end();
    const bool beforeFirst = next == knots_.begin();
    const Knot &from = beforeFirst ? knots_.back() : *std::prev(next);
    const Knot &to = pastLast ? knots_.front() : *next;
    const double fromAzDeg = beforeFirst ? from.azDeg - 360.0 : from.azDeg;
    const double toAzDeg = pastLast ? to.azDeg + 360.0 : to.azDeg;
    const double fraction = (azDeg - fromAzDeg) / (toAzDeg - fromAzDeg);
    return from.leavingDeg + fraction * (to.arrivingDeg - from.leavingDeg);
}

AltitudeRange HorizonProfile::altitudeRangeDeg(double fromAzDeg, double toAzDeg) const
{
    if (fromAzDeg <= toAzDeg)
        return rangeWithinDeg(fromAzDeg, toAzDeg);
    return merged(rangeWithinDeg(fromAzDeg, 360.0), rangeWithinDeg(0.0, toAzDeg));
}

// Between knots the altitude is linear, so the extremes lie at the ends or at knots.
AltitudeRange HorizonProfile::rangeWithinDeg(double fromAzDeg, double toAzDeg) const
{
    const double fromAltDeg = altitudeDeg(fromAzDeg);
    const double toAltDeg = altitudeDeg(toAzDeg);
    AltitudeRange range{std::min(fromAltDeg, toAltDeg), std::max(fromAltDeg, toAltDeg)};
    const auto first = std::ranges::lower_bound(knots_, fromAzDeg, {}, &Knot::azDeg);
    const auto last = std::ranges::upper_bound(first, knots_.end(), toAzDeg, {}, &Knot::azDeg);
    for (auto knot = first; knot != last; ++knot)
        range = merged(range, {knot->lowDeg, knot->highDeg});
    return range;
}
