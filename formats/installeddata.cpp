#include "formats/installeddata.h"

QString installedDataFolder()
{
    // Set by the build from the installation prefix, so that it matches the install rules.
    return QStringLiteral(NOCTURO_INSTALLED_DATA_DIR);
}
