#include "sky/diurnaltrack.h"

#include "sky/siderealtime.h"
#include "sky/angles.h"

#include <cmath>
#include <numbers>

namespace {

constexpr double RadPerDeg = std::numbers::pi / 180.0;

// A coefficient below this counts as zero: the path is then a point (a pole) or a circle about
// the zenith (an observer at a pole), and lies at one altitude or azimuth all day.
constexpr double NegligibleCoefficient = 1e-12;

// The hour angles centreDeg - w and centreDeg + w whose offset w has the cosine given, if any.
void addPairAbout(double centreDeg, double cosOffset, std::vector<double> &haDeg)
{
    if (std::abs(cosOffset) > 1.0)
        return;
    const double offsetDeg = std::acos(cosOffset) / RadPerDeg;
    haDeg.push_back(wrapDeg(centreDeg - offsetDeg));
    haDeg.push_back(wrapDeg(centreDeg + offsetDeg));
}

}  // namespace

DiurnalTrack::DiurnalTrack(double raDeg, double decDeg, double latDeg, double lonDeg)
    : raDeg_(raDeg), decDeg_(decDeg), latDeg_(latDeg), lonDeg_(lonDeg),
      sinDec_(std::sin(decDeg * RadPerDeg)), cosDec_(std::cos(decDeg * RadPerDeg)),
      sinLat_(std::sin(latDeg * RadPerDeg)), cosLat_(std::cos(latDeg * RadPerDeg))
{
}

double DiurnalTrack::hourAngleDegAt(double days) const
{
    return hourAngleDeg(localSiderealTimeDeg(days, lonDeg_), raDeg_);
}

AltAz DiurnalTrack::positionAt(double days) const
{
    return getAltAz(hourAngleDegAt(days), decDeg_, latDeg_);
}

// sin alt = sin dec sin lat + cos lat cos dec cos H
void DiurnalTrack::addHourAnglesAtAltitude(double altDeg, std::vector<double> &haDeg) const
{
    const double swing = cosLat_ * cosDec_;
    if (std::abs(swing) < NegligibleCoefficient)
        return;
    addPairAbout(0.0, (std::sin(altDeg * RadPerDeg) - sinDec_ * sinLat_) / swing, haDeg);
}

// With the azimuth A from north through east, sin A cos alt = -cos dec sin H and
// cos A cos alt = sin dec cos lat - cos dec sin lat cos H. Eliminating alt leaves
// a cos H + b sin H = c, which also holds where the azimuth is A + 180: such an hour angle only
// splits a stretch once more.
void DiurnalTrack::addHourAnglesAtAzimuth(double azDeg, std::vector<double> &haDeg) const
{
    const double sinAz = std::sin(azDeg * RadPerDeg);
    const double cosAz = std::cos(azDeg * RadPerDeg);
    const double a = -sinAz * cosDec_ * sinLat_;
    const double b = cosAz * cosDec_;
    const double c = -sinAz * sinDec_ * cosLat_;
    const double amplitude = std::hypot(a, b);
    if (amplitude < NegligibleCoefficient)
        return;

    addPairAbout(std::atan2(b, a) / RadPerDeg, c / amplitude, haDeg);
}

// From a culmination to the next the azimuth runs from the meridian to the meridian, half a
// turn at most; six hours on it has not yet come round. It turns back where the path runs
// straight up or down, the parallactic angle being 90 degrees: cos H = tan lat / tan dec.
void DiurnalTrack::addBreakingHourAngles(std::vector<double> &haDeg) const
{
    haDeg.insert(haDeg.end(), {0.0, 90.0, 180.0, 270.0});
    const double denominator = cosLat_ * sinDec_;
    if (std::abs(denominator) >= NegligibleCoefficient)
        addPairAbout(0.0, sinLat_ * cosDec_ / denominator, haDeg);
}
