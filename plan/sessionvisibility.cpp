#include "plan/sessionvisibility.h"

#include "plan/localtime.h"
#include "sky/nightevents.h"

#include <cmath>

namespace {

const QString Never = QStringLiteral("-");

}  // namespace

VisibilityQuery visibilityQuery(const Session &inputs, const HorizonProfile *profile, DarknessLevel darkness)
{
    VisibilityQuery query;
    query.latDeg = inputs.latDeg;
    query.lonDeg = inputs.lonDeg;
    query.session.startDays = inputs.startDays();
    query.session.endDays = inputs.endDays();
    query.minElevDeg = inputs.minElevDeg;
    query.profile = profile;
    query.azimuthWindow = inputs.azimuthWindow();
    if (const auto sunLimit = sunLimitDeg(darkness))
        query.darkSpans = sunBelow(Site{inputs.latDeg, inputs.lonDeg}, query.session, *sunLimit);
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
    return {QStringLiteral("Identifier"), QStringLiteral("From"), QStringLiteral("Until"),
            QStringLiteral("Minutes"), QStringLiteral("Best"), QStringLiteral("Best altitude")};
}

QStringList visibilityCells(const ListedVisibility &row, double gmtDeviationHours, const LocaleNumbers &numbers)
{
    const Visibility &visibility = row.visibility;
    if (visibility.spans.empty() || !visibility.highest)
        return {row.object->identifier, Never, Never, QStringLiteral("0"), Never, Never};
    return {row.object->identifier,
            localTimeText(visibility.spans.front().startDays, gmtDeviationHours, ClockFormat),
            localTimeText(visibility.spans.back().endDays, gmtDeviationHours, ClockFormat),
            QString::number(std::lround(visibility.visibleMinutes)),
            localTimeText(visibility.highest->atDays, gmtDeviationHours, ClockFormat),
            numbers.fixed(visibility.highest->altDeg, 2)};
}
