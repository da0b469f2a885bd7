#pragma once

#include "sky/siderealtime.h"

#include <QDate>
#include <QLocale>
#include <QString>

#include <optional>

class QTime;

// The date and time fields of a session as the observer sees them.
//
// Dates are written in the locale's short form with a four-digit year (M/d/yyyy under the
// C locale), and read in that form, as M/d/yyyy ("1/1/2006") or as ISO yyyy-MM-dd.
// Times are "h:m:s" without leading zeros, 0 to 23 hours.

QString sessionDateFormat(const QLocale &locale);

// The dates a session may have: every day of the years within the Date field's limits.
struct DateSpan {
    QDate first;
    QDate last;
    bool contains(const QDate &date) const { return date >= first && date <= last; }
};

DateSpan sessionDates();

// A date outside sessionDates() is not a session's date.
std::optional<CalendarDate> readSessionDate(const QString &text, const QLocale &locale);

// Hours, minutes and seconds between the colons, each a whole number in range; blanks
// around a part are allowed. Anything else (fewer or more than two colons, 25:99:99, a
// letter) is not a time.
std::optional<ClockTime> readSessionTime(const QString &text);

// The time rule, applied when the observer leaves the time field and to a time given on the
// command line: whatever was typed becomes hours:minutes:seconds with two colons, each part
// trimmed of blanks and an empty part taken as 0 ("21" -> "21:0:0", "9:30" -> "9:30:0",
// " 7 : 5 : 3 " -> "7:5:3"). Parts are not checked: "25:99:99" stays, and everything after
// the second colon is the seconds ("1:2:3:4" stays).
QString normalizeTimeText(const QString &text);

QString writeSessionDate(const QDate &date, const QLocale &locale);
QString writeSessionTime(const QTime &time);
