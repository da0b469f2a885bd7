#pragma once

#include "ui/year/yearmap.h"

#include <QImage>
#include <QPalette>

#include <optional>

class QFont;

// The heat map as a picture: the nights across, the hours from evening (top) to morning down,
// the dark hours shaded, the object's visible minutes coloured by its verdict where the telescope
// judged it or else by its altitude, a scale of the colours beside, the months along the foot and the full and new Moons above. Drawn once for a
// map and a size, so that showing it again costs a copy.
QImage drawYearMap(const YearMap &map, QSize size, const QPalette &palette, const QFont &font);

// The night of the map drawn under a point of a picture of that size; none outside the nights.
std::optional<std::size_t> yearMapNightAt(QPoint point, QSize size, const YearMap &map);
