#pragma once

#include <vector>

// The faintest contrast the dark-adapted eye detects in a uniform disc on a uniform background,
// as log10 of (object / background): H. R. Blackwell, "Contrast thresholds of the human eye",
// J. Opt. Soc. Am. 36, 624 (1946), as tabulated by R. N. Clark, "Visual Astronomy of the Deep
// Sky" (1990), in data/contrast/threshold.tsv. Between the table's entries the threshold is
// interpolated bilinearly; a target smaller than the first size counts as that size; beyond the
// table it runs on linearly from its last two rows or columns.

// The table's column at one target size, for looking up many backgrounds.
class ThresholdAtSize {
public:
    explicit ThresholdAtSize(double sizeArcmin);

    // For the background at the eye in magnitudes per square arcsecond.
    double logContrast(double backgroundMagPerArcsec2) const;

    // The least and the greatest rate at which the threshold changes with the background, per
    // magnitude, anywhere along the column (beyond the table too).
    struct SlopeRange {
        double least;
        double greatest;
    };
    SlopeRange slopeRange() const;

    // The greatest of perMagnitude * S - logContrast(S) over the backgrounds S from least to
    // greatest: how far a line of that slope can stand above the threshold there.
    double greatestLeadOfLine(double perMagnitude, double leastBackground, double greatestBackground) const;

private:
    std::vector<double> column_;  // one value a background row
};

double thresholdLogContrast(double backgroundMagPerArcsec2, double sizeArcmin);
