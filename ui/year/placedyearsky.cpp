#include "ui/year/placedyearsky.h"

#include "plan/yearplan.h"

PlacedYearSky::Key PlacedYearSky::keyOf(const Session &session, const QString &horizonFile, bool hasHorizon, int year,
                                        bool keepsMoonlight)
{
    const bool zoned = !session.timeZone.isEmpty();
    return {session.latDeg, session.lonDeg, zoned ? 0.0 : session.gmtDeviationHours, session.timeZone,
            session.minElevDeg, session.azimuthWindow(), horizonFile, hasHorizon, year, keepsMoonlight};
}

namespace {

YearQuery placedQuery(const Session &session, const HorizonProfile *profile, int year, bool keepsMoonlight)
{
    YearQuery query = yearQuery(session, profile, DefaultDarkness, year);
    query.keepsMoonlight = keepsMoonlight;
    return query;
}

}  // namespace

PlacedYearSky::PlacedYearSky(const Session &session, std::optional<HorizonProfile> profile, int year, bool keepsMoonlight)
    : m_profile(std::move(profile))
    , m_sky(placedQuery(session, m_profile ? &*m_profile : nullptr, year, keepsMoonlight))
    , m_moons(yearMoonMarks(m_sky))
{
}
