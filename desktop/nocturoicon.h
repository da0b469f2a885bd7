#pragma once

#include <QIcon>

// Nocturo's window icon, 16 x 16 and 32 x 32 pixels, from the program's own resources.
QIcon nocturoIcon();
