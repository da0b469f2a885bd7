#include "plan/sessiontext.h"

#include "plan/blanks.h"
#include "plan/localtime.h"
#include "plan/sessionfield.h"

#include <QDate>
#include <QRegularExpression>
#include <QStringList>
#include <QTime>

namespace {

std::optional<int> readWholeNumber(const QString &text, int min, int max)
{
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    if (!ok || value < min || value > max)
        return std::nullopt;
    return value;
}

std::optional<CalendarDate> toCalendarDate(const QDate &date)
{
    if (!date.isValid() || !sessionDates().contains(date))
        return std::nullopt;
    return CalendarDate{date.year(), date.month(), date.day()};
}

// A part of the time, trimmed of blanks; an empty part counts as 0.
QString partOrZero(QStringView part)
{
    const QStringView trimmed = trimBlanks(part);
    return trimmed.isEmpty() ? QStringLiteral("0") : trimmed.toString();
}

}  // namespace

QString sessionDateFormat(const QLocale &locale)
{
    if (locale.language() == QLocale::C)
        return QStringLiteral("M/d/yyyy");

    // The short form often has a two-digit year; a session date always shows all four.
    QString format = locale.dateFormat(QLocale::ShortFormat);
    if (!format.contains(QLatin1String("yyyy"))) {
        static const QRegularExpression twoDigitYear(QStringLiteral("(?<!y)yy(?!y)"));
        format.replace(twoDigitYear, QStringLiteral("yyyy"));
    }
    return format;
}

DateSpan sessionDates()
{
    const SessionFieldEntry &date = sessionFieldEntry(SessionField::Date);
    return {QDate(int(date.minValue), 1, 1), QDate(int(date.maxValue), 12, 31)};
}

std::optional<CalendarDate> readSessionDate(const QString &text, const QLocale &locale)
{
    const QString trimmed = text.trimmed();
    for (const QString &format : {sessionDateFormat(locale), QStringLiteral("M/d/yyyy"),
                                  IsoDateFormat}) {
        if (const auto date = toCalendarDate(locale.toDate(trimmed, format)))
            return date;
    }
    return std::nullopt;
}

std::optional<ClockTime> readSessionTime(const QString &text)
{
    const QStringList parts = text.split(QLatin1Char(':'));
    if (parts.size() != 3)
        return std::nullopt;
    const auto hour = readWholeNumber(parts[0], 0, 23);
    const auto minute = readWholeNumber(parts[1], 0, 59);
    const auto second = readWholeNumber(parts[2], 0, 59);
    if (!hour || !minute || !second)
        return std::nullopt;
    return ClockTime{*hour, *minute, *second};
}

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

QString writeSessionDate(const QDate &date, const QLocale &locale)
{
    return locale.toString(date, sessionDateFormat(locale));
}

QString writeSessionTime(const QTime &time)
{
    return QStringLiteral("%1:%2:%3").arg(time.hour()).arg(time.minute()).arg(time.second());
}
