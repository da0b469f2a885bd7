#include "sky/horizonprofile.h"

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
    overall_ = pointsRangeDeg(0, knots_.size(), {knots_.front().lowDeg, knots_.front().highDeg});
}

HorizonProfile::Spot HorizonProfile::spotAt(double azDeg) const
{
    if (azDeg >= 360.0)
        azDeg -= 360.0;
    const auto next = std::ranges::upper_bound(knots_, azDeg, {}, &Knot::azDeg);
    const std::size_t pastIndex = next - knots_.begin();
    if (next != knots_.begin() && std::prev(next)->azDeg == azDeg)
        return {azDeg, std::prev(next)->highDeg, pastIndex - 1, pastIndex};

    // The segment across north joins the last knot to the first one, a turn later.
    const bool pastLast = next == knots_.end();
    const bool beforeFirst = next == knots_.begin();
    const Knot &from = beforeFirst ? knots_.back() : *std::prev(next);
    const Knot &to = pastLast ? knots_.front() : *next;
    const double fromAzDeg = beforeFirst ? from.azDeg - 360.0 : from.azDeg;
    const double toAzDeg = pastLast ? to.azDeg + 360.0 : to.azDeg;
    const double fraction = (azDeg - fromAzDeg) / (toAzDeg - fromAzDeg);
    return {azDeg, from.leavingDeg + fraction * (to.arrivingDeg - from.leavingDeg), pastIndex, pastIndex};
}

// Between knots the altitude is linear, so the extremes lie at the ends or at knots.
AltitudeRange HorizonProfile::altitudeRangeDeg(const Spot &from, const Spot &to) const
{
    const AltitudeRange ends{std::min(from.altDeg, to.altDeg), std::max(from.altDeg, to.altDeg)};
    if (from.azDeg <= to.azDeg)
        return pointsRangeDeg(from.firstPointFrom, to.firstPointPast, ends);
    return pointsRangeDeg(0, to.firstPointPast, pointsRangeDeg(from.firstPointFrom, knots_.size(), ends));
}

AltitudeRange HorizonProfile::pointsRangeDeg(std::size_t begin, std::size_t end, AltitudeRange range) const
{
    for (std::size_t i = begin; i < end; ++i)
        range = merged(range, {knots_[i].lowDeg, knots_[i].highDeg});
    return range;
}
