#include "plan/daylightnote.h"

#include "sky/ephemeris.h"
#include "plan/localtime.h"
#include "sky/nightevents.h"

#include <QStringList>

#include <cmath>

namespace {


const char *twilightName(double sunAltDeg)
{
    if (sunAltDeg >= CivilTwilightAltitudeDeg)
        return "civil";
    if (sunAltDeg >= NauticalTwilightAltitudeDeg)
        return "nautical";
    return "astronomical";
}

// The Sun at one end of the session: up, in a twilight that ends (or starts) at darkTurnDays, or
// already dark.
QString endNote(double sunAltDeg, const char *end, const char *untilOrFrom, const std::optional<double> &darkTurnDays,
                double gmtDeviationHours)
{
    if (sunAltDeg >= SunsetAltitudeDeg)
        return QStringLiteral("Sun %1° up at the %2").arg(std::lround(sunAltDeg)).arg(QLatin1String(end));
    if (sunAltDeg >= AstronomicalTwilightAltitudeDeg) {
        const QString twilight = QStringLiteral("%1 twilight").arg(QLatin1String(twilightName(sunAltDeg)));
        if (!darkTurnDays)
            return twilight + QStringLiteral(" at the %1, never dark in the session").arg(QLatin1String(end));
        return twilight + QStringLiteral(" %1 %2").arg(QLatin1String(untilOrFrom),
                                                      localTimeText(*darkTurnDays, gmtDeviationHours, ClockFormat));
    }
    return {};
}

}  // namespace

QString daylightNote(const Session &inputs)
{
    const Site site{inputs.latDeg, inputs.lonDeg};
    const TimeSpan session{inputs.startDays(), inputs.endDays()};
    const std::vector<TimeSpan> dark = sunBelow(site, session, AstronomicalTwilightAltitudeDeg);
    const auto darkStart = dark.empty() ? std::nullopt : std::optional<double>(dark.front().startDays);
    const auto darkEnd = dark.empty() ? std::nullopt : std::optional<double>(dark.back().endDays);
    QStringList notes;
    notes << endNote(sunAltAz(session.startDays, site).Alt, "start", "until", darkStart, inputs.gmtDeviationHours);
    if (session.lengthDays() > 0.0)
        notes << endNote(sunAltAz(session.endDays, site).Alt, "end", "from", darkEnd, inputs.gmtDeviationHours);
    notes.removeAll(QString());
    return notes.join(QStringLiteral("; "));
}
