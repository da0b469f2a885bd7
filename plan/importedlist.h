#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// An observing list as another program wrote it, before its names are looked up in the catalog.

// One object of the list: the names the file gives it, the one to show first (a SkySafari list
// gives several catalog numbers and a common name, a Stellarium list a designation and a name),
// and the line of the file it starts on (1 for the first).
struct ListEntry {
    QStringList names;
    int line = 0;

    QString shownName() const { return names.value(0); }

    friend bool operator==(const ListEntry &, const ListEntry &) = default;
};

struct ImportedList {
    QString title;  // the list's own name where the file gives one
    QList<ListEntry> entries;
    // A list of bare names may open with a title line (as Cartes du Ciel writes one) or with a
    // name: only the catalog can tell which.
    bool firstEntryMayBeTitle = false;
};
