#pragma once

#include <QDateTime>
#include <QString>

// Instants (days since J2000.0 UTC) as the observer's clock shows them: local time is UTC plus
// the session's GMT deviation. Times are rounded to the nearest minute.

// The local wall time as a date and time without a zone of its own.
QDateTime localDateTime(double daysUtc, double gmtDeviationHours);

// "yyyy-MM-dd HH:mm", "HH:mm" or any other QDateTime format.
QString localTimeText(double daysUtc, double gmtDeviationHours, const QString &format);
