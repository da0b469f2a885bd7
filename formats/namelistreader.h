#pragma once

#include "plan/importedlist.h"

#include <QStringView>

// A list of names, one a line, as observers type them and as Cartes du Ciel writes a list before
// it has looked up the objects' positions (a title line first). Blank lines and lines that begin
// with "#" are passed over; each name is trimmed. The first line may be a title.
ImportedList readNameList(QStringView text);
