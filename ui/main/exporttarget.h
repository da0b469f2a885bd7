#pragma once

#include "formats/listexport.h"
#include "ui/platform/filechooser.h"

// The save dialog of "Export List As...": one filter a format, the first format offered first.
FileRequest exportFileRequest(const QString &listName, const QString &initialFolder);

// Where a chosen file is written and in which format: the format of the filter chosen, else the
// one the file's extension names, else the first; a name without the format's extension gets it.
struct ExportTarget {
    QString path;
    ExportFormat format = ExportFormat::SkySafari;
};

ExportTarget exportTarget(const QString &chosenPath, const QString &nameFilter);
