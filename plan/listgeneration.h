#pragma once

#include "plan/localenumbers.h"
#include "plan/sessioninputs.h"
#include "plan/catalogobject.h"

#include <QLocale>

class HorizonProfile;
#include <QString>

#include <span>

class ListGrid;

// The results grid's column layout: eleven left-aligned columns whose headings' trailing
// blanks set the column widths.
extern const QString ResultsLayout;

struct ObjectPlacement {
    AltAz start;
    AltAz end;
    double hoursToTransit = 0.0;
};

// Where an object stands at the start and at the end of the session.
ObjectPlacement placeObject(double localSiderealDeg, double raDeg, double decDeg, double latDeg,
                            double sessionLengthHours);

// Whether a placed object passes every filter of the session. An object whose size or
// magnitude text is not a number is not listed. With a horizon profile, the object must stand
// above the profile at its azimuth as well as above the minimum elevation, at both instants.
bool passesFilters(const CatalogObject &object, const ObjectPlacement &placement,
                   const SessionInputs &inputs, const HorizonProfile *profile = nullptr);

// The grid text of one listed object: eleven cells, each followed by a TAB.
QString ResultRow(const CatalogObject &object, const LocaleNumbers &numbers);

struct ListOutcome {
    int ResultCount = 0;
    QList<FieldProblem> problems;  // inputs that could not be read; nothing is listed then
    SessionInputs inputs;          // as read, when there are no problems

    bool ok() const { return problems.isEmpty(); }
};

// One list generation: resets the grid, places every loaded object, writes Alt, Az,
// HrsToTransit and Listed into it, and shows the listed objects' rows below the heading in
// reverse catalog order (the listed object with the highest index on top).
ListOutcome generateList(const SessionParameters &parameters, std::span<CatalogObject> catalog,
                         ListGrid &grid, const QLocale &locale, const HorizonProfile *profile = nullptr);

// The same for inputs already read; returns the number of objects listed.
int generateList(const SessionInputs &inputs, std::span<CatalogObject> catalog, ListGrid &grid,
                 const QLocale &locale, const HorizonProfile *profile = nullptr);
