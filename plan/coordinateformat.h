#pragma once

#include "plan/localenumbers.h"

#include <QString>

// Texts of the list's number columns, in the locale's number format.

// Right ascension in degrees as whole hours, a blank and minutes with one decimal: "5 35.2".
QString formatRA(double raDeg, const LocaleNumbers &numbers);
void appendRA(QString &text, double raDeg, const LocaleNumbers &numbers);

// Declination in degrees as whole degrees, a blank and whole minutes: "-21 30" for -20.5.
// The degrees are rounded down, also south of the equator, and the minutes count up from there.
QString formatDec(double decDeg, const LocaleNumbers &numbers);
void appendDec(QString &text, double decDeg, const LocaleNumbers &numbers);

// The values those texts stand for, in hours and in degrees, so that a column sorts by what it
// shows: "5 35.2" is 5 + 35.2 / 60 hours.
double shownRAHours(double raDeg);
double shownDecDeg(double decDeg);
