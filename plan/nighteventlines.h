#pragma once

#include "sky/nightevents.h"

#include <QStringList>

// The night's events as text, one "name<TAB>value" line each, in a fixed order: sunset, the three
// dusks, the three dawns, sunrise, every moonrise, every moonset, then the Moon's illumination.
// A time is local "yyyy-MM-dd HH:mm"; an event that does not happen reads "none".
QStringList nightEventLines(const NightEvents &events, double gmtDeviationHours);
