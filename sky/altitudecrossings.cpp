#include "sky/altitudecrossings.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace {

// The Sun's and the Moon's turning points are about twelve hours apart, so a sample every
// twenty minutes sees each as a sample higher (or lower) than both its neighbours.
constexpr double SampleStepDays = 1.0 / 72.0;
constexpr double ResolutionDays = 0.5 / 86400.0;
constexpr double InverseGoldenRatio = 0.6180339887498949;

}  // namespace

AltitudeCurve::AltitudeCurve(std::function<double(double)> altitudeDeg, const TimeSpan &span)
    : altitudeDeg_(std::move(altitudeDeg)), span_(span)
{
    findTurningPoints();
}

void AltitudeCurve::findTurningPoints()
{
    // The samples run one step past each end, so that a turning point just inside the span
    // is bracketed like any other.
    const int stepCount = std::max(1, static_cast<int>(std::ceil(span_.lengthDays() / SampleStepDays)));
    const double stepDays = span_.lengthDays() / stepCount;
    std::vector<Sample> samples;
    for (int index = -1; index <= stepCount + 1; ++index) {
        const double days = span_.startDays + index * stepDays;
        samples.push_back({days, altitudeDeg_(days)});
    }

    pieceEnds_.push_back({span_.startDays, samples[1].altitudeDeg});
    for (std::size_t index = 1; index + 1 < samples.size(); ++index) {
        const double riseBefore = samples[index].altitudeDeg - samples[index - 1].altitudeDeg;
        const double riseAfter = samples[index + 1].altitudeDeg - samples[index].altitudeDeg;
        if (riseBefore * riseAfter >= 0.0)
            continue;
        const Sample turn = turningPointWithin(samples[index - 1].days, samples[index + 1].days, riseBefore > 0.0);
        if (turn.days > span_.startDays && turn.days < span_.endDays)
            pieceEnds_.push_back(turn);
    }
    pieceEnds_.push_back({span_.endDays, samples[stepCount + 1].altitudeDeg});
}

// Golden-section search; the bracket holds a single turning point.
AltitudeCurve::Sample AltitudeCurve::turningPointWithin(double fromDays, double toDays, bool maximum) const
{
    const double sign = maximum ? 1.0 : -1.0;
    const auto height = [&](double days) { return sign * altitudeDeg_(days); };
    double lower = fromDays;
    double upper = toDays;
    double left = upper - InverseGoldenRatio * (upper - lower);
    double right = lower + InverseGoldenRatio * (upper - lower);
    double heightLeft = height(left);
    double heightRight = height(right);
    while (upper - lower > ResolutionDays) {
        if (heightLeft > heightRight) {
            upper = right;
            right = left;
            heightRight = heightLeft;
            left = upper - InverseGoldenRatio * (upper - lower);
            heightLeft = height(left);
        } else {
            lower = left;
            left = right;
            heightLeft = heightRight;
            right = lower + InverseGoldenRatio * (upper - lower);
            heightRight = height(right);
        }
    }
    const double days = 0.5 * (lower + upper);
    return {days, altitudeDeg_(days)};
}

// Bisection on a monotone piece whose ends lie on either side of the level.
double AltitudeCurve::crossingWithin(const Sample &from, const Sample &to, double levelDeg) const
{
    const bool belowAtStart = from.altitudeDeg < levelDeg;
    double lower = from.days;
    double upper = to.days;
    while (upper - lower > ResolutionDays) {
        const double middle = 0.5 * (lower + upper);
        if ((altitudeDeg_(middle) < levelDeg) == belowAtStart)
            lower = middle;
        else
            upper = middle;
    }
    return 0.5 * (lower + upper);
}

std::vector<LevelCrossing> AltitudeCurve::crossings(double levelDeg) const
{
    std::vector<LevelCrossing> found;
    for (std::size_t index = 0; index + 1 < pieceEnds_.size(); ++index) {
        const Sample &from = pieceEnds_[index];
        const Sample &to = pieceEnds_[index + 1];
        const bool belowAtStart = from.altitudeDeg < levelDeg;
        if (belowAtStart != (to.altitudeDeg < levelDeg))
            found.push_back({crossingWithin(from, to, levelDeg), belowAtStart});
    }
    return found;
}

std::vector<TimeSpan> AltitudeCurve::spansBelow(double levelDeg) const
{
    std::vector<TimeSpan> spans;
    std::optional<double> belowSinceDays;
    if (pieceEnds_.front().altitudeDeg < levelDeg)
        belowSinceDays = span_.startDays;
    for (const LevelCrossing &crossing : crossings(levelDeg)) {
        if (crossing.ascending)
            spans.push_back({*belowSinceDays, crossing.days});
        else
            belowSinceDays = crossing.days;
    }
    if (pieceEnds_.back().altitudeDeg < levelDeg)
        spans.push_back({*belowSinceDays, span_.endDays});
    return spans;
}
