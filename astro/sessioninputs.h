#pragma once

#include "astro/filters.h"
#include "astro/sessionparameters.h"
#include "astro/siderealtime.h"
#include "astro/typefilter.h"

#include <QList>
#include <QLocale>

// The session inputs converted to numbers, ready for one list generation.
struct SessionInputs {
    double latDeg = 0.0;
    double lonDeg = 0.0;
    CalendarDate date;
    ClockTime startTime;
    double gmtDeviationHours = 0.0;
    double sessionLengthHours = 1.0;
    double minElevDeg = 30.0;
    AzimuthWindow azimuthWindow;
    double faintestMag = 30.0;
    double minSizeArcmin = 1.0;
    double maxSizeArcmin = 999.0;
    TypeFilter types;
};

struct SessionReading {
    SessionInputs inputs;
    QList<SessionField> unreadable;  // the controls whose text could not be read, in field order

    bool ok() const { return unreadable.isEmpty(); }
};

// Numbers are read with the locale's decimal separator; blanks around a number are allowed.
SessionReading readSessionInputs(const SessionParameters &parameters, const QLocale &locale);

// What an observer should type into a field that could not be read.
QString expectedForm(SessionField field, const QLocale &locale);
