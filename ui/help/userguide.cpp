#include "ui/help/userguide.h"

#include <QDir>
#include <QFileInfo>

QUrl userGuideAddress(const QStringList &folders)
{
    QString guide;
    for (const QString &folder : folders) {
        guide = QDir(folder).absoluteFilePath(QLatin1String(UserGuideFileName));
        if (QFileInfo(guide).isFile())
            break;
    }
    return QUrl::fromLocalFile(guide);
}
