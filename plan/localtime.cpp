#include "plan/localtime.h"

#include <cmath>

namespace {

// 2000 January 1, 12:00, the instant the day count starts from.
const QDateTime J2000 = QDateTime(QDate(2000, 1, 1), QTime(12, 0), Qt::UTC);

}  // namespace

QDateTime localDateTime(double daysUtc, double gmtDeviationHours)
{
    const qint64 localMinutes = std::llround((daysUtc + gmtDeviationHours / 24.0) * 1440.0);
    return J2000.addSecs(localMinutes * 60);
}

QString localTimeText(double daysUtc, double gmtDeviationHours, const QString &format)
{
    return localDateTime(daysUtc, gmtDeviationHours).toString(format);
}
