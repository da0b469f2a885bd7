#pragma once

#include <QDateTime>
#include <QString>
#include <QTimeZone>

// Instants (days since J2000.0 UTC) as the observer's clock shows them: local time is UTC plus
// the session's GMT deviation, or the offset of the session's time zone at that instant. Times
// are rounded to the nearest minute.

// The forms Nocturo writes local times and dates in, the same in every locale.
inline const QString ClockFormat = QStringLiteral("HH:mm");
inline const QString DateAndClockFormat = QStringLiteral("yyyy-MM-dd HH:mm");
inline const QString IsoDateFormat = QStringLiteral("yyyy-MM-dd");

// The local wall time as a date and time without a zone of its own.
QDateTime localDateTime(double daysUtc, double gmtDeviationHours);

// How many hours the zone's clocks are ahead of UTC when they show date and time. A time the
// clocks skip in spring (02:30 where they go from 02:00 to 03:00) has the offset before the
// change, as QDateTime reads it; one they show twice in autumn, the offset after it.
double zoneDeviationHours(const QTimeZone &zone, const QDate &date, const QTime &time);

// The observer's clock through a session: a fixed GMT deviation, or a time zone whose offset may
// change within the session (daylight saving, from the system's tz database through QTimeZone).
// A time after such a change is marked with the zone's name for it, "02:30 (CEST)", so that two
// readings of the same wall time in an autumn night can be told apart.
class LocalClock {
public:
    LocalClock(double gmtDeviationHours = 0.0);  // a fixed deviation is a clock of its own
    // The zone's clock, which at startDays is startDeviationHours ahead of UTC.
    LocalClock(const QTimeZone &zone, double startDeviationHours);

    double startDeviationHours() const { return m_startDeviationHours; }
    double deviationHoursAt(double daysUtc) const;
    QDateTime dateTime(double daysUtc) const;
    // In a QDateTime format, followed by " (CEST)" at an instant when the clock is no longer as
    // far ahead of UTC as at the start.
    QString text(double daysUtc, const QString &format) const;

    friend bool operator==(const LocalClock &, const LocalClock &) = default;

private:
    double m_startDeviationHours = 0.0;
    QTimeZone m_zone;  // invalid: the deviation is fixed
};
