#pragma once

#include "plan/localenumbers.h"
#include "plan/observinglist.h"
#include "plan/sortkey.h"
#include "sky/darkness.h"
#include "sky/visibility.h"

#include <QStringList>

#include <array>
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

// The columns of the visibility table: the identifier, the first and the last visible minute and
// the time of the highest point as local "HH:mm", the visible minutes in all, and the highest
// altitude with two decimals; "-" for what an object never visible does not have.
struct VisibilityColumnEntry {
    const char16_t *gridHeading;  // the table's heading; its trailing blanks widen the column
    const char16_t *textHeading;  // the heading of the copied and written text
    Qt::Alignment alignment;      // numbers to the right, so that their digits line up
    QString (*cell)(const ListedVisibility &row, const LocalClock &clock, const LocaleNumbers &numbers);
    // Times by the minute shown, numbers by the value shown, the identifier as an observer reads
    // it; what an object never visible does not have sorts after every value.
    SortKey (*sortKey)(const ListedVisibility &row, const LocalClock &clock);
};

inline constexpr int VisibilityColumnCount = 6;
extern const std::array<VisibilityColumnEntry, VisibilityColumnCount> VisibilityColumns;

inline const VisibilityColumnEntry &visibilityColumnEntry(int column)
{
    return VisibilityColumns[std::size_t(column)];
}

// The text headings, and one row's cells, in column order.
QStringList visibilityHeadings();
QStringList visibilityCells(const ListedVisibility &row, const LocalClock &clock, const LocaleNumbers &numbers);
