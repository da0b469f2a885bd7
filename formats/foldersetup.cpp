#include "formats/foldersetup.h"

#include "formats/catalogloader.h"
#include "formats/textfile.h"
#include "formats/horizonprofilefile.h"

#include <QDir>
#include <QFileInfo>

namespace {

// A start without a defaults file keeps the window's own first values.
SavedDefaults firstStartDefaults()
{
    SavedDefaults defaults;
    defaults.CatalogFile = DefaultCatalogFile;
    return defaults;
}

QString readDefaults(const QDir &folder, SavedDefaults &defaults)
{
    const QString path = folder.filePath(defaultsFileName());
    if (!QFileInfo::exists(path))
        return {};
    const TextFileLines file = readTextLines(path);
    if (!file.ok())
        return file.problem;
    const DefaultsReading reading = readDefaultsLines(file.lines, defaults);
    if (!reading.ok())
        return QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(path), reading.problem);
    return {};
}

QString loadCatalog(const QDir &folder, ObjectCatalog &catalog)
{
    if (catalog.CatalogFile.isEmpty())
        return QStringLiteral("No catalog file is named: line 15 of the defaults file is empty.");
    const QString path = folder.filePath(catalog.CatalogFile);
    const CatalogLoadResult result = loadCatalogFile(path, catalog);
    if (result.ok())
        return {};
    if (result.lineNumber == 0)
        return result.problem;
    return QStringLiteral("%1, line %2: %3").arg(QDir::toNativeSeparators(path)).arg(result.lineNumber).arg(result.problem);
}

}  // namespace

FolderSetup readFolderSetup(const QString &folderPath, const QString &horizonFile)
{
    const QDir folder(folderPath);
    FolderSetup setup;
    setup.defaults = firstStartDefaults();
    setup.problem = readDefaults(folder, setup.defaults);
    if (!setup.ok())
        return setup;
    setup.catalog.CatalogFile = setup.defaults.CatalogFile;
    setup.problem = loadCatalog(folder, setup.catalog);
    if (!setup.ok())
        return setup;
    const QString profileFile = horizonFile.isEmpty() && !setup.defaults.HorizonProfile.isEmpty()
                                    ? folder.filePath(setup.defaults.HorizonProfile)
                                    : horizonFile;
    if (profileFile.isEmpty())
        return setup;
    HorizonProfileReading reading = readHorizonProfileFile(profileFile);
    setup.problem = reading.problem;
    if (reading.ok())
        setup.profile = std::move(reading.profile);
    return setup;
}
