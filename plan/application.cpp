#include "plan/application.h"

QString applicationVersion()
{
    return QStringLiteral(NOCTURO_VERSION);
}
