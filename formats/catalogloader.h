#pragma once

#include "plan/catalog.h"
#include "plan/problem.h"

#include <QString>
#include <QStringList>

// Reads the catalog file at path. Line 1 is a header, ignored whatever it holds; every further
// line is one object, and blank lines at the end of the file are ignored. A load stops at the
// first line that cannot be read: its problem names the file and the line (the header being
// line 1); a file that cannot be read at all is a problem whose reason names it.
Result<Catalog> loadCatalogFile(const QString &path);

// The same for a file already split into lines; problems name the line only.
Result<Catalog> loadCatalogLines(const QStringList &lines);
