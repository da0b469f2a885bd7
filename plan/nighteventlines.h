#pragma once

#include "plan/localtime.h"
#include "sky/nightevents.h"

#include <QStringList>

// The order of the event lines. The command line's output keeps the fixed order, which scripts
// read by name or by position: sunset, the three dusks, the three dawns, sunrise, every
// moonrise, every moonset. In time order, the events that happen come earliest first, moonrise
// and moonset among the Sun's, then those that do not, in the fixed order.
enum class EventOrder { Fixed, Time };

// The night's events as text, one "name<TAB>value" line each, then the Moon's illumination.
// A time is local "yyyy-MM-dd HH:mm"; an event that does not happen reads "none".
QStringList nightEventLines(const NightEvents &events, const LocalClock &clock, EventOrder order = EventOrder::Fixed);
