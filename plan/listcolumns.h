#pragma once

#include "plan/localenumbers.h"
#include "plan/observinglist.h"
#include "plan/sortkey.h"

#include <QList>
#include <QString>

#include <algorithm>
#include <array>
#include <optional>
#include <vector>

// The columns of the observing list, in the order the grid, Copy, Save and the command line show
// them: first the columns every list has, then the ones an observer may add, which tell what the
// telescope shows (their values come from each row's seeing, "-" where there is none) and when
// the log last has the object observed.
enum class ListColumn {
    Identifier,
    Messier,
    Type,
    Size,
    Altitude,
    Azimuth,
    RightAscension,
    Declination,
    HoursToTransit,
    Magnitude,
    Constellation,
    MoonSeparation,     // degrees from the Moon at the session's start
    SurfaceBrightness,  // mag/arcsec^2, without the air's extinction
    BestMoment,         // local time
    Reserve,            // the contrast reserve at the best moment
    Verdict,
    Magnification,      // the one that gives the reserve
    Observed,           // the last date the observing log has the object seen or glimpsed
};
inline constexpr int ListColumnCount = 18;
// The columns every list shows, Identifier to Constellation; the rest are shown when asked for.
inline constexpr int StandardListColumnCount = 11;

// Everything about one column, written once: adding a column is one row of ListColumns plus the
// value it shows.
struct ListColumnEntry {
    ListColumn column;
    const char16_t *gridHeading;  // the grid's heading; its trailing blanks widen the column
    const char16_t *textHeading;  // the heading of the copied and saved text
    void (*appendCell)(QString &text, const ListedObject &row, const LocaleNumbers &numbers);
    SortKey (*sortKey)(const ListedObject &row);
};

extern const std::array<ListColumnEntry, ListColumnCount> ListColumns;

inline const ListColumnEntry &listColumnEntry(int column)
{
    return ListColumns[std::size_t(column)];
}

inline bool isOptionalColumn(ListColumn column)
{
    return int(column) >= StandardListColumnCount;
}

// The optional columns that tell what the telescope shows, worked out from each row's seeing.
inline bool isSeeingColumn(ListColumn column)
{
    return isOptionalColumn(column) && column != ListColumn::Observed;
}

inline bool showsSeeingColumn(const QList<ListColumn> &columns)
{
    return std::ranges::any_of(columns, isSeeingColumn);
}

// The standard columns followed by the optional ones given, each once, in the table's order.
QList<ListColumn> listColumnsWith(const QList<ListColumn> &optionalColumns);

// The column whose text heading is name ("SB", "Verdict"); none for another name.
std::optional<ListColumn> listColumnNamed(QStringView name);

// One cell as the grid and the results text write it.
QString listCell(const ListedObject &row, int column, const LocaleNumbers &numbers);

// The list's rows in the order of a column, ascending or descending; rows whose keys are equal
// keep the order they have in the list.
std::vector<int> sortedRows(const ObservingList &list, int column, Qt::SortOrder order);

// The list's own order, 0 to size - 1.
std::vector<int> listOrder(const ObservingList &list);
