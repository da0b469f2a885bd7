#include "desktop/nocturoicon.h"

QIcon nocturoIcon()
{
    QIcon icon;
    icon.addFile(QStringLiteral(":/icons/nocturo-16.png"), QSize(16, 16));
    icon.addFile(QStringLiteral(":/icons/nocturo-32.png"), QSize(32, 32));
    return icon;
}
