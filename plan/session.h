#pragma once

#include "plan/localtime.h"
#include "plan/objecttype.h"
#include "plan/problem.h"
#include "plan/sessiontexts.h"
#include "sky/filters.h"
#include "sky/siderealtime.h"

#include <QLocale>

// The session read into numbers: the place, the instant, the length and the filters of one list.
struct Session {
    double latDeg = 0.0;
    double lonDeg = 0.0;
    CalendarDate date;
    ClockTime startTime;
    double gmtDeviationHours = 0.0;  // at the start: the time zone's then, when there is one
    QString timeZone;                // the IANA name ("Europe/Berlin"); empty: the deviation is fixed
    double sessionLengthHours = 1.0;
    double minElevDeg = 30.0;
    double minAzDeg = 0.0;
    double maxAzDeg = 360.0;
    AzimuthWindowMode azimuthMode = AzimuthWindowMode::Inclusive;
    double faintestMag = 30.0;
    double minSizeArcmin = 1.0;
    double maxSizeArcmin = 999.0;
    ObjectTypeSet types = ObjectTypeSet::all();
    // Keeps only the objects whose verdict at their best moment is "difficult" or better.
    bool onlyWhatTelescopeShows = false;
    // Lists every object that passes the type, magnitude and size filters and is visible for at
    // least a minute of the session (see visibility.h), instead of those above the minimum
    // elevation at the start and at the end.
    bool visibleAnyTime = false;

    AzimuthWindow azimuthWindow() const { return {minAzDeg, maxAzDeg, azimuthMode}; }
    // The session's start and end as days since J2000.0 UT.
    double startDays() const { return daysSinceJ2000(date, startTime, gmtDeviationHours); }
    double endDays() const { return startDays() + sessionLengthHours / 24.0; }
    // The observer's clock through the session.
    LocalClock clock() const;
};

// Numbers are read as readFieldNumber() reads them, within the limits of their field; every
// field that cannot be read is a problem of its own, in the order of the fields.
Result<Session> readSession(const SessionTexts &texts, const QLocale &locale);

// What an observer who typed something unreadable into the field is told to type instead.
QString expectedValue(SessionField field, const QLocale &locale);
