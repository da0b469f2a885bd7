#pragma once

#include "plan/catalog.h"
#include "plan/problem.h"

#include <QString>
#include <QStringView>

// One data line of the catalog file: twelve fields cut at eleven separators, each searched
// from just after the previous one:
//
//   identifier , Messier , RA hours <blank> RA minutes , Dec degrees <blank> Dec minutes ,
//   size x size2 , magnitude , type , constellation , comment (may hold commas)
//
// Every field loses its leading and trailing blanks (spaces only); a tab counts as a blank, so
// that no field holds one. The type is lower-cased. Right-ascension hours are rounded to whole
// hours, a half going to the even neighbour. Numbers always use "." as the decimal point,
// whatever the observer's locale, and the position must be on the sky: right ascension 0 to
// 24 hours, declination -90 to 90 degrees.

// Size and magnitude are read into numbers as well, where they are numbers; written as numbers,
// they must be finite, and the size not negative. The type text names the object's filter types.
Result<CatalogObject> parseCatalogLine(QStringView line);
