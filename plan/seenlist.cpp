#include "plan/seenlist.h"

#include "plan/sessionvisibility.h"
#include "sky/verdict.h"
#include "sky/vectorstate.h"

#include <algorithm>

namespace {

// A visible minute is the least an object may be seen for.
constexpr double LeastVisibleMinutes = 1.0;

// Every object that passes the type, magnitude and size filters and is visible for a minute at
// least, in the list's own order.
void listVisibleAnyTime(ObservingList &list, SeeingMemo &memo)
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
    const std::vector<const Visibility *> visibilities = memo.visibilities(candidates);
    for (std::size_t i = 0; i < candidates.size(); ++i) {
        if (visibilities[i]->visibleMinutes >= LeastVisibleMinutes)
            list.rows.push_back(candidates[i]);
    }
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
                          const SeeingRequest &request, SeeingMemo &memo)
{
    const bool seeingNeeded = request.rowsWanted || session.onlyWhatTelescopeShows;
    if (!session.visibleAnyTime && !seeingNeeded)
        return {generateList(session, catalog, profile), nullptr};
    memo.follow(catalog, {visibilityQuery(session, profile, request.darkness), session.clock(),
                          request.observer ? std::optional(*request.observer) : std::nullopt});
    SeenList seen;
    if (session.visibleAnyTime) {
        seen.list = ObservingList{session, catalog, {}};
        listVisibleAnyTime(seen.list, memo);
    } else {
        seen.list = generateList(session, catalog, profile);
    }
    if (!seeingNeeded)
        return seen;
    if (request.observer) {
        memo.addSeeing(seen.list.rows);
        seen.sessionSeeing = memo.sessionSeeing();
    }
    if (session.onlyWhatTelescopeShows)
        std::erase_if(seen.list.rows, [](const ListedObject &row) { return !shownByTelescope(row); });
    return seen;
}
