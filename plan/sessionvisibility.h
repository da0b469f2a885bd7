#pragma once

#include "plan/localenumbers.h"
#include "plan/sessioninputs.h"
#include "plan/catalogobject.h"
#include "sky/darkness.h"
#include "sky/visibility.h"

#include <QStringList>

#include <span>
#include <vector>

// The visibility windows of the objects a list shows, for the session the list was made for.

// The session, its minimum elevation and azimuth window, the profile (none: a flat horizon) and
// the spans of the session in which the Sun is below the darkness level.
VisibilityQuery visibilityQuery(const SessionInputs &inputs, const HorizonProfile *profile, DarknessLevel darkness);

struct ListedVisibility {
    const CatalogObject *object = nullptr;
    Visibility visibility;
};

// Every listed object in the list's own order: the listed object with the highest index first.
std::vector<ListedVisibility> listedVisibility(std::span<const CatalogObject> catalog, const VisibilityQuery &query);

// The table's heading and one row's cells: the identifier, the first and the last visible minute
// and the time of the highest point as local "HH:mm", the visible minutes in all, and the highest
// altitude with two decimals; "-" for what an object never visible does not have.
QStringList visibilityHeadings();
QStringList visibilityCells(const ListedVisibility &row, double gmtDeviationHours, const LocaleNumbers &numbers);
