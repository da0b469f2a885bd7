#pragma once

#include "plan/importedlist.h"
#include "plan/problem.h"

#include <QString>

// A Stellarium observing list (.sol, JSON). Since version 2 of the format the lists are under
// "observingLists", each under its own id, and "defaultListOlud" names the observer's default
// one; version 1.0 has the one list's "objects" at the top. Keys are matched whatever their
// case, as hand-edited files differ. The default list is read, or every list in turn where the
// file names none. An entry's names are the object's "designation", then its "name" and
// "nameI18n"; its line is the one its first name is on. Text that is not JSON, or JSON without
// a list, is a problem.
Result<ImportedList> readStellariumList(const QString &text);

// Whether the text is JSON rather than lines.
bool isJsonText(QStringView text);
