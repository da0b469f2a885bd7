#pragma once

#include "sky/yearnights.h"

// When, within one night of a year, an object stands clear of the horizon, the minimum elevation
// and the azimuth window in the dark: the spans whose whole minutes objectYear counts, for a
// picture of the night rather than a count.
Visibility objectNightVisibility(const EquatorialPosition &object, const YearSky &sky, const YearNight &night);
