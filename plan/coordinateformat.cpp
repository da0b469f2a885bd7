#include "plan/coordinateformat.h"

#include <cmath>

namespace {

// Whole units, a blank, then the sixtieths with the given decimals.
void appendSexagesimal(QString &text, double value, int minuteDecimals, const LocaleNumbers &numbers)
{
    const double whole = std::floor(value);
    numbers.appendFixed(text, whole, 0);
    text += QLatin1Char(' ');
    numbers.appendFixed(text, (value - whole) * 60.0, minuteDecimals);
}

// The value whole units and sixtieths rounded to the given decimals stand for.
double shownSexagesimal(double value, int minuteDecimals)
{
    const double whole = std::floor(value);
    const double scale = std::pow(10.0, minuteDecimals);
    return whole + std::round((value - whole) * 60.0 * scale) / scale / 60.0;
}

}  // namespace

QString formatRA(double raDeg, const LocaleNumbers &numbers)
{
    QString text;
    appendRA(text, raDeg, numbers);
    return text;
}

void appendRA(QString &text, double raDeg, const LocaleNumbers &numbers)
{
    appendSexagesimal(text, raDeg / 15.0, 1, numbers);
}

QString formatDec(double decDeg, const LocaleNumbers &numbers)
{
    QString text;
    appendDec(text, decDeg, numbers);
    return text;
}

void appendDec(QString &text, double decDeg, const LocaleNumbers &numbers)
{
    appendSexagesimal(text, decDeg, 0, numbers);
}

double shownRAHours(double raDeg)
{
    return shownSexagesimal(raDeg / 15.0, 1);
}

double shownDecDeg(double decDeg)
{
    return shownSexagesimal(decDeg, 0);
}
