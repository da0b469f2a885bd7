#pragma once

#include "sky/horizontal.h"
#include "sky/apparentplaces.h"
#include "sky/site.h"

#include <vector>

// The Sun and the Moon over one span of time, seen from one site, cheap enough to draw a
// curve of a few hundred points each time a window repaints. ERFA gives the places at
// nodes a few hours apart; between them the positions are interpolated from their values
// and rates, which stays within a tenth of an arcsecond of the full computation.
// Instants are days since J2000.0 UTC and should lie within the span (an hour outside
// still holds).
class NightSky {
public:
    NightSky(const Site &site, const TimeSpan &span);

    const TimeSpan &span() const { return span_; }

    AltAz sunAltAz(double daysUtc) const;   // centre, no refraction
    AltAz moonAltAz(double daysUtc) const;  // centre, topocentric, no refraction
    double moonUpperLimbAltitudeDeg(double daysUtc) const;
    // 180 degrees less the angle between the Sun and the Moon seen from the centre of the Earth:
    // 0 at full Moon, 180 at new.
    double moonPhaseAngleDeg(double daysUtc) const;

private:
    struct Node {
        Vector3 sunAu;  // geocentric, true equator and equinox of date
        Vector3 sunAuPerDay;
        Vector3 moonAu;
        Vector3 moonAuPerDay;
    };

    Vector3 interpolate(double daysUtc, Vector3 Node::*position, Vector3 Node::*rate) const;
    Topocentric seen(const Vector3 &trueOfDateAu, double daysUtc) const;

    TimeSpan span_;
    FrameOfDate frame_;
    Observer observer_;
    double firstNodeDays_ = 0.0;
    std::vector<Node> nodes_;
};
