#pragma once

// A stretch of time between two instants, each a count of days since J2000.0 in UTC
// (JD_UTC - 2451545.0), the count daysSinceJ2000 returns.
struct TimeSpan {
    double startDays = 0.0;
    double endDays = 0.0;

    double lengthDays() const { return endDays - startDays; }

    friend bool operator==(const TimeSpan &, const TimeSpan &) = default;
};
