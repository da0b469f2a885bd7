#pragma once

#include "sky/seeing.h"
#include "sky/visibility.h"

#include <array>
#include <optional>
#include <span>
#include <vector>

// The moment of a session at which an object shows best: of the whole minutes from the session's
// start at which the object is visible (see visibility.h), the one with the highest contrast
// reserve, the earliest of equals. Twilight's own light is not part of the sky's brightness: the
// darkness asked for decides which minutes count.

// The session's whole minutes and what every object shares at each: the sidereal time, the
// Moon's place and its light.
class SessionSeeing {
public:
    SessionSeeing(const VisibilityQuery &query, const ObserverSky &sky, const Telescope &telescope);

    int minuteCount() const { return static_cast<int>(minutes_.size()); }
    double minuteDays(int minute) const;
    const MoonInSky &moonAt(int minute) const { return minutes_[minute].moon; }

    const VisibilityQuery &query() const { return query_; }
    const ObserverSky &sky() const { return sky_; }
    const Telescope &telescope() const { return telescope_; }

private:
    friend class BestMomentSearch;

    struct Minute {
        double cosSidereal;
        double sinSidereal;
        MoonInSky moon;
        double moonIlluminanceAtSite;   // zero while the Moon is down
        std::array<double, 3> moonDirection;  // unit vector on the sky, the catalog's axes
    };

    VisibilityQuery query_;
    ObserverSky sky_;
    Telescope telescope_;
    std::vector<Minute> minutes_;
};

struct BestMoment {
    int minute = 0;  // whole minutes from the session's start
    double atDays = 0.0;
    AltAz position;
    std::optional<double> moonSeparationDeg;  // none while the Moon is down
    Seeing seeing;
};

// None when the object is never visible at a whole minute.
std::optional<BestMoment> objectBestMoment(const EquatorialPosition &object, const ObjectLight &light,
                                           const Visibility &visibility, const SessionSeeing &session);

// The same for each object of a catalog with its visibility (as catalogVisibility gives it), the
// work shared among the processor's cores. Objects without light get none.
std::vector<std::optional<BestMoment>> catalogBestMoments(std::span<const EquatorialPosition> objects,
                                                          std::span<const std::optional<ObjectLight>> lights,
                                                          std::span<const Visibility> visibilities,
                                                          const SessionSeeing &session);
