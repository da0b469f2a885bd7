#pragma once

#include "catalog/catalogobject.h"

#include <QString>
#include <QStringList>

// The catalog file that the program looks for in the current directory, and falls back to
// after a failed load.
inline const QString DefaultCatalogFile = QStringLiteral("Objects.csv");

// Where and why a load stopped. A load stops at the first fault: the objects read before it
// stay in their slots and the count counts them.
struct CatalogLoadResult {
    int lineNumber = 0;  // the file line at fault, the header being line 1; 0 for the file itself
    QString problem;     // empty when the whole file was loaded

    bool ok() const { return problem.isEmpty(); }
};

// Reads the catalog file at path (relative to the current directory) into the table from
// slot 0 and sets catalogCount to the number of objects read. Line 1 is a header, ignored
// whatever it holds; every further line is one object. Slots above the count keep what an
// earlier load left there, and the list's own fields of every slot are left alone.
CatalogLoadResult loadCatalogFile(const QString &path, CatalogTable &catalog, qint16 &catalogCount);

// The same for a file already split into lines.
CatalogLoadResult loadCatalogLines(const QStringList &lines, CatalogTable &catalog,
                                   qint16 &catalogCount);
