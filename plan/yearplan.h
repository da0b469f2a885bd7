#pragma once

#include "plan/catalog.h"
#include "plan/observer.h"
#include "plan/session.h"
#include "sky/yearnights.h"

#include <optional>
#include <vector>

// The year of a session's place: its minimum elevation, azimuth window and horizon (none: a flat
// horizon), the darkness asked for, and its GMT deviation for every night. The session's date,
// start time and length play no part.
YearQuery yearQuery(const Session &session, const HorizonProfile *profile, DarknessLevel darkness, int year);

// One object's nights. With the observer's sky and telescope, on a sky that keeps the Moon's
// light, also the minutes the telescope shows it, where the object has a magnitude and a size.
std::vector<NightMinutes> catalogObjectYear(const CatalogObject &object, const YearSky &sky,
                                            const std::optional<SkyAndTelescope> &observer);

// The objects of a year's list: those that pass the session's type, size and magnitude filters,
// where an object stands at any one instant being no test over a year; in the list's own order.
std::vector<const CatalogObject *> yearListObjects(const Session &session, const Catalog &catalog);

struct ListedBestNight {
    const CatalogObject *object = nullptr;
    BestNight best;
};

// Each object's best night; none when progress stopped the work.
std::optional<std::vector<ListedBestNight>> listedBestNights(const std::vector<const CatalogObject *> &objects,
                                                             const YearSky &sky, const YearProgress &progress = {});
