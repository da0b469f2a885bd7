#pragma once

#include <QString>

// One deep-sky object of the catalog. The first ten fields come from the catalog file;
// the last four are written by every list generation.
struct CatalogObject {
    QString Identifier;
    QString Messier;      // may be empty
    double RA = 0.0;      // degrees
    double Dec = 0.0;     // degrees, negative south
    QString Size;         // major axis, arcminutes, as written in the file
    QString Size2;        // minor axis, kept only
    QString Mag;          // as written in the file
    QString ObjType;      // lower case
    QString Constellation;
    QString Comment;      // kept only

    double Alt = 0.0;           // degrees, at session start
    double Az = 0.0;            // degrees, at session start
    double HrsToTransit = 0.0;  // hours, from the hour angle at session start
    bool Listed = false;
};
