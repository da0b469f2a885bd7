#include "formats/foldersetup.h"

#include "formats/catalogloader.h"
#include "formats/horizonprofilefile.h"
#include "formats/textfile.h"

#include <QDir>
#include <QFileInfo>

namespace {

// Why the folder cannot hold a list, when it cannot: it is missing or it is a file.
std::optional<Problem> folderRefusal(const QString &folderPath)
{
    const QFileInfo folder(folderPath);
    const QString shown = QDir::toNativeSeparators(folder.absoluteFilePath());
    if (!folder.exists())
        return Problem::because(QStringLiteral("There is no folder \"%1\".").arg(shown));
    if (!folder.isDir())
        return Problem::because(QStringLiteral("\"%1\" is a file, not a folder.").arg(shown));
    return std::nullopt;
}

std::optional<Problem> readDefaults(const QDir &folder, FolderSetup &setup)
{
    const QString path = folder.filePath(DefaultsFileName);
    if (!QFileInfo::exists(path))
        return std::nullopt;  // a first start keeps the window's own first values
    setup.defaultsFile = QDir::toNativeSeparators(path);
    const Result<QStringList> file = readTextLines(path);
    if (!file.ok())
        return file.problem();
    const DefaultsReading reading = readDefaultsLines(file.value(), setup.defaults);
    if (!reading.ok())
        return Problem::inFile(setup.defaultsFile, reading.problem->what);
    return std::nullopt;
}

Result<Catalog> loadCatalog(const QDir &folder, const QString &catalogFile)
{
    if (catalogFile.isEmpty())
        return Problem::because(QStringLiteral("No catalog file is named: line 15 of the defaults file is empty."));
    Result<Catalog> loaded = loadCatalogFile(folder.filePath(catalogFile));
    if (loaded.ok())
        return loaded;
    Problem problem = loaded.problem();
    problem.file = QDir::toNativeSeparators(problem.file);
    return problem;
}

}  // namespace

Result<FolderSetup> readFolderSetup(const QString &folderPath, const QString &horizonFile)
{
    if (const auto problem = folderRefusal(folderPath))
        return *problem;
    const QDir folder(folderPath);
    FolderSetup setup;
    if (const auto problem = readDefaults(folder, setup))
        return *problem;
    Result<Catalog> catalog = loadCatalog(folder, setup.defaults.catalogFile);
    if (!catalog.ok())
        return catalog.problems();
    setup.catalog = std::move(catalog.value());
    const QString profileFile = horizonFile.isEmpty() && !setup.defaults.horizonFile.isEmpty()
                                    ? folder.filePath(setup.defaults.horizonFile)
                                    : horizonFile;
    if (profileFile.isEmpty())
        return setup;
    Result<HorizonProfile> profile = readHorizonProfileFile(profileFile);
    if (!profile.ok())
        return profile.problems();
    setup.profile = std::move(profile.value());
    return setup;
}

Result<Session> readFolderSession(const FolderSetup &setup, const SessionTexts &given)
{
    SessionTexts texts = setup.defaults.session;
    for (const SessionField field :
         {SessionField::Date, SessionField::StartTime, SessionField::GmtDeviation, SessionField::TimeZone})
        texts[field] = given[field];
    Result<Session> session = readSession(texts, QLocale());
    if (session.ok())
        return session;
    const Problem &first = session.problem();
    const QString what = QStringLiteral("%1 \"%2\" cannot be read. %3")
                             .arg(sessionFieldCaption(*first.field), texts[*first.field], first.what);
    const std::optional<int> line = defaultsLineOf(*first.field);
    return line ? Problem{setup.defaultsFile, *line, first.field, what} : Problem::because(what);
}

Result<SkyAndTelescope> readFolderSkyAndTelescope(const FolderSetup &setup)
{
    const ObserverTexts &texts = setup.defaults.observer;
    Result<SkyAndTelescope> observer = readSkyAndTelescope(texts, QLocale());
    if (observer.ok())
        return observer;
    const ObserverField field = *observer.problem().observerField;
    Problem problem{setup.defaultsFile, defaultsLineOf(field), std::nullopt,
                    QStringLiteral("%1 \"%2\" cannot be read. %3")
                        .arg(observerFieldCaption(field), texts[field], observer.problem().what),
                    field};
    return problem;
}
