#pragma once

// The catalog writes right ascension as hours and minutes and declination as signed degrees
// and minutes; the program works in degrees throughout.

// (minutes / 60 + hours) × 15.
double raToDegrees(int hours, double minutes);

// Minutes carry no sign: they count away from the equator on the side the degrees give. The
// declination is south when the degrees are negative, negative zero included, which is how
// "-00" reads, so that -00 degrees 30 minutes is half a degree south.
double decToDegrees(double degrees, double minutes);
