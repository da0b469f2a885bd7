#include "sky/siderealtime.h"

#include <cmath>

namespace {

// The Julian-day constant 1720994.5 shifted by the J2000.0 epoch (2451545.0).
constexpr double DayCountOffset = 730550.5;

}  // namespace

double daysSinceJ2000(const CalendarDate &date, const ClockTime &time, double gmtDeviationHours)
{
    // January and February count as months 13 and 14 of the year before.
    int year = date.year;
    int month = date.month;
    if (month == 1 || month == 2) {
        year -= 1;
        month += 12;
    }

    const double centuries = std::floor(year / 100.0);
    const double gregorianCorrection = 2.0 - centuries + std::floor(centuries / 4.0);
    const double yearDays = std::floor(365.25 * year);
    const double monthDays = std::floor(30.6001 * (month + 1));

    const double clockHours = time.hour + time.minute / 60.0 + time.second / 3600.0;
    return yearDays + monthDays + date.day + gregorianCorrection - DayCountOffset
           + clockHours / 24.0 - gmtDeviationHours / 24.0;
}

double localSiderealTimeDeg(double daysFromJ2000, double lonDeg)
{
    const double centuries = daysFromJ2000 / 36525.0;
    const double theta = 280.46061837 + 360.98564736629 * daysFromJ2000
                         + 0.000387933 * centuries * centuries
                         - centuries * centuries * centuries / 38710000.0 + lonDeg;

    // Reduce into [0, 360]; exactly 0 and exactly 360 stay as they are, and a positive
    // multiple of 360 comes out as 360, as repeated subtraction would leave it.
    const double reduced = std::fmod(theta, 360.0);
    if (theta > 0.0)
        return reduced == 0.0 ? 360.0 : reduced;
    return reduced < 0.0 ? reduced + 360.0 : reduced;
}

double getSiderealTime(const CalendarDate &date, const ClockTime &time, double gmtDeviationHours,
                       double lonDeg)
{
    return localSiderealTimeDeg(daysSinceJ2000(date, time, gmtDeviationHours), lonDeg);
}

double hourAngleDeg(double localSiderealDeg, double raDeg)
{
    const double hourAngle = localSiderealDeg - raDeg;
    return hourAngle < 0.0 ? hourAngle + 360.0 : hourAngle;
}
