#pragma once

#include <cstddef>
#include <vector>

// The observer's own horizon: trees, houses, hills, as the altitude (degrees) of its top edge
// at each azimuth (degrees from north through east).

struct HorizonPoint {
    double azDeg = 0.0;   // 0 to 360; 0 and 360 are both north
    double altDeg = 0.0;  // -90 to 90
};

struct AltitudeRange {
    double minDeg = 0.0;
    double maxDeg = 0.0;
};

// Between its points, in any order, the horizon's altitude runs linearly in azimuth, across north
// too: the last point by azimuth joins the first. One point makes a constant altitude, no point
// a flat horizon at 0 degrees.
//
// Points that share an azimuth make a vertical step, a wall: the horizon arrives at the first of
// them (in the order given) and leaves from the last, and at that azimuth itself the top of the
// wall holds, so that an object exactly in line with the wall's edge counts as hidden. A point at
// 360 is north reached from the west, so it comes before any point at 0 in that order.
class HorizonProfile {
public:
    HorizonProfile() : HorizonProfile(std::vector<HorizonPoint>{}) {}
    explicit HorizonProfile(std::vector<HorizonPoint> points);

    // An azimuth within [0, 360] with the horizon's altitude there and its place among the
    // profile's points, so that the range between two spots needs no search.
    struct Spot {
        double azDeg = 0.0;
        double altDeg = 0.0;
        std::size_t firstPointFrom = 0;  // of those at or after azDeg (0 and 360 being 0)
        std::size_t firstPointPast = 0;  // of those after it
    };
    Spot spotAt(double azDeg) const;
    double altitudeDeg(double azDeg) const { return spotAt(azDeg).altDeg; }

    double minAltitudeDeg() const { return overall_.minDeg; }
    double maxAltitudeDeg() const { return overall_.maxDeg; }

    // The lowest and highest altitude over the arc from one spot eastward to another, through
    // north when the second has the smaller azimuth. A wall at either end counts whole.
    AltitudeRange altitudeRangeDeg(const Spot &from, const Spot &to) const;

private:
    // One azimuth of the profile with every point given there.
    struct Knot {
        double azDeg;        // within [0, 360)
        double arrivingDeg;  // the altitude approached from smaller azimuths
        double leavingDeg;   // the altitude left towards larger azimuths
        double lowDeg;
        double highDeg;      // also the altitude at azDeg itself
    };

    AltitudeRange pointsRangeDeg(std::size_t begin, std::size_t end, AltitudeRange range) const;

    std::vector<Knot> knots_;  // by azimuth, never empty
    AltitudeRange overall_;
};
