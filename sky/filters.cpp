#include "sky/filters.h"

bool azimuthInWindow(double azDeg, const AzimuthWindow &window)
{
    if (window.mode == AzimuthWindowMode::Inclusive)
        return window.minAzDeg <= azDeg && azDeg <= window.maxAzDeg;
    return azDeg <= window.minAzDeg || azDeg >= window.maxAzDeg;
}

bool passesAzimuthTest(const AltAz &start, const AltAz &end, const AzimuthWindow &window)
{
    return azimuthInWindow(start.Az, window) && azimuthInWindow(end.Az, window);
}

bool passesElevationTest(const AltAz &start, const AltAz &end, double minElevDeg)
{
    return start.Alt >= minElevDeg && end.Alt >= minElevDeg;
}

double sessionEndHourAngleDeg(double startHaDeg, double sessionLengthHours)
{
    const double endHaDeg = startHaDeg + 15.0 * sessionLengthHours;
    return endHaDeg > 360.0 ? endHaDeg - 360.0 : endHaDeg;
}
