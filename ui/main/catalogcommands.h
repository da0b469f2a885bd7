#pragma once

#include "plan/objectcatalog.h"

#include <QString>

class FileChooser;
class Messages;
class RememberedFolders;
struct FileChoice;
struct FileRequest;

// Loading the catalog at start-up and from "Load Objects File".
//
// When a load fails, the observer is told which file, which line and what is wrong, and is
// asked for another catalog file until one loads. Cancelling that request gives up and
// leaves an empty catalog. A file chosen in the working folder is named by its name alone, one
// elsewhere by its full path, so that the defaults file finds it again either way.
class CatalogCommands {
public:
    CatalogCommands(ObjectCatalog &catalog, FileChooser &files, Messages &messages,
                    RememberedFolders &folders);

    // Loads the catalog's file. Returns whether a catalog loaded. Neither command regenerates the
    // list: the window does that after either.
    bool loadCatalog();

    // "Load Objects File": asks for a catalog file and loads it. Cancelling keeps the catalog
    // that is loaded and its file name.
    bool LoadObj_Click();

private:
    FileRequest catalogFileRequest() const;
    QString loadCurrentFile();
    QString loadChoice(const FileChoice &choice);
    bool askUntilLoaded(QString failure);

    ObjectCatalog &catalog;
    FileChooser &files;
    Messages &messages;
    RememberedFolders &folders;
};
