#pragma once

#include <QString>

// The folder where an installed Nocturo keeps its shipped files: the user guide, the catalog
// and the cities table (share/nocturo below the installation prefix).
QString installedDataFolder();
