#include "formats/catalogcoordinates.h"

#include <cmath>

double raToDegrees(int hours, double minutes)
{
    return (minutes / 60.0 + hours) * 15.0;
}

double decToDegrees(double degrees, double minutes)
{
    const bool south = std::signbit(degrees);
    return south ? degrees - minutes / 60.0 : degrees + minutes / 60.0;
}
