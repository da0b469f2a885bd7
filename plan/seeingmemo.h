#pragma once

#include "plan/catalog.h"
#include "plan/observer.h"
#include "plan/observinglist.h"
#include "sky/bestmoment.h"
#include "sky/visibility.h"

#include <memory>
#include <optional>
#include <span>
#include <vector>

// What the seeing of one session keeps from one list to the next. An object's visibility and what
// the observer sees of it depend on the session's place, time, length, minimum elevation, azimuth
// window and darkness, the horizon profile, the observer's clock and the observer's sky and
// telescope, not on the filters that choose which objects are listed. A list made again with all
// of those the same (a filter typed, the window resized, a column shown) works out only the
// objects it has not met yet, and gets the very values it got before.
class SeeingMemo {
public:
    struct Situation {
        VisibilityQuery query;
        LocalClock clock;
        std::optional<SkyAndTelescope> observer;  // none: nothing can be judged

        friend bool operator==(const Situation &, const Situation &) = default;
    };

    // Keeps what it knows only for the same catalog and situation. A horizon profile is known by
    // its address: forget() when one is changed in place.
    void follow(const Catalog &catalog, Situation situation);
    void forget();

    // Each row's visibility, in the order given; the rows' objects are the followed catalog's, placed
    // for the followed session.
    std::vector<const Visibility *> visibilities(std::span<const ListedObject> rows);
    // Gives each row its seeing; an observer must be followed.
    void addSeeing(std::span<ListedObject> rows);
    // The session's minutes that the seeings came from; an observer must be followed.
    const std::shared_ptr<const SessionSeeing> &sessionSeeing();

private:
    std::size_t indexOf(const CatalogObject *object) const { return std::size_t(object - m_catalog.objects().data()); }

    Catalog m_catalog;  // keeps the objects, and so their addresses, for as long as they are known
    std::optional<Situation> m_situation;
    std::shared_ptr<const SessionSeeing> m_sessionSeeing;
    // By the object's index in the catalog; none where not known yet.
    std::vector<std::optional<Visibility>> m_visibilities;
    std::vector<std::optional<ObjectSeeing>> m_seeings;
};
