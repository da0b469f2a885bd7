#pragma once

#include "plan/objectcatalog.h"
#include "sky/horizonprofile.h"
#include "formats/defaultsfile.h"

#include <QString>

#include <optional>

// What a working folder holds for a list: its defaults file (or the values of a first start
// where it has none), the catalog the defaults name, and the horizon profile they name. Names
// in the defaults file are relative to the folder.
struct FolderSetup {
    SavedDefaults defaults;
    ObjectCatalog catalog;
    std::optional<HorizonProfile> profile;
    QString problem;  // what could not be read, naming the file; empty when all was read

    bool ok() const { return problem.isEmpty(); }
    const HorizonProfile *horizon() const { return profile ? &*profile : nullptr; }
};

// horizonFile, when not empty, stands instead of the profile the defaults file names (a relative
// name is taken from the current folder, as a shell gives it).
FolderSetup readFolderSetup(const QString &folder, const QString &horizonFile = {});
