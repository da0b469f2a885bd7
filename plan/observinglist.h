#pragma once

#include "plan/catalog.h"
#include "plan/objectseeing.h"
#include "plan/session.h"
#include "sky/horizontal.h"

#include <QDate>
#include <QHash>

#include <optional>
#include <vector>

class HorizonProfile;

// Where an object stands at the start and at the end of the session.
struct ObjectPlacement {
    AltAz start;
    AltAz end;
    double hoursToTransit = 0.0;  // from the hour angle at the start
};

ObjectPlacement placeObject(double localSiderealDeg, double raDeg, double decDeg, double latDeg,
                            double sessionLengthHours);

// Whether a placed object passes every filter of the session: the azimuth window and the minimum
// elevation at both instants, above the horizon profile at both when there is one, size,
// magnitude and type. An object without a numeric size or magnitude is never listed.
bool passesFilters(const CatalogObject &object, const ObjectPlacement &placement, const Session &session,
                   const HorizonProfile *profile);

// The filters that do not depend on where the object stands: size, magnitude and type.
bool passesObjectFilters(const CatalogObject &object, const Session &session);

// The local sidereal time at the session's start, which every object's placement starts from.
double sessionStartSiderealDeg(const Session &session);

// One object of the list and where it stands.
struct ListedObject {
    const CatalogObject *object = nullptr;  // in the list's catalog
    ObjectPlacement placement;
    std::optional<ObjectSeeing> seeing = std::nullopt;  // only when something asked for it (see Planner)
    QDate lastObserved = {};  // from the observing log, when the Planner has one; invalid otherwise
};

// The objects that pass the session's filters, and the session and catalog they were found for.
struct ObservingList {
    Session session;
    Catalog catalog;                 // keeps the objects alive as long as the list
    std::vector<ListedObject> rows;  // in the list's own order: the highest catalog index first

    int size() const { return int(rows.size()); }
};

// Gives each row the local date the observing log last has its object seen or glimpsed;
// rows of objects the log does not have get none.
void markObservedRows(std::vector<ListedObject> &rows, const QHash<QString, QDate> &lastObserved);

ObservingList generateList(const Session &session, const Catalog &catalog, const HorizonProfile *profile);
