#pragma once

#include "plan/application.h"

#include <QFont>

// What every Nocturo window shares: the program's title and the font.

// The windows were designed for MS Sans Serif 8.25 pt. Where it is missing, Liberation Sans
// stands in: it has the narrow metrics the layouts were drawn around.
QFont windowFont(double pointSize = 8.25, bool bold = false);
