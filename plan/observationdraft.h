#pragma once

#include "plan/observation.h"
#include "plan/observer.h"
#include "plan/observinglist.h"
#include "plan/session.h"

// An observation of a listed object as the session suggests it, for the observer to correct:
// at the session's start, from its place, with the telescope at the magnification that shows the
// object best (the first one listed where nothing was judged) under the observer's sky, seen.
Observation observationDraft(const ListedObject &row, const Session &session, const SkyAndTelescope &observer);
