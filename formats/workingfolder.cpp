#include "formats/workingfolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

const QStringList SeededFileNames = {QStringLiteral("Objects.csv"), QStringLiteral("OpenNGC.csv"),
                                     QStringLiteral("cities.csv")};

bool startedFromDesktop(const QStringList &arguments)
{
    return arguments.indexOf(QLatin1String(DesktopStartOption), 1) >= 0;
}

// Copies the shipped files the folder lacks. The copies must be writable by the observer even
// when the installed originals are read-only, as they are on many systems.
void seedFolder(const QDir &folder, const QDir &installed)
{
    for (const QString &name : SeededFileNames) {
        const QString target = folder.filePath(name);
        if (QFile::exists(target))
            continue;
        if (QFile::copy(installed.filePath(name), target))
            QFile::setPermissions(target, QFile::permissions(target) | QFile::WriteOwner);
    }
}

} // namespace

QString nameForDefaults(const QString &chosenPath)
{
    const QFileInfo chosen(chosenPath);
    const bool inWorkingFolder = chosen.absoluteDir() == QDir(QDir::currentPath());
    return inWorkingFolder ? chosen.fileName() : chosen.absoluteFilePath();
}

QString defaultUserDataFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/nocturo");
}

QString enterWorkingFolder(const QStringList &arguments, const QString &installedDataFolder,
                           const QString &userDataFolder)
{
    if (startedFromDesktop(arguments) && QDir().mkpath(userDataFolder)) {
        seedFolder(QDir(userDataFolder), QDir(installedDataFolder));
        QDir::setCurrent(userDataFolder);
    }
    return QDir::currentPath();
}
