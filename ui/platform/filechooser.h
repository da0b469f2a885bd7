#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

// The file dialog, reached through an interface so that tests can script it. No dialog changes
// the program's working folder: the files Nocturo keeps (defaults.txt, cities.csv, the catalog it
// names) always stay there.

struct FileRequest {
    enum class Purpose { Open, Save };

    Purpose purpose = Purpose::Open;
    QString presetName;       // "Objects.csv", "results.txt"
    QString initialFolder;
    QStringList nameFilters;  // the first one is offered first
};

struct FileChoice {
    bool cancelled = true;
    QStringList paths;  // absolute; several when the observer picked several files
    QString nameFilter; // the filter the dialog showed when the choice was made
};

class FileChooser {
public:
    virtual ~FileChooser() = default;

    // Waits for the observer's choice. Saving over an existing file asks first.
    virtual FileChoice chooseFile(const FileRequest &request) = 0;
};

// The kinds of file the dialogs are opened for; each opens where the last one of its kind was
// chosen, the working folder at first.
enum class FileKind { Catalog, Results, HorizonProfile, ExportedList, ImportedList };

class RememberedFolders {
public:
    QString folderFor(FileKind kind) const;
    void remember(FileKind kind, const QString &chosenPath);

private:
    QHash<FileKind, QString> m_folders;
};

QStringList catalogNameFilters();
QStringList resultsNameFilters();
QStringList horizonProfileNameFilters();
QStringList observingListNameFilters();
