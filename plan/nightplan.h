#pragma once

#include "plan/observinglist.h"
#include "plan/session.h"
#include "plan/sessionvisibility.h"
#include "sky/darkness.h"
#include "sky/nightcurves.h"
#include "sky/nightevents.h"
#include "sky/nightsky.h"

#include <optional>
#include <vector>

// Altitudes across the night of a session, as a chart draws them against local time.
struct NightCurves {
    TimeSpan shown;
    LocalClock clock;  // the hours along the bottom
    std::vector<CurvePoint> sun;      // also shades the twilights
    std::vector<CurvePoint> moon;
    std::vector<CurvePoint> object;   // the object's path, if one is asked for
    std::vector<CurvePoint> horizon;  // the profile's altitude along the object's path, if any
    std::vector<TimeSpan> visible;    // when the object is visible
    std::optional<TimeSpan> session;
    double minElevDeg = 0.0;
};

// The night around a session: the Sun's and the Moon's events of its night, the curves of a
// chart of it, and when each object of the session's list is visible. The Sun and the Moon are
// worked out once for a place and a night, and kept while the sessions that follow stay there.
class NightPlan {
public:
    void setSession(const Session &session);
    const Session &session() const { return m_session; }

    // The night of the session's place and local date.
    const NightEvents &events() const { return m_events; }

    // Every object of the list made for the session, in the list's order: when it stands clear
    // of the profile (none: a flat horizon) while the Sun is below the darkness level.
    std::vector<ListedVisibility> visibility(const ObservingList &list, const HorizonProfile *profile,
                                             DarknessLevel darkness) const;

    // The chart of the night: the Sun, the Moon and the session, with the object's path (none:
    // no object), the profile's altitude along it and its visible spans (none: not listed).
    NightCurves curves(const CatalogObject *object, const Visibility *objectVisibility,
                       const HorizonProfile *profile) const;

private:
    // What the Sun and the Moon depend on.
    struct NightKey {
        double latDeg, lonDeg, gmtDeviationHours;
        int year, month, day;
        friend bool operator==(const NightKey &, const NightKey &) = default;
    };

    Session m_session;
    std::optional<NightKey> m_key;
    std::optional<NightSky> m_sky;
    NightEvents m_events;
};
