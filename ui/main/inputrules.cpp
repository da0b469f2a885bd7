#include "ui/main/inputrules.h"

#include "plan/fieldnumber.h"
#include "formats/blanks.h"

namespace {

// A part of the time, trimmed of blanks; an empty part counts as 0.
QString partOrZero(QStringView part)
{
    const QStringView trimmed = trimBlanks(part);
    return trimmed.isEmpty() ? QStringLiteral("0") : trimmed.toString();
}

}  // namespace

QString normalizeTimeText(const QString &text)
{
    QString hours = text;
    QString minutes;
    QString seconds;
    const qsizetype firstColon = text.indexOf(u':');
    if (firstColon >= 0) {
        hours = text.left(firstColon);
        const qsizetype secondColon = text.indexOf(u':', firstColon + 1);
        if (secondColon >= 0) {
            minutes = text.mid(firstColon + 1, secondColon - firstColon - 1);
            seconds = text.mid(secondColon + 1);
        } else {
            minutes = text.mid(firstColon + 1);
        }
    }
    return partOrZero(hours) + u':' + partOrZero(minutes) + u':' + partOrZero(seconds);
}

bool azimuthWindowReversed(const QString &minAzText, const QString &maxAzText, const QLocale &locale)
{
    const auto minAzDeg = readFieldNumber(minAzText, locale);
    const auto maxAzDeg = readFieldNumber(maxAzText, locale);
    return minAzDeg && maxAzDeg && *maxAzDeg < *minAzDeg;
}
