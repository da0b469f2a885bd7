#include "ui/main/catalogcommands.h"

#include "catalog/catalogloader.h"
#include "ui/platform/filechooser.h"
#include "ui/platform/messages.h"

#include <QDir>
#include <QFileInfo>

namespace {

const QString MessageTitle = QStringLiteral("Nocturo");

// The file dialog follows every failure message.
const QString ChooseAnotherFile = QStringLiteral("\n\nChoose the catalog file to load.");

QString loadFailureText(const QString &path, const CatalogLoadResult &result)
{
    if (result.lineNumber == 0)  // the file itself: the reason already names it
        return result.problem;
    return QStringLiteral("%1, line %2: %3")
        .arg(QFileInfo(path).fileName(), QString::number(result.lineNumber), result.problem);
}

QString severalFilesText(qsizetype fileCount)
{
    return QStringLiteral("Only one catalog file can be loaded at a time, but %1 files were "
                          "chosen.")
        .arg(fileCount);
}

}  // namespace

CatalogCommands::CatalogCommands(CatalogTable &Catalog, qint16 &CatalogCount,
                                 QString &CatalogFile, FileChooser &files, Messages &messages)
    : Catalog(Catalog), CatalogCount(CatalogCount), CatalogFile(CatalogFile), files(files),
      messages(messages)
{
}

void CatalogCommands::loadCatalog()
{
    askUntilLoaded(loadCurrentFile());
}

void CatalogCommands::LoadObj_Click()
{
    const FileChoice choice = files.chooseFile(catalogFileRequest());
    if (choice.cancelled)
        return;
    askUntilLoaded(loadChoice(choice));
}

FileRequest CatalogCommands::catalogFileRequest() const
{
    FileRequest request;
    request.purpose = FileRequest::Purpose::Open;
    request.presetName = DefaultCatalogFile;
    request.initialFolder = QDir::currentPath();
    request.nameFilters = csvNameFilters();
    return request;
}

// Returns what went wrong, or an empty string when the catalog loaded.
QString CatalogCommands::loadCurrentFile()
{
    const CatalogLoadResult result = loadCatalogFile(CatalogFile, Catalog, CatalogCount);
    return result.ok() ? QString() : loadFailureText(CatalogFile, result);
}

QString CatalogCommands::loadChoice(const FileChoice &choice)
{
    if (choice.paths.size() != 1)
        return severalFilesText(choice.paths.size());
    CatalogFile = choice.paths.first();
    return loadCurrentFile();
}

// The fall-back after a failed load: a loop, not a recursion, so that failing choices never
// pile up, and one the observer can leave by cancelling.
void CatalogCommands::askUntilLoaded(QString failure)
{
    while (!failure.isEmpty()) {
        messages.showMessage(MessageTitle, failure + ChooseAnotherFile);
        CatalogFile = DefaultCatalogFile;
        const FileChoice choice = files.chooseFile(catalogFileRequest());
        if (choice.cancelled) {
            CatalogCount = 0;
            return;
        }
        failure = loadChoice(choice);
    }
}
