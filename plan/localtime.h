#pragma once

#include <QDateTime>
#include <QString>

// Instants (days since J2000.0 UTC) as the observer's clock shows them: local time is UTC plus
// the session's GMT deviation. Times are rounded to the nearest minute.

// The forms Nocturo writes local times and dates in, the same in every locale.
inline const QString ClockFormat = QStringLiteral("HH:mm");
inline const QString DateAndClockFormat = QStringLiteral("yyyy-MM-dd HH:mm");
inline const QString IsoDateFormat = QStringLiteral("yyyy-MM-dd");

// The local wall time as a date and time without a zone of its own.
QDateTime localDateTime(double daysUtc, double gmtDeviationHours);

// In one of the forms above or any other QDateTime format.
QString localTimeText(double daysUtc, double gmtDeviationHours, const QString &format);
