#include "ui/main/inputrules.h"

namespace {

QString partOrZero(const QString &part)
{
    const QString trimmed = part.trimmed();
    return trimmed.isEmpty() ? QStringLiteral("0") : trimmed;
}

// Only blanks count as padding here; a tab or other white space stays part of the text.
QString trimBlanks(const QString &text)
{
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text.at(first) == u' ')
        ++first;
    while (last > first && text.at(last - 1) == u' ')
        --last;
    return text.mid(first, last - first);
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
    return partOrZero(trimBlanks(hours)) + u':' + partOrZero(trimBlanks(minutes)) + u':'
           + partOrZero(trimBlanks(seconds));
}

bool azimuthWindowReversed(const QString &minAzText, const QString &maxAzText, const QLocale &locale)
{
    bool minOk = false;
    bool maxOk = false;
    const double minAzDeg = locale.toDouble(minAzText.trimmed(), &minOk);
    const double maxAzDeg = locale.toDouble(maxAzText.trimmed(), &maxOk);
    return minOk && maxOk && maxAzDeg < minAzDeg;
}
