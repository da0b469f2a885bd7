#pragma once

#include "sky/horizontal.h"
#include "sky/site.h"

// The Sun and the Moon at a single instant, computed in full by ERFA. For many instants of
// one night NightSky gives the same places far more cheaply.

AltAz sunAltAz(double daysUtc, const Site &site);   // centre, no refraction
AltAz moonAltAz(double daysUtc, const Site &site);  // centre, topocentric, no refraction
double moonUpperLimbAltitudeDeg(double daysUtc, const Site &site);
