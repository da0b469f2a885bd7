#pragma once

#include "sky/site.h"

#include <functional>
#include <vector>

// Where a body's altitude crosses given levels within a span. The curve is cut at its
// maxima and minima first, so that each piece is monotone and crosses any level at most
// once: a level reached for only a few minutes near a turning point is found as surely as
// any other.

struct LevelCrossing {
    double days = 0.0;  // within about a second
    bool ascending = false;
};

class AltitudeCurve {
public:
    // altitudeDeg must be smooth, with turning points hours apart, and defined a little
    // beyond both ends of the span.
    AltitudeCurve(std::function<double(double)> altitudeDeg, const TimeSpan &span);

    std::vector<LevelCrossing> crossings(double levelDeg) const;  // in time order
    std::vector<TimeSpan> spansBelow(double levelDeg) const;      // in time order

private:
    struct Sample {
        double days = 0.0;
        double altitudeDeg = 0.0;
    };

    void findTurningPoints();
    Sample turningPointWithin(double fromDays, double toDays, bool maximum) const;
    double crossingWithin(const Sample &from, const Sample &to, double levelDeg) const;

    std::function<double(double)> altitudeDeg_;
    TimeSpan span_;
    std::vector<Sample> pieceEnds_;  // the span's ends and every turning point between
};
