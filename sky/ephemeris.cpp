#include "sky/ephemeris.h"

#include "sky/apparentplaces.h"

namespace {

Topocentric seenAt(const Vector3 &gcrsAu, double daysUtc, const Site &site)
{
    const FrameOfDate frame = frameOfDate(daysUtc);
    return topocentric(rotate(frame.gcrsToTrue, gcrsAu), daysUtc, frame, observerAt(site));
}

}  // namespace

AltAz sunAltAz(double daysUtc, const Site &site)
{
    return seenAt(apparentSunAndMoon(daysUtc).sun.positionAu, daysUtc, site).position;
}

AltAz moonAltAz(double daysUtc, const Site &site)
{
    return seenAt(apparentSunAndMoon(daysUtc).moon.positionAu, daysUtc, site).position;
}

double moonUpperLimbAltitudeDeg(double daysUtc, const Site &site)
{
    return upperLimbAltitudeDeg(seenAt(apparentSunAndMoon(daysUtc).moon.positionAu, daysUtc, site));
}
