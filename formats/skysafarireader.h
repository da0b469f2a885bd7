#pragma once

#include "plan/importedlist.h"

#include <QStringView>

// A SkySafari observing list (.skylist): after its version line, one block per object,
//   SkyObject=BeginObject
//      ObjectID=4,-1,-1
//      CommonName=Andromeda Galaxy
//      CatalogNumber=M 31
//      CatalogNumber=NGC 224
//   EndObject=SkyObject
// Versions before 3 end a block with SkyObject=EndObject instead. An entry's names are its
// catalog numbers in the file's order, then its common name; its line is the block's first.
// Lines may be indented; an unknown key is passed over, and a block the file does not end
// still counts.
ImportedList readSkySafariList(QStringView text);

// Whether the text is a SkySafari list rather than another program's.
bool isSkySafariList(QStringView text);
