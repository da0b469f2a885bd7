#pragma once

#include <QString>
#include <QStringList>

// The file dialog, reached through an interface so that tests can script it.

struct FileRequest {
    enum class Purpose { Open, Save };

    Purpose purpose = Purpose::Open;
    QString presetName;       // "Objects.csv", "results.txt"
    QString initialFolder;    // the process's current directory
    QStringList nameFilters;  // "Catalog files (*.csv)", "All files (*)"
};

struct FileChoice {
    bool cancelled = true;
    QStringList paths;  // absolute; several when the observer picked several files
};

class FileChooser {
public:
    virtual ~FileChooser() = default;

    // Waits for the observer's choice. Implementations make the chosen file's folder the
    // process's current directory, so that relative names resolve there from then on.
    virtual FileChoice chooseFile(const FileRequest &request) = 0;
};

// The filters that both file commands offer.
QStringList csvNameFilters();
