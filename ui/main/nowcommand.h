#pragma once

#include <QLocale>
#include <QString>

// The GMT deviation field's text for the hours local time is ahead of GMT, as the locale writes
// a number, without trailing zeros ("-5", "5.5", "5.75").
QString gmtDeviationText(double hoursAheadOfGmt, const QLocale &locale);
