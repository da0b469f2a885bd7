#pragma once

#include <QString>

#include <functional>

// The observing list as tab-separated text: a heading line of its own, then one line per
// results-grid row in the order the grid shows them, every line ended by CR LF.
using GridCellReader = std::function<QString(int row, int col)>;

QString buildResultsText(int resultCount, const GridCellReader &cell);
