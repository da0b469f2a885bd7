#pragma once

#include "plan/localenumbers.h"
#include "plan/observinglist.h"
#include "sky/darkness.h"
#include "sky/visibility.h"

#include <QStringList>

#include <vector>

// The visibility windows of the objects a list shows, for the session the list was made for.

// The session, its minimum elevation and azimuth window, the profile (none: a flat horizon) and
// the spans of the session in which the Sun is below the darkness level.
VisibilityQuery visibilityQuery(const Session &session, const HorizonProfile *profile, DarknessLevel darkness);

struct ListedVisibility {
    const CatalogObject *object = nullptr;
    Visibility visibility;
};

// Every listed object, in the list's own order.
std::vector<ListedVisibility> listedVisibility(const ObservingList &list, const VisibilityQuery &query);

// The table's heading and one row's cells: the identifier, the first and the last visible minute
// and the time of the highest point as local "HH:mm", the visible minutes in all, and the highest
// altitude with two decimals; "-" for what an object never visible does not have.
QStringList visibilityHeadings();
QStringList visibilityCells(const ListedVisibility &row, double gmtDeviationHours, const LocaleNumbers &numbers);
