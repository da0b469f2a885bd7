#pragma once

#include "plan/session.h"
#include "sky/horizonprofile.h"
#include "sky/yearnights.h"
#include "ui/year/yearmap.h"

#include <optional>

// The year's Sun and Moon for a session's place, and the nights of full and new Moon, worked out
// once (it takes a good part of a second) and kept for every object and every later list of the same place, year and horizon.
// It keeps its own copy of the horizon, which its query points to, so that it can be read on
// other threads while the planner loads another.
class PlacedYearSky {
public:
    // What the year's sky depends on: the horizon is known by its file, a file loaded anew being
    // a new list anyway. The GMT deviation counts only without a time zone: with one, it follows
    // the session's date.
    struct Key {
        double latDeg = 0.0;
        double lonDeg = 0.0;
        double gmtDeviationHours = 0.0;
        QString timeZone;
        double minElevDeg = 0.0;
        AzimuthWindow azimuthWindow;
        QString horizonFile;
        bool hasHorizon = false;
        int year = 0;
        bool keepsMoonlight = false;  // for what a telescope shows

        friend bool operator==(const Key &, const Key &) = default;
    };

    static Key keyOf(const Session &session, const QString &horizonFile, bool hasHorizon, int year,
                     bool keepsMoonlight);

    PlacedYearSky(const Session &session, std::optional<HorizonProfile> profile, int year, bool keepsMoonlight);
    PlacedYearSky(const PlacedYearSky &) = delete;
    PlacedYearSky &operator=(const PlacedYearSky &) = delete;

    const YearSky &sky() const { return m_sky; }
    const std::vector<MoonMark> &moons() const { return m_moons; }

private:
    std::optional<HorizonProfile> m_profile;
    YearSky m_sky;
    std::vector<MoonMark> m_moons;
};
