#pragma once

#include <QLocale>
#include <QString>

// The rules applied when the observer leaves a session field.

// The time rule: whatever was typed becomes hours:minutes:seconds with two colons, each part
// trimmed of blanks and an empty part taken as 0 ("21" -> "21:0:0", "9:30" -> "9:30:0",
// " 7 : 5 : 3 " -> "7:5:3"). Parts are not checked: "25:99:99" stays, and everything after
// the second colon is the seconds ("1:2:3:4" stays).
QString normalizeTimeText(const QString &text);

// True when both azimuths read as numbers and the window is reversed (MaxAz below MinAz).
// A text that is not a number breaks no order; the list marks it instead.
bool azimuthWindowReversed(const QString &minAzText, const QString &maxAzText, const QLocale &locale);
