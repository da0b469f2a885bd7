#pragma once

#include "plan/importedlist.h"
#include "plan/problem.h"

#include <QString>

// An observing list another program wrote, whichever of SkySafari (.skylist), Stellarium (.sol),
// Cartes du Ciel, a table with a header (.csv) or plain names one a line it is: told apart by
// what the file holds, and by its extension where the text alone cannot tell.
Result<ImportedList> readObservingList(const QString &text, const QString &fileSuffix);

// The same for a file, read as every text file is; a problem names the file.
Result<ImportedList> readObservingListFile(const QString &path);
