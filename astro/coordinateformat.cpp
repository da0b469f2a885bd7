#include "astro/coordinateformat.h"

#include <cmath>

QString formatRA(double raDeg, const LocaleNumbers &numbers)
{
    const double hours = std::floor(raDeg / 15.0);
    const double minutes = (raDeg / 15.0 - hours) * 60.0;
    QString text = numbers.fixed(hours, 0);
    text += QLatin1Char(' ');
    numbers.appendFixed(text, minutes, 1);
    return text;
}

QString formatDec(double decDeg, const LocaleNumbers &numbers)
{
    const double degrees = std::floor(decDeg);
    const double minutes = (decDeg - degrees) * 60.0;
    QString text = numbers.fixed(degrees, 0);
    text += QLatin1Char(' ');
    numbers.appendFixed(text, minutes, 0);
    return text;
}
