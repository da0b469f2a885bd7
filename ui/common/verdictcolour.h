#pragma once

#include <QColor>
#include <QPalette>

#include <cstddef>

// The colour of a verdict's band (verdict.h, by its index) from the faintest to the easiest: red
// to green, or dark to bright red in night vision.
QColor verdictBandColour(std::size_t band, const QPalette &palette);
