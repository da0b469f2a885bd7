#include "plan/observinglist.h"

#include "sky/horizonprofile.h"
#include "sky/vectorstate.h"

namespace {

bool passesSizeAndMagnitude(const CatalogObject &object, const Session &session)
{
    return object.sizeArcmin && object.magnitude && *object.sizeArcmin >= session.minSizeArcmin
           && *object.sizeArcmin <= session.maxSizeArcmin && *object.magnitude <= session.faintestMag;
}

bool clearsProfile(const ObjectPlacement &placement, const HorizonProfile &profile)
{
    return placement.start.Alt >= profile.altitudeDeg(placement.start.Az)
           && placement.end.Alt >= profile.altitudeDeg(placement.end.Az);
}

}  // namespace

ObjectPlacement placeObject(double localSiderealDeg, double raDeg, double decDeg, double latDeg,
                            double sessionLengthHours)
{
    const double startHaDeg = hourAngleDeg(localSiderealDeg, raDeg);
    const double endHaDeg = sessionEndHourAngleDeg(startHaDeg, sessionLengthHours);
    return ObjectPlacement{getAltAz(startHaDeg, decDeg, latDeg), getAltAz(endHaDeg, decDeg, latDeg),
                           hoursToTransit(startHaDeg)};
}

bool passesObjectFilters(const CatalogObject &object, const Session &session)
{
    return passesSizeAndMagnitude(object, session) && object.types.intersects(session.types);
}

bool passesFilters(const CatalogObject &object, const ObjectPlacement &placement, const Session &session,
                   const HorizonProfile *profile)
{
    return passesAzimuthTest(placement.start, placement.end, session.azimuthWindow())
           && passesElevationTest(placement.start, placement.end, session.minElevDeg)
           && (!profile || clearsProfile(placement, *profile)) && passesObjectFilters(object, session);
}

double sessionStartSiderealDeg(const Session &session)
{
    return getSiderealTime(session.date, session.startTime, session.gmtDeviationHours, session.lonDeg);
}

ObservingList generateList(const Session &session, const Catalog &catalog, const HorizonProfile *profile)
{
    ObservingList list{session, catalog, {}};
    clearUpperVectorState();
    // Every object sees the same instant, so the sidereal time is worked out once.
    const double localSiderealDeg = sessionStartSiderealDeg(session);
    const std::span<const CatalogObject> objects = catalog.objects();
    for (auto object = objects.rbegin(); object != objects.rend(); ++object) {
        const ObjectPlacement placement = placeObject(localSiderealDeg, object->raDeg, object->decDeg,
                                                      session.latDeg, session.sessionLengthHours);
        if (passesFilters(*object, placement, session, profile))
            list.rows.push_back({&*object, placement});
    }
    return list;
}

void markObservedRows(std::vector<ListedObject> &rows, const QHash<QString, QDate> &lastObserved)
{
    for (ListedObject &row : rows)
        row.lastObserved = lastObserved.value(row.object->identifier);
}
