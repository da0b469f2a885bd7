#pragma once

#include "plan/catalog.h"
#include "plan/objectnameindex.h"
#include "plan/observation.h"
#include "plan/problem.h"

#include <QByteArray>
#include <QList>
#include <QString>

// The observing log as Open Astronomy Log 2.1 XML, which other logging programs read and write.

// The observations as one OAL 2.1 document: the observer, the sites, sessions, targets (typed and
// placed from the catalog) and scopes the observations name, then one observation each.
QByteArray oalDocument(const QList<Observation> &observations, const Catalog &catalog);

// What an OAL file holds that the log can keep, and how many observations it cannot (no target
// the catalog knows, no time or no place).
struct OalObservations {
    QList<Observation> observations;
    int skipped = 0;
};

// Reads an OAL document of either namespace (groups.google.com and observation.sourceforge.net),
// resolving its targets against the catalog.
Result<OalObservations> readOalDocument(const QByteArray &document, const ObjectNameIndex &names);

// The same for a file; a problem names the file.
Result<OalObservations> readOalFile(const QString &path, const ObjectNameIndex &names);
