#pragma once

#include "plan/objectcatalog.h"

#include <QString>
#include <QStringList>

// Where and why a load stopped. A load stops at the first fault: the objects read before it
// stay in their slots and the count counts them.
struct CatalogLoadResult {
    int lineNumber = 0;  // the file line at fault, the header being line 1; 0 for the file itself
    QString problem;     // empty when the whole file was loaded

    bool ok() const { return problem.isEmpty(); }
};

// Reads the catalog file at path into the table from slot 0 and sets the count to the number
// of objects read. Line 1 is a header, ignored whatever it holds; every further line is one
// object, and blank lines at the end of the file are ignored. The list's own fields of every
// slot are left alone.
CatalogLoadResult loadCatalogFile(const QString &path, ObjectCatalog &catalog);

// The same for a file already split into lines.
CatalogLoadResult loadCatalogLines(const QStringList &lines, ObjectCatalog &catalog);
