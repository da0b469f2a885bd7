#pragma once

#include "formats/defaultsfile.h"
#include "plan/catalog.h"
#include "plan/problem.h"
#include "plan/session.h"
#include "sky/horizonprofile.h"

#include <QString>

#include <optional>

// What a working folder holds for a list: its defaults file (or the values of a first start
// where it has none), the catalog the defaults name, and the horizon profile they name. Names
// in the defaults file are relative to the folder.
struct FolderSetup {
    QString defaultsFile;  // its path as the observer knows it; empty where the folder has none
    SavedDefaults defaults;
    Catalog catalog;
    std::optional<HorizonProfile> profile;
};

inline const HorizonProfile *horizonOf(const FolderSetup &setup)
{
    return setup.profile ? &*setup.profile : nullptr;
}

// A folder that is missing or is a file is refused as such. horizonFile, when not empty, stands
// instead of the profile the defaults file names (a relative name is taken from the current
// folder, as a shell gives it). A problem names the file.
Result<FolderSetup> readFolderSetup(const QString &folder, const QString &horizonFile = {});

// The session of the folder's defaults with the date, time and GMT deviation given. A value of
// the defaults file that cannot be read is named with the file and its line.
Result<Session> readFolderSession(const FolderSetup &setup, const SessionTexts &given);

// The observer's sky and telescope of the folder's defaults (the first values where the file has
// none). A value that cannot be read is named with the file and its line.
Result<SkyAndTelescope> readFolderSkyAndTelescope(const FolderSetup &setup);
