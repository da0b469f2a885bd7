#pragma once

#include "plan/catalogobject.h"

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

struct CatalogLineResult {
    CatalogObject object;  // the file's ten fields; the list's own fields keep their defaults
    QString problem;       // what is wrong with the line, empty when it was read

    bool ok() const { return problem.isEmpty(); }
};

CatalogLineResult parseCatalogLine(QStringView line);
