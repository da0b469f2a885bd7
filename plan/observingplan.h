#pragma once

#include "plan/catalog.h"
#include "plan/importedlist.h"
#include "plan/objectnameindex.h"

#include <QList>
#include <QString>

// An imported list with each of its entries looked up in the catalog: the objects the observer
// plans to see, and the entries the catalog could not name with the reason.

struct PlannedEntry {
    ListEntry entry;
    const CatalogObject *object = nullptr;  // in the plan's catalog; none when unresolved
    QString why;                            // why it is unresolved, without a full stop
};

struct ObservingPlan {
    QString name;     // the list's title; empty when the file gives none
    Catalog catalog;  // keeps the objects the entries point to
    QList<PlannedEntry> entries;
};

// Each entry is the object its first name the catalog knows stands for; an entry none of whose
// names it knows keeps the reason its shown name gives. A list that may open with a title has
// one when its first entry names nothing the catalog knows (and is not its only entry).
ObservingPlan planFromList(const ImportedList &list, const ObjectNameIndex &index);
