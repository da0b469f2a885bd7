#pragma once

#include <optional>
#include <string_view>

// A sky-quality-meter reading (zenith, mag/arcsec^2) estimated from what an observer without a
// meter knows of the sky: the faintest star seen with the naked eye, or the Bortle class.

struct SkyQualityEstimate {
    double magPerArcsec2 = 0.0;
    std::string_view source;  // the table or relation it was read from, as the observer is told
};

// The relation Unihedron publishes beside its meters, after B. E. Schaefer, "Telescopic limiting
// magnitudes", PASP 102, 212 (1990): NELM = 7.93 - 5 log10(10^(4.316 - SQM / 5) + 1), solved for
// the reading, SQM = 21.58 - 5 log10(10^(1.586 - NELM / 5) - 1). The relation reaches no darker
// sky than NELM 7.93; none for limits that faint or fainter.
std::optional<SkyQualityEstimate> sqmFromNakedEyeLimit(double nakedEyeLimitingMagnitude);

// The naked-eye limit the same relation gives for a reading, the way back of sqmFromNakedEyeLimit:
// brighter than NELM 7.93 however dark the sky.
double nakedEyeLimitFromSqm(double magPerArcsec2);

// The middle of the reading's range for a class of J. E. Bortle's dark-sky scale (Sky & Telescope,
// February 2001), from the SQM ranges tabulated beside all nine classes in "Understanding the
// Bortle Scale: A Guide to Sky Darkness" (https://nightskyspots.com/learn/bortle-scale); class 9,
// open-ended there ("< 17.5"), gets that limit. None outside classes 1 to 9.
std::optional<SkyQualityEstimate> sqmFromBortleClass(int bortleClass);
