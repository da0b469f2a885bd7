#pragma once

#include "catalog/catalogobject.h"

#include <QString>

class FileChooser;
class Messages;
struct FileChoice;
struct FileRequest;

// Loading the catalog at start-up and from "Load Objects File", on the main window's own
// catalog state.
//
// When a load fails, the observer is told which file, which line and what is wrong, and is
// asked for another catalog file until one loads. Cancelling that request gives up and
// leaves an empty catalog.
class CatalogCommands {
public:
    CatalogCommands(CatalogTable &Catalog, qint16 &CatalogCount, QString &CatalogFile,
                    FileChooser &files, Messages &messages);

    // Loads CatalogFile. Neither this nor LoadObj_Click regenerates the list.
    void loadCatalog();

    // "Load Objects File": asks for a catalog file and loads it. Cancelling keeps the
    // catalog that is loaded and its file name.
    void LoadObj_Click();

private:
    FileRequest catalogFileRequest() const;
    QString loadCurrentFile();
    QString loadChoice(const FileChoice &choice);
    void askUntilLoaded(QString failure);

    CatalogTable &Catalog;
    qint16 &CatalogCount;
    QString &CatalogFile;
    FileChooser &files;
    Messages &messages;
};
