#pragma once

// The Moon's phase as seen from the centre of the Earth, at an instant in days since
// J2000.0 UTC.

// The illuminated fraction of the disk, 0 at new Moon to 1 at full.
double moonIlluminatedFraction(double daysUtc);

// The Moon's ecliptic longitude less the Sun's, within [0, 360): 0 new, 90 first quarter,
// 180 full, 270 last quarter.
double moonElongationDeg(double daysUtc);

// "New Moon", "Waxing Crescent", "First Quarter", "Waxing Gibbous", "Full Moon",
// "Waning Gibbous", "Last Quarter" or "Waning Crescent": eight equal sectors of the
// elongation, each centred on its named phase.
const char *moonPhaseName(double daysUtc);
