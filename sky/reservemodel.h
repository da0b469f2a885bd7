#pragma once

#include "sky/contrastreserve.h"
#include "sky/skybrightness.h"
#include "sky/surfacebrightness.h"

// One object in the observer's telescope under the observer's sky: its reserve at the best
// magnification as seeingAt works it out, from the three things that change from one instant to
// the next, each in the form a scan over many minutes gets most cheaply: the sine of the object's
// altitude, the Moon's illuminance at the site and the cosine of the object's angle from the Moon.
class ReserveModel {
public:
    ReserveModel(const ObjectLight &light, const ObserverSky &sky, const Telescope &telescope);

    // A zero illuminance is the Moon down; the separation is not used then.
    double logReserve(double sinAltitude, double moonIlluminanceAtSite, double cosMoonSeparation) const;

    // Under a moonless sky the reserve depends on the airmass alone; true when it never rises with
    // the airmass, from the zenith to the horizon.
    bool moonlessReserveFallsWithAirmass() const;

    const TelescopeView &view() const { return view_; }
    double surfaceBrightness() const { return surfaceBrightness_; }
    double zenithNanolamberts() const { return zenithNanolamberts_; }
    double extinction() const { return extinction_; }

private:
    TelescopeView view_;
    double surfaceBrightness_;
    double zenithNanolamberts_;
    double extinction_;
};
