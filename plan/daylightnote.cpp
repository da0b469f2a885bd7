#include "plan/daylightnote.h"

#include "sky/ephemeris.h"
#include "plan/localtime.h"
#include "sky/nightevents.h"

#include <QStringList>

#include <cmath>

namespace {

// The sky with the Sun at this altitude, as the observer calls it; empty when it is dark.
QString skyState(double sunAltDeg)
{
    if (sunAltDeg >= SunsetAltitudeDeg)
        return QStringLiteral("Sun %1° up").arg(std::lround(sunAltDeg));
    if (sunAltDeg >= CivilTwilightAltitudeDeg)
        return QStringLiteral("civil twilight");
    if (sunAltDeg >= NauticalTwilightAltitudeDeg)
        return QStringLiteral("nautical twilight");
    if (sunAltDeg >= AstronomicalTwilightAltitudeDeg)
        return QStringLiteral("astronomical twilight");
    return {};
}

// Darkness begins at each astronomical dusk and ends at each astronomical dawn within the
// session; the session's own ends are none of them.
QStringList darknessTurns(const std::vector<TimeSpan> &dark, const TimeSpan &session, const LocalClock &clock)
{
    const auto at = [&clock](double days) { return clock.text(days, ClockFormat); };
    QStringList turns;
    for (const TimeSpan &span : dark) {
        if (span.startDays > session.startDays)
            turns << QStringLiteral("astronomical dusk %1").arg(at(span.startDays));
        if (span.endDays < session.endDays)
            turns << QStringLiteral("astronomical dawn %1").arg(at(span.endDays));
    }
    if (dark.empty())
        turns << QStringLiteral("never dark in the session");
    return turns;
}

}  // namespace

QString daylightNote(const Session &inputs)
{
    const Site site{inputs.latDeg, inputs.lonDeg};
    const TimeSpan session{inputs.startDays(), inputs.endDays()};
    const QString atStart = skyState(sunAltAz(session.startDays, site).Alt);
    const QString atEnd = session.lengthDays() > 0.0 ? skyState(sunAltAz(session.endDays, site).Alt) : QString();
    QStringList notes;
    if (!atStart.isEmpty())
        notes << atStart + QLatin1String(atStart == atEnd ? " at the start and the end" : " at the start");
    notes << darknessTurns(sunBelow(site, session, AstronomicalTwilightAltitudeDeg), session, inputs.clock());
    if (!atEnd.isEmpty() && atEnd != atStart)
        notes << atEnd + QStringLiteral(" at the end");
    return notes.join(QStringLiteral("; "));
}
