#include "sky/nightsky.h"

#include "sky/vectorstate.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

// Six hours between nodes keeps the cubic's error to a few hundredths of an arcsecond; one
// node beyond each end of the span lets instants just outside it through.
constexpr double NodeStepDays = 0.25;

}  // namespace

NightSky::NightSky(const Site &site, const TimeSpan &span)
    : span_((clearUpperVectorState(), span)),
      frame_(frameOfDate(0.5 * (span.startDays + span.endDays))),
      observer_(observerAt(site)),
      firstNodeDays_(span.startDays - NodeStepDays)
{
    const int stepCount = std::max(1, static_cast<int>(std::ceil(span.lengthDays() / NodeStepDays))) + 2;
    nodes_.reserve(stepCount + 1);
    for (int index = 0; index <= stepCount; ++index) {
        const SunAndMoon places = apparentSunAndMoon(firstNodeDays_ + index * NodeStepDays);
        nodes_.push_back({rotate(frame_.gcrsToTrue, places.sun.positionAu),
                          rotate(frame_.gcrsToTrue, places.sun.velocityAuPerDay),
                          rotate(frame_.gcrsToTrue, places.moon.positionAu),
                          rotate(frame_.gcrsToTrue, places.moon.velocityAuPerDay)});
    }
}

AltAz NightSky::sunAltAz(double daysUtc) const
{
    return seen(interpolate(daysUtc, &Node::sunAu, &Node::sunAuPerDay), daysUtc).position;
}

AltAz NightSky::moonAltAz(double daysUtc) const
{
    return seen(interpolate(daysUtc, &Node::moonAu, &Node::moonAuPerDay), daysUtc).position;
}

double NightSky::moonUpperLimbAltitudeDeg(double daysUtc) const
{
    return upperLimbAltitudeDeg(seen(interpolate(daysUtc, &Node::moonAu, &Node::moonAuPerDay), daysUtc));
}

double NightSky::moonPhaseAngleDeg(double daysUtc) const
{
    const Vector3 sun = interpolate(daysUtc, &Node::sunAu, &Node::sunAuPerDay);
    const Vector3 moon = interpolate(daysUtc, &Node::moonAu, &Node::moonAuPerDay);
    const double cosElongation = std::clamp(dot(sun, moon) / (length(sun) * length(moon)), -1.0, 1.0);
    return 180.0 - std::acos(cosElongation) * 180.0 / std::numbers::pi;
}

// Cubic Hermite between the two nodes around the instant.
Vector3 NightSky::interpolate(double daysUtc, Vector3 Node::*position, Vector3 Node::*rate) const
{
    const double nodeOffset = (daysUtc - firstNodeDays_) / NodeStepDays;
    const int lastStart = static_cast<int>(nodes_.size()) - 2;
    const int index = std::clamp(static_cast<int>(std::floor(nodeOffset)), 0, lastStart);
    const Node &before = nodes_[index];
    const Node &after = nodes_[index + 1];

    const double s = nodeOffset - index;
    const double s2 = s * s;
    const double s3 = s2 * s;
    const double weightBefore = 2.0 * s3 - 3.0 * s2 + 1.0;
    const double weightRateBefore = (s3 - 2.0 * s2 + s) * NodeStepDays;
    const double weightAfter = 3.0 * s2 - 2.0 * s3;
    const double weightRateAfter = (s3 - s2) * NodeStepDays;

    Vector3 result;
    for (int axis = 0; axis < 3; ++axis) {
        result[axis] = weightBefore * (before.*position)[axis] + weightRateBefore * (before.*rate)[axis]
                       + weightAfter * (after.*position)[axis] + weightRateAfter * (after.*rate)[axis];
    }
    return result;
}

Topocentric NightSky::seen(const Vector3 &trueOfDateAu, double daysUtc) const
{
    return topocentric(trueOfDateAu, daysUtc, frame_, observer_);
}
