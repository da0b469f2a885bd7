#include "plan/sessionvisibility.h"

#include "plan/localtime.h"
#include "sky/nightevents.h"

#include <cmath>

namespace {

const QString Never = QStringLiteral("-");

bool neverVisible(const ListedVisibility &row)
{
    return row.visibility.spans.empty() || !row.visibility.highest;
}

// One of the instants of an object that is visible at all.
using InstantOf = double (*)(const Visibility &visibility);

double firstVisibleDays(const Visibility &visibility)
{
    return visibility.spans.front().startDays;
}

double lastVisibleDays(const Visibility &visibility)
{
    return visibility.spans.back().endDays;
}

double highestDays(const Visibility &visibility)
{
    return visibility.highest->atDays;
}

template <InstantOf instant>
QString clockCell(const ListedVisibility &row, const LocalClock &clock, const LocaleNumbers &)
{
    return neverVisible(row) ? Never : clock.text(instant(row.visibility), ClockFormat);
}

// The instant to the minute the clock shows, so that rows that read the same keep their order.
template <InstantOf instant>
SortKey clockKey(const ListedVisibility &row, const LocalClock &clock)
{
    if (neverVisible(row))
        return SortKey::text(Never);
    return SortKey::number(std::round(instant(row.visibility) * 1440.0));
}

long visibleMinutes(const ListedVisibility &row)
{
    return neverVisible(row) ? 0 : std::lround(row.visibility.visibleMinutes);
}

}  // namespace

const std::array<VisibilityColumnEntry, VisibilityColumnCount> VisibilityColumns = {{
    {u"Identifier       ", u"Identifier", Qt::AlignLeft,
     [](const ListedVisibility &row, const LocalClock &, const LocaleNumbers &) { return row.object->identifier; },
     [](const ListedVisibility &row, const LocalClock &) { return SortKey::text(row.object->identifier); }},
    {u"From ", u"From", Qt::AlignLeft, clockCell<firstVisibleDays>, clockKey<firstVisibleDays>},
    {u"Until", u"Until", Qt::AlignLeft, clockCell<lastVisibleDays>, clockKey<lastVisibleDays>},
    {u"Minutes", u"Minutes", Qt::AlignRight,
     [](const ListedVisibility &row, const LocalClock &, const LocaleNumbers &) { return QString::number(visibleMinutes(row)); },
     [](const ListedVisibility &row, const LocalClock &) { return SortKey::number(double(visibleMinutes(row))); }},
    {u"Best ", u"Best", Qt::AlignLeft, clockCell<highestDays>, clockKey<highestDays>},
    {u"Best altitude", u"Best altitude", Qt::AlignRight,
     [](const ListedVisibility &row, const LocalClock &, const LocaleNumbers &numbers) {
         return neverVisible(row) ? Never : numbers.fixed(row.visibility.highest->altDeg, 2);
     },
     [](const ListedVisibility &row, const LocalClock &) {
         return neverVisible(row) ? SortKey::text(Never)
                                  : SortKey::number(std::round(row.visibility.highest->altDeg * 100.0) / 100.0);
     }},
}};

VisibilityQuery visibilityQuery(const Session &session, const HorizonProfile *profile, DarknessLevel darkness)
{
    VisibilityQuery query;
    query.latDeg = session.latDeg;
    query.lonDeg = session.lonDeg;
    query.session.startDays = session.startDays();
    query.session.endDays = session.endDays();
    query.minElevDeg = session.minElevDeg;
    query.profile = profile;
    query.azimuthWindow = session.azimuthWindow();
    if (const auto sunLimit = sunLimitDeg(darkness))
        query.darkSpans = sunBelow(Site{session.latDeg, session.lonDeg}, query.session, *sunLimit);
    else
        query.darkSpans = {query.session};
    return query;
}

std::vector<ListedVisibility> listedVisibility(const ObservingList &list, const VisibilityQuery &query)
{
    std::vector<EquatorialPosition> positions;
    positions.reserve(list.rows.size());
    for (const ListedObject &row : list.rows)
        positions.push_back({row.object->raDeg, row.object->decDeg});
    std::vector<Visibility> visibilities = catalogVisibility(positions, query);
    std::vector<ListedVisibility> rows;
    rows.reserve(list.rows.size());
    for (std::size_t i = 0; i < list.rows.size(); ++i)
        rows.push_back({list.rows[i].object, std::move(visibilities[i])});
    return rows;
}

QStringList visibilityHeadings()
{
    QStringList headings;
    for (const VisibilityColumnEntry &entry : VisibilityColumns)
        headings << QString::fromUtf16(entry.textHeading);
    return headings;
}

QStringList visibilityCells(const ListedVisibility &row, const LocalClock &clock, const LocaleNumbers &numbers)
{
    QStringList cells;
    for (const VisibilityColumnEntry &entry : VisibilityColumns)
        cells << entry.cell(row, clock, numbers);
    return cells;
}
