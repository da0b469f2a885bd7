#include "plan/yearplan.h"

#include "plan/objectseeing.h"
#include "plan/observinglist.h"

#include <QTimeZone>

YearQuery yearQuery(const Session &session, const HorizonProfile *profile, DarknessLevel darkness, int year)
{
    const double gmtDeviationHours = session.gmtDeviationHours;
    const QTimeZone zone(session.timeZone.toUtf8());  // invalid without a zone
    // With a zone, each night's offset is the zone's at the night's local noon, when it starts.
    const auto deviationOn = [gmtDeviationHours, zone](const CalendarDate &date) {
        if (!zone.isValid())
            return gmtDeviationHours;
        return zoneDeviationHours(zone, QDate(date.year, date.month, date.day), QTime(12, 0));
    };
    return {{session.latDeg, session.lonDeg},
            year,
            deviationOn,
            darkness,
            session.minElevDeg,
            profile,
            session.azimuthWindow(),
            false};
}

std::vector<NightMinutes> catalogObjectYear(const CatalogObject &object, const YearSky &sky,
                                            const std::optional<SkyAndTelescope> &observer)
{
    const EquatorialPosition position{object.raDeg, object.decDeg};
    const std::optional<ObjectLight> light = objectLightOf(object);
    if (!observer || !light || !sky.query().keepsMoonlight)
        return objectYear(position, sky);
    return objectYear(YearSeeing(position, *light, observer->sky, observer->telescope, sky));
}

std::vector<const CatalogObject *> yearListObjects(const Session &session, const Catalog &catalog)
{
    std::vector<const CatalogObject *> objects;
    const std::span<const CatalogObject> all = catalog.objects();
    for (auto object = all.rbegin(); object != all.rend(); ++object) {
        if (passesObjectFilters(*object, session))
            objects.push_back(&*object);
    }
    return objects;
}

std::optional<std::vector<ListedBestNight>> listedBestNights(const std::vector<const CatalogObject *> &objects,
                                                             const YearSky &sky, const YearProgress &progress)
{
    std::vector<EquatorialPosition> positions;
    positions.reserve(objects.size());
    for (const CatalogObject *object : objects)
        positions.push_back({object->raDeg, object->decDeg});
    const std::optional<std::vector<BestNight>> best = catalogBestNights(positions, sky, progress);
    if (!best)
        return std::nullopt;
    std::vector<ListedBestNight> rows;
    rows.reserve(objects.size());
    for (std::size_t i = 0; i < objects.size(); ++i)
        rows.push_back({objects[i], (*best)[i]});
    return rows;
}
