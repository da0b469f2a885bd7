#pragma once

#include "sky/contrastthreshold.h"
#include "sky/valuerange.h"

#include <vector>

// How far an object's contrast against the sky exceeds what the eye needs to see it, through a
// telescope: R. N. Clark, "Visual Astronomy of the Deep Sky" (Cambridge, 1990), the method
// DeepskyLog's contrast reserve also uses. Contrasts are log10 of (object / sky); a positive
// reserve means the object should be seen.

// The observer's telescope: its aperture and the magnifications its eyepieces give. The planner's
// table of the observer's fields gives the values of a first start.
struct Telescope {
    double apertureMm = 0.0;
    std::vector<double> magnifications;

    friend bool operator==(const Telescope &, const Telescope &) = default;
};

struct Reserve {
    double logReserve = 0.0;
    double magnification = 0.0;  // the one that gives it
};

// One object in one telescope, at each of its magnifications: what stays the same while the
// object and the sky move.
class TelescopeView {
public:
    TelescopeView(double minorArcmin, const Telescope &telescope);

    // The best reserve over the magnifications, the first of equals, for the object's surface
    // brightness as seen through the air and the sky at it, both in magnitudes per square
    // arcsecond. Each magnification: log object contrast C = -0.4 (SB - sky); the background at
    // the eye, S = sky - 5 log10(2.833 D / 25.4) + 5 log10(M) with D in mm, the sky spread over
    // the exit pupil; the object's smallest dimension at the eye, M times its minor axis;
    // reserve = C - log threshold(S, size).
    Reserve best(double seenSurfaceBrightness, double skyMagPerArcsec2) const;

    // No magnification gives a reserve above this while the seen surface brightness is at least
    // leastSeenSurfaceBrightness and the sky within skyMagPerArcsec2.
    double greatestReserve(double leastSeenSurfaceBrightness, const ValueRange &skyMagPerArcsec2) const;

    // How each magnification's threshold may change with the background, in its order.
    std::vector<ThresholdAtSize::SlopeRange> thresholdSlopeRanges() const;

private:
    struct Eyepiece {
        double magnification;
        double backgroundOffsetMag;  // S - sky
        ThresholdAtSize threshold;
    };
    std::vector<Eyepiece> eyepieces_;
};

Reserve bestReserve(double seenSurfaceBrightness, double skyMagPerArcsec2, double minorArcmin,
                    const Telescope &telescope);
