#include "plan/localtime.h"

#include <cmath>

namespace {

// 2000 January 1, 12:00, the instant the day count starts from.
const QDateTime J2000 = QDateTime(QDate(2000, 1, 1), QTime(12, 0), Qt::UTC);

QDateTime utcAt(double daysUtc)
{
    return J2000.addSecs(std::llround(daysUtc * 86400.0));
}

}  // namespace

QDateTime localDateTime(double daysUtc, double gmtDeviationHours)
{
    const qint64 localMinutes = std::llround((daysUtc + gmtDeviationHours / 24.0) * 1440.0);
    return J2000.addSecs(localMinutes * 60);
}

LocalClock::LocalClock(double gmtDeviationHours)
    : m_startDeviationHours(gmtDeviationHours)
{
}

LocalClock::LocalClock(const QTimeZone &zone, double startDeviationHours)
    : m_startDeviationHours(startDeviationHours)
    , m_zone(zone)
{
}

double LocalClock::deviationHoursAt(double daysUtc) const
{
    return m_zone.isValid() ? m_zone.offsetFromUtc(utcAt(daysUtc)) / 3600.0 : m_startDeviationHours;
}

QDateTime LocalClock::dateTime(double daysUtc) const
{
    return localDateTime(daysUtc, deviationHoursAt(daysUtc));
}

QString LocalClock::changeMark(double daysUtc) const
{
    if (deviationHoursAt(daysUtc) == m_startDeviationHours)
        return {};
    return QStringLiteral(" (%1)").arg(m_zone.abbreviation(utcAt(daysUtc)));
}

QString localTimeText(double daysUtc, const LocalClock &clock, const QString &format)
{
    return clock.dateTime(daysUtc).toString(format) + clock.changeMark(daysUtc);
}
