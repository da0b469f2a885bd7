#include "ui/main/catalogcommands.h"

#include "formats/catalogloader.h"
#include "ui/common/singlelinetext.h"
#include "ui/common/windowlook.h"
#include "formats/workingfolder.h"
#include "ui/platform/filechooser.h"
#include "ui/platform/messages.h"

#include <QDir>
#include <QFileInfo>

namespace {

// The file dialog follows every failure message.
const QString ChooseAnotherFile = QStringLiteral("\n\nChoose the catalog file to load.");

QString loadFailureText(const QString &path, const CatalogLoadResult &result)
{
    if (result.lineNumber == 0)  // the file itself: the reason already names it
        return result.problem;
    return QStringLiteral("%1, line %2: %3")
        .arg(QFileInfo(path).fileName(), QString::number(result.lineNumber), result.problem);
}

}  // namespace

CatalogCommands::CatalogCommands(ObjectCatalog &catalog, FileChooser &files, Messages &messages,
                                 RememberedFolders &folders)
    : catalog(catalog), files(files), messages(messages), folders(folders)
{
}

bool CatalogCommands::loadCatalog()
{
    return askUntilLoaded(loadCurrentFile());
}

bool CatalogCommands::LoadObj_Click()
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

// Returns what went wrong, or an empty string when the catalog loaded.
QString CatalogCommands::loadCurrentFile()
{
    if (catalog.CatalogFile.isEmpty()) {
        catalog.CatalogCount = 0;
        return QStringLiteral("No catalog file is named: line 15 of the defaults file is empty.");
    }
    const CatalogLoadResult result = loadCatalogFile(catalog.CatalogFile, catalog);
    return result.ok() ? QString() : loadFailureText(catalog.CatalogFile, result);
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
    catalog.CatalogFile = nameForDefaults(path);
    return loadCurrentFile();
}

// The fall-back after a failed load: a loop, not a recursion, so that failing choices never
// pile up, and one the observer can leave by cancelling.
bool CatalogCommands::askUntilLoaded(QString failure)
{
    while (!failure.isEmpty()) {
        messages.showMessage(ApplicationTitle, failure + ChooseAnotherFile);
        catalog.CatalogFile = DefaultCatalogFile;
        const FileChoice choice = files.chooseFile(catalogFileRequest());
        if (choice.cancelled) {
            catalog.CatalogCount = 0;
            return false;
        }
        failure = loadChoice(choice);
    }
    return true;
}
