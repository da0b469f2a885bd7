#include "ui/year/placedyearsky.h"

#include "plan/yearplan.h"

PlacedYearSky::Key PlacedYearSky::keyOf(const Session &session, const QString &horizonFile, bool hasHorizon, int year)
{
    const bool zoned = !session.timeZone.isEmpty();
    return {session.latDeg, session.lonDeg,  zoned ? 0.0 : session.gmtDeviationHours,
            session.timeZone, session.minElevDeg, session.azimuthWindow(), horizonFile, hasHorizon, year};
}

PlacedYearSky::PlacedYearSky(const Session &session, std::optional<HorizonProfile> profile, int year)
    : m_profile(std::move(profile))
    , m_sky(yearQuery(session, m_profile ? &*m_profile : nullptr, DefaultDarkness, year))
{
}
