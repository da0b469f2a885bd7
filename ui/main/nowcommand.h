#pragma once

#include <QLocale>
#include <QString>

class TimeZoneSource;

// Hours to add to local time to obtain GMT, for the part of the year now in effect;
// 0 when the time zone cannot be read.
float getTimeZoneBias(const TimeZoneSource &timeZone);

// The GMT deviation field's text for a bias: local time minus GMT in hours, as the locale
// writes a number, without trailing zeros ("-5", "5.5", "5.75").
QString gmtDeviationText(float biasHours, const QLocale &locale);
