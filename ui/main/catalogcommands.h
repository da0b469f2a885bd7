#pragma once

#include <QString>

class FileChooser;
class Messages;
class Planner;
class RememberedFolders;
struct FileChoice;
struct FileRequest;

// Loading the catalog at start-up and from "Load Objects File".
//
// When a load fails, the observer is told which file, which line and what is wrong, and is
// asked for another catalog file until one loads. Cancelling that request gives up and keeps
// the catalog there was and the name of its file. A file chosen in the working folder is named
// by its name alone, one elsewhere by its full path, so that the defaults file finds it again
// either way.
class CatalogCommands {
public:
    CatalogCommands(Planner &planner, FileChooser &files, Messages &messages, RememberedFolders &folders);

    // Loads the catalog file the planner names. Returns whether a catalog loaded.
    bool loadNamedCatalog();

    // Asks for a catalog file and loads it. Cancelling keeps the catalog that is loaded and its
    // file name.
    bool chooseCatalog();

private:
    FileRequest catalogFileRequest() const;
    QString loadFile(const QString &file);
    QString loadChoice(const FileChoice &choice);
    bool askUntilLoaded(QString failure);

    Planner &planner;
    FileChooser &files;
    Messages &messages;
    RememberedFolders &folders;
};
