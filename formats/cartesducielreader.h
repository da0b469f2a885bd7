#pragma once

#include "plan/importedlist.h"

#include <QStringView>

// A Cartes du Ciel observing list with its objects' positions: a title line, then per object
// the name in columns 1-32, RA and Dec in decimal degrees in 33-42 and 43-52, the catalog's name
// of the object in 53-84 and a description from 85 (P. Chevalley, Cartes du Ciel documentation,
// "Observing List"). An entry's names are the name, then the catalog's name. Without positions
// the list is a title line and names, which readNameList reads.
ImportedList readCartesDuCielList(QStringView text);

// Whether some line after the first holds a position in columns 33-52.
bool hasCartesDuCielPositions(QStringView text);
