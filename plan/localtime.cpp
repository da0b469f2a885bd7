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

double zoneDeviationHours(const QTimeZone &zone, const QDate &date, const QTime &time)
{
    return QDateTime(date, time, zone).offsetFromUtc() / 3600.0;
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

QString LocalClock::text(double daysUtc, const QString &format) const
{
    const double deviationHours = deviationHoursAt(daysUtc);
    const QString wallTime = localDateTime(daysUtc, deviationHours).toString(format);
    if (deviationHours == m_startDeviationHours)
        return wallTime;
    return QStringLiteral("%1 (%2)").arg(wallTime, m_zone.abbreviation(utcAt(daysUtc)));
}
