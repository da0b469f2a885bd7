#pragma once

#include "sky/filters.h"
#include "plan/sessionparameters.h"
#include "sky/siderealtime.h"
#include "plan/typefilter.h"

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
    double minAzDeg = 0.0;
    double maxAzDeg = 360.0;
    AzimuthWindowMode azimuthMode = AzimuthWindowMode::Inclusive;
    double faintestMag = 30.0;
    double minSizeArcmin = 1.0;
    double maxSizeArcmin = 999.0;
    TypeFilter types;

    AzimuthWindow azimuthWindow() const { return {minAzDeg, maxAzDeg, azimuthMode}; }
    // The session's start as days since J2000.0 UT.
    double startDays() const { return daysSinceJ2000(date, startTime, gmtDeviationHours); }
};

// An input that could not be read, and what the observer should type instead.
struct FieldProblem {
    SessionTextField field = nullptr;
    QString expected;  // "Expected a number such as -5.5"

    friend bool operator==(const FieldProblem &, const FieldProblem &) = default;
};

struct SessionReading {
    SessionInputs inputs;
    QList<FieldProblem> problems;  // in the order of the inputs

    bool ok() const { return problems.isEmpty(); }
};

// Numbers are read as readFieldNumber() reads them. A latitude beyond +-90, a longitude beyond
// +-180, a GMT deviation outside -12 to +14 and a session length outside 0 to 24 hours cannot be
// read either: no place or session has them.
SessionReading readSessionInputs(const SessionParameters &parameters, const QLocale &locale);
