#include "ui/main/catalogcommands.h"

#include "formats/catalogloader.h"
#include "formats/workingfolder.h"
#include "plan/application.h"
#include "plan/planner.h"
#include "ui/common/singlelinetext.h"
#include "ui/platform/filechooser.h"
#include "ui/platform/messages.h"

#include <QFileInfo>

namespace {

// The file dialog follows every failure message.
const QString ChooseAnotherFile = QStringLiteral("\n\nChoose the catalog file to load.");

}  // namespace

CatalogCommands::CatalogCommands(Planner &planner, FileChooser &files, Messages &messages, RememberedFolders &folders)
    : planner(planner), files(files), messages(messages), folders(folders)
{
}

bool CatalogCommands::loadNamedCatalog()
{
    return askUntilLoaded(loadFile(planner.catalogFile()));
}

bool CatalogCommands::chooseCatalog()
{
    const FileChoice choice = files.chooseFile(catalogFileRequest());
    if (choice.cancelled)
        return false;
    return askUntilLoaded(loadChoice(choice));
}

FileRequest CatalogCommands::catalogFileRequest() const
{
    FileRequest request;
    request.purpose = FileRequest::Purpose::Open;
    request.presetName = DefaultCatalogFile;
    request.initialFolder = folders.folderFor(FileKind::Catalog);
    request.nameFilters = catalogNameFilters();
    return request;
}

// Returns what went wrong, or an empty string when the catalog loaded. Until one has, the planner
// keeps the catalog it has and the name of its file.
QString CatalogCommands::loadFile(const QString &file)
{
    if (file.isEmpty())
        return QStringLiteral("No catalog file is named: line 15 of the defaults file is empty.");
    Result<Catalog> loaded = loadCatalogFile(file);
    if (!loaded.ok()) {
        Problem problem = loaded.problem();
        if (!problem.file.isEmpty())
            problem.file = QFileInfo(problem.file).fileName();
        return problemText(problem);
    }
    planner.setCatalogFile(file);
    planner.setCatalog(std::move(loaded.value()));
    return {};
}

QString CatalogCommands::loadChoice(const FileChoice &choice)
{
    if (choice.paths.size() != 1)
        return QStringLiteral("Only one catalog file can be loaded at a time, but %1 files were chosen.")
            .arg(choice.paths.size());
    const QString path = choice.paths.first();
    if (holdsLineBreak(path))
        return QStringLiteral("The file name \"%1\" holds a line break, which the defaults file cannot keep.")
            .arg(withoutLineBreaksOrTabs(path));
    folders.remember(FileKind::Catalog, path);
    return loadFile(nameForDefaults(path));
}

// The fall-back after a failed load: a loop, not a recursion, so that failing choices never
// pile up, and one the observer can leave by cancelling.
bool CatalogCommands::askUntilLoaded(QString failure)
{
    while (!failure.isEmpty()) {
        messages.showWarning(ApplicationTitle, failure + ChooseAnotherFile);
        const FileChoice choice = files.chooseFile(catalogFileRequest());
        if (choice.cancelled)
            return false;
        failure = loadChoice(choice);
    }
    return true;
}
