#pragma once

#include "sky/horizontal.h"

#include <vector>

// The daily path of a fixed object across the sky of one place. Its position at an instant is
// the observing list's own, getAltAz of the hour angle from localSiderealTimeDeg, so that the
// two never disagree. Instants are counts of days since J2000.0 in UTC.
class DiurnalTrack {
public:
    DiurnalTrack(double raDeg, double decDeg, double latDeg, double lonDeg);

    double hourAngleDegAt(double days) const;
    AltAz positionAt(double days) const;

    // Each adds the hour angles, within [0, 360), at which the path meets an altitude or an
    // azimuth (or the azimuth opposite): two at most, none when it never does or lies there all day.
    void addHourAnglesAtAltitude(double altDeg, std::vector<double> &haDeg) const;
    void addHourAnglesAtAzimuth(double azDeg, std::vector<double> &haDeg) const;

    // Hour angles that break the day into stretches over each of which the altitude and the
    // azimuth move one way, the azimuth by less than half a turn: the two culminations, the
    // hour angles six hours from them and, for a path that swings to and fro beside a pole,
    // its greatest elongations.
    void addBreakingHourAngles(std::vector<double> &haDeg) const;

private:
    double raDeg_;
    double decDeg_;
    double latDeg_;
    double lonDeg_;
    double sinDec_;
    double cosDec_;
    double sinLat_;
    double cosLat_;
};
