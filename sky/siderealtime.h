#pragma once

// Local mean sidereal time and hour angle. Angles are degrees throughout, right ascension
// included; times are hours.

struct CalendarDate {
    int year = 2000;
    int month = 1;   // 1 to 12
    int day = 1;
};

struct ClockTime {
    int hour = 0;    // 0 to 23
    int minute = 0;
    int second = 0;
};

// Days from 2000 January 1, 12:00 UT (JD 2451545.0) to the local instant date + time,
// local time being gmtDeviationHours ahead of GMT.
double daysSinceJ2000(const CalendarDate &date, const ClockTime &time, double gmtDeviationHours);

// Local mean sidereal time in degrees within [0, 360], for a day count from daysSinceJ2000
// and an east-positive longitude.
double localSiderealTimeDeg(double daysFromJ2000, double lonDeg);

double getSiderealTime(const CalendarDate &date, const ClockTime &time, double gmtDeviationHours,
                       double lonDeg);

// Hour angle in degrees, 0 on the meridian and growing westward; within [0, 360] for a
// right ascension within [0, 360].
double hourAngleDeg(double localSiderealDeg, double raDeg);
