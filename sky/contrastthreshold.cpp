#include "sky/contrastthreshold.h"

#include "contrastthresholdtable.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr std::size_t SizeCount = std::size(ThresholdLogSizes);
constexpr std::size_t BackgroundCount = std::size(ThresholdRows);
constexpr double FirstBackground = ThresholdRows[0][0];
constexpr double BackgroundStep = ThresholdRows[1][0] - ThresholdRows[0][0];

// A background is found by its distance from the first row, so the rows must be evenly spaced.
constexpr bool backgroundsEvenlySpaced()
{
    for (std::size_t row = 1; row < BackgroundCount; ++row) {
        if (ThresholdRows[row][0] - ThresholdRows[row - 1][0] != BackgroundStep)
            return false;
    }
    return BackgroundStep > 0.0;
}
static_assert(SizeCount >= 2 && BackgroundCount >= 2 && backgroundsEvenlySpaced(),
              "the threshold table needs two sizes or more and evenly spaced backgrounds");

// The segment [index, index + 1] of a table axis whose line gives the value at position, and the
// fraction of the way along it: within the table, or on the first or last segment beyond it.
struct Segment {
    std::size_t index;
    double fraction;
};

Segment segmentAt(double position, std::size_t pointCount)
{
    const double lastStart = static_cast<double>(pointCount - 2);
    const double index = std::clamp(std::floor(position), 0.0, lastStart);
    return {static_cast<std::size_t>(index), position - index};
}

double sizePosition(double logSize)
{
    const double clamped = std::max(logSize, ThresholdLogSizes[0]);
    std::size_t column = 0;
    while (column + 2 < SizeCount && clamped >= ThresholdLogSizes[column + 1])
        ++column;
    return column + (clamped - ThresholdLogSizes[column])
                        / (ThresholdLogSizes[column + 1] - ThresholdLogSizes[column]);
}

}  // namespace

ThresholdAtSize::ThresholdAtSize(double sizeArcmin)
{
    const Segment columns = segmentAt(sizePosition(std::log10(sizeArcmin)), SizeCount);
    column_.reserve(BackgroundCount);
    for (const auto &row : ThresholdRows) {
        const double before = row[1 + columns.index];
        const double after = row[2 + columns.index];
        column_.push_back(before + (after - before) * columns.fraction);
    }
}

double ThresholdAtSize::logContrast(double backgroundMagPerArcsec2) const
{
    const Segment rows = segmentAt((backgroundMagPerArcsec2 - FirstBackground) / BackgroundStep, BackgroundCount);
    const double before = column_[rows.index];
    const double after = column_[rows.index + 1];
    return before + (after - before) * rows.fraction;
}

ThresholdAtSize::SlopeRange ThresholdAtSize::slopeRange() const
{
    SlopeRange range{HUGE_VAL, -HUGE_VAL};
    for (std::size_t row = 0; row + 1 < column_.size(); ++row) {
        const double slope = (column_[row + 1] - column_[row]) / BackgroundStep;
        range = {std::min(range.least, slope), std::max(range.greatest, slope)};
    }
    return range;
}

// The threshold runs straight between rows, and on beyond the first and the last: the greatest
// lead is at an end or at a row between.
double ThresholdAtSize::greatestLeadOfLine(double perMagnitude, double leastBackground,
                                           double greatestBackground) const
{
    double greatest = std::max(perMagnitude * leastBackground - logContrast(leastBackground),
                               perMagnitude * greatestBackground - logContrast(greatestBackground));
    const double firstRowAbove = std::floor((leastBackground - FirstBackground) / BackgroundStep) + 1.0;
    for (std::size_t row = static_cast<std::size_t>(std::max(firstRowAbove, 0.0)); row < column_.size(); ++row) {
        const double background = FirstBackground + BackgroundStep * static_cast<double>(row);
        if (background >= greatestBackground)
            break;
        if (background > leastBackground)
            greatest = std::max(greatest, perMagnitude * background - column_[row]);
    }
    return greatest;
}

double thresholdLogContrast(double backgroundMagPerArcsec2, double sizeArcmin)
{
    return ThresholdAtSize(sizeArcmin).logContrast(backgroundMagPerArcsec2);
}
