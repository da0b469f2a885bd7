#include "astro/coordinateformat.h"

#include <cmath>

QString formatRA(double raDeg, const QLocale &locale)
{
    const double hours = std::floor(raDeg / 15.0);
    const double minutes = (raDeg / 15.0 - hours) * 60.0;
    return locale.toString(hours, 'f', 0) + QLatin1Char(' ') + locale.toString(minutes, 'f', 1);
}

QString formatDec(double decDeg, const QLocale &locale)
{
    const double degrees = std::floor(decDeg);
    const double minutes = (decDeg - degrees) * 60.0;
    return locale.toString(degrees, 'f', 0) + QLatin1Char(' ') + locale.toString(minutes, 'f', 0);
}

QString formatTwoDecimals(double value, const QLocale &locale)
{
    return locale.toString(value, 'f', 2);
}
