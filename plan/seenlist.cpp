#include "plan/seenlist.h"

#include "plan/fieldnumber.h"
#include "plan/localtime.h"
#include "plan/sessionvisibility.h"
#include "sky/verdict.h"
#include "sky/vectorstate.h"

#include <algorithm>

namespace {

// A visible minute is the least an object may be seen for.
constexpr double LeastVisibleMinutes = 1.0;

std::vector<EquatorialPosition> positionsOf(const ObservingList &list)
{
    std::vector<EquatorialPosition> positions;
    positions.reserve(list.rows.size());
    for (const ListedObject &row : list.rows)
        positions.push_back({row.object->raDeg, row.object->decDeg});
    return positions;
}

// Every object that passes the type, magnitude and size filters and is visible for a minute at
// least, with its visibility, in the list's own order.
std::vector<Visibility> listVisibleAnyTime(ObservingList &list, const VisibilityQuery &query)
{
    const Session &session = list.session;
    clearUpperVectorState();
    const double localSiderealDeg = sessionStartSiderealDeg(session);
    std::vector<ListedObject> candidates;
    const std::span<const CatalogObject> objects = list.catalog.objects();
    for (auto object = objects.rbegin(); object != objects.rend(); ++object) {
        if (passesObjectFilters(*object, session))
            candidates.push_back({&*object, placeObject(localSiderealDeg, object->raDeg, object->decDeg,
                                                        session.latDeg, session.sessionLengthHours)});
    }
    list.rows = std::move(candidates);
    std::vector<Visibility> candidateVisibilities = catalogVisibility(positionsOf(list), query);
    std::vector<Visibility> visibilities;
    std::vector<ListedObject> rows;
    for (std::size_t i = 0; i < list.rows.size(); ++i) {
        if (candidateVisibilities[i].visibleMinutes >= LeastVisibleMinutes) {
            rows.push_back(list.rows[i]);
            visibilities.push_back(std::move(candidateVisibilities[i]));
        }
    }
    list.rows = std::move(rows);
    return visibilities;
}

std::optional<ObjectLight> lightOf(const CatalogObject &object)
{
    const auto minor = readPlainNumber(object.minorSizeText);
    return objectLight(object.magnitude, object.sizeArcmin, minor ? minor : object.sizeArcmin);
}

ObjectSeeing objectSeeing(const ListedObject &row, const std::optional<ObjectLight> &light,
                          std::optional<BestMoment> best, const SessionSeeing &sessionSeeing,
                          double gmtDeviationHours)
{
    ObjectSeeing seeing;
    if (light)
        seeing.surfaceBrightness = surfaceBrightness(*light);
    const MoonInSky &moon = sessionSeeing.moonAt(0);
    if (moon.position.Alt >= 0.0)
        seeing.moonSeparationAtStartDeg = separationDeg(row.placement.start, moon.position);
    if (best)
        seeing.bestLocalTime = localDateTime(best->atDays, gmtDeviationHours);
    seeing.best = std::move(best);
    return seeing;
}

// Gives each row its seeing; with onlyWhatTelescopeShows, keeps the rows the telescope shows.
std::shared_ptr<const SessionSeeing> addSeeing(ObservingList &list, std::vector<Visibility> visibilities,
                                               const VisibilityQuery &query, const SkyAndTelescope &observer)
{
    auto sessionSeeing = std::make_shared<const SessionSeeing>(query, observer.sky, observer.telescope);
    std::vector<std::optional<ObjectLight>> lights;
    lights.reserve(list.rows.size());
    for (const ListedObject &row : list.rows)
        lights.push_back(lightOf(*row.object));
    std::vector<std::optional<BestMoment>> bests =
        catalogBestMoments(positionsOf(list), lights, visibilities, *sessionSeeing);
    for (std::size_t i = 0; i < list.rows.size(); ++i)
        list.rows[i].seeing = objectSeeing(list.rows[i], lights[i], std::move(bests[i]), *sessionSeeing,
                                           list.session.gmtDeviationHours);
    return sessionSeeing;
}

bool shownByTelescope(const ListedObject &row)
{
    return row.seeing && row.seeing->best && row.seeing->best->seeing.reserve.logReserve >= leastReserveShown();
}

}  // namespace

double leastReserveShown()
{
    const auto difficult = std::ranges::find(VerdictBands, std::string_view("difficult"), &VerdictBand::word);
    return (difficult - 1)->reserveBelow;
}

SeenList generateSeenList(const Session &session, const Catalog &catalog, const HorizonProfile *profile,
                          const SeeingRequest &request)
{
    const bool seeingNeeded = request.rowsWanted || session.onlyWhatTelescopeShows;
    if (!session.visibleAnyTime && !seeingNeeded)
        return {generateList(session, catalog, profile), nullptr};
    const VisibilityQuery query = visibilityQuery(session, profile, request.darkness);
    SeenList seen;
    std::vector<Visibility> visibilities;
    if (session.visibleAnyTime) {
        seen.list = ObservingList{session, catalog, {}};
        visibilities = listVisibleAnyTime(seen.list, query);
    } else {
        seen.list = generateList(session, catalog, profile);
    }
    if (!seeingNeeded)
        return seen;
    if (request.observer) {
        if (!session.visibleAnyTime)
            visibilities = catalogVisibility(positionsOf(seen.list), query);
        seen.sessionSeeing = addSeeing(seen.list, std::move(visibilities), query, *request.observer);
    }
    if (session.onlyWhatTelescopeShows)
        std::erase_if(seen.list.rows, [](const ListedObject &row) { return !shownByTelescope(row); });
    return seen;
}
