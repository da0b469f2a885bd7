#include "plan/nightplan.h"

#include "sky/diurnaltrack.h"

namespace {

// Enough points for a smooth curve across the widest chart.
constexpr int CurveSamples = 300;

}  // namespace

void NightPlan::setSession(const Session &session)
{
    m_session = session;
    const NightKey key{session.latDeg, session.lonDeg, session.gmtDeviationHours,
                       session.date.year, session.date.month, session.date.day};
    if (m_key == key)
        return;
    m_key = key;
    m_sky.emplace(Site{session.latDeg, session.lonDeg}, nightOf(session.date, session.gmtDeviationHours));
    m_events = nightEvents(*m_sky);
}

std::vector<ListedVisibility> NightPlan::visibility(const ObservingList &list, const HorizonProfile *profile,
                                                    DarknessLevel darkness) const
{
    return listedVisibility(list, visibilityQuery(m_session, profile, darkness));
}

NightCurves NightPlan::curves(const CatalogObject *object, const Visibility *objectVisibility,
                              const HorizonProfile *profile) const
{
    NightCurves curves;
    if (!m_sky)
        return curves;
    const NightSky &sky = *m_sky;
    curves.shown = chartSpan(m_events);
    curves.clock = m_session.clock();
    curves.sun = sampleCurve(curves.shown, CurveSamples, [&sky](double atDays) { return sky.sunAltAz(atDays).Alt; });
    curves.moon = sampleCurve(curves.shown, CurveSamples, [&sky](double atDays) { return sky.moonAltAz(atDays).Alt; });
    curves.session = TimeSpan{m_session.startDays(), m_session.endDays()};
    curves.minElevDeg = m_session.minElevDeg;
    if (!object)
        return curves;
    const DiurnalTrack track(object->raDeg, object->decDeg, m_session.latDeg, m_session.lonDeg);
    // Through the session's start exactly, where the list gives the object's altitude.
    curves.object = sampleCurve(curves.shown, CurveSamples,
                                [&track](double atDays) { return track.positionAt(atDays).Alt; },
                                curves.session->startDays);
    if (profile) {
        curves.horizon = sampleCurve(curves.shown, CurveSamples, [&](double atDays) {
            return profile->altitudeDeg(track.positionAt(atDays).Az);
        });
    }
    if (objectVisibility)
        curves.visible = objectVisibility->spans;
    return curves;
}
