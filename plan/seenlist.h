#pragma once

#include "plan/observer.h"
#include "plan/observinglist.h"
#include "plan/seeingmemo.h"
#include "sky/bestmoment.h"
#include "sky/darkness.h"

#include <memory>

class HorizonProfile;

// The observing list with what the observer will see of each object.

struct SeeingRequest {
    DarknessLevel darkness = DefaultDarkness;  // when an object counts as visible
    const SkyAndTelescope *observer = nullptr;        // none: nothing can be judged
    bool rowsWanted = false;                   // each row's seeing, for a column or a window
};

struct SeenList {
    ObservingList list;
    std::shared_ptr<const SessionSeeing> sessionSeeing;  // none when no row has its seeing
};

// The list of the session. Without the session's two filters and without rows wanted it is
// generateList()'s, to the byte. With visibleAnyTime it holds every object that passes the type,
// magnitude and size filters and is visible for at least a minute, in the catalog's reverse
// order as always. Rows get their seeing when wanted or when onlyWhatTelescopeShows is on, which
// keeps the rows whose best moment's verdict is "difficult" or better (none without an observer).
// The memo keeps what was worked out for the next list of the same session (see SeeingMemo).
SeenList generateSeenList(const Session &session, const Catalog &catalog, const HorizonProfile *profile,
                          const SeeingRequest &request, SeeingMemo &memo);

// The least reserve that "Only what my telescope shows" keeps: where "difficult" starts.
double leastReserveShown();
