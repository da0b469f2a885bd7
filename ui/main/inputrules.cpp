#include "ui/main/inputrules.h"

#include "plan/fieldnumber.h"

bool azimuthWindowReversed(const QString &minAzText, const QString &maxAzText, const QLocale &locale)
{
    const auto minAzDeg = readFieldNumber(minAzText, locale);
    const auto maxAzDeg = readFieldNumber(maxAzText, locale);
    return minAzDeg && maxAzDeg && *maxAzDeg < *minAzDeg;
}
