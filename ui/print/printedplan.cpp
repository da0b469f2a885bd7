#include "ui/print/printedplan.h"

#include "plan/nighteventlines.h"
#include "plan/planner.h"
#include "plan/sessionvisibility.h"
#include "sky/moonphase.h"

#include <algorithm>

namespace {

QList<NamedValue> sessionValues(const SessionTexts &texts, const QList<NamedValue> &boxesOn)
{
    QList<NamedValue> values;
    for (const SessionFieldEntry &entry : SessionFields) {
        if (entry.field != SessionField::TimeZone || !texts[entry.field].isEmpty())
            values << NamedValue{QString::fromUtf16(entry.caption), texts[entry.field]};
    }
    values << NamedValue{QStringLiteral("Azimuth Window"), texts.azimuthMode};
    QStringList types;
    for (int type = 0; type < ObjectTypeCount; ++type) {
        if (texts[ObjectType(type)] == BoxState::Checked)
            types << objectTypeCaption(ObjectType(type));
    }
    values << NamedValue{QStringLiteral("Types"), types.isEmpty() ? QStringLiteral("none") : types.join(QStringLiteral(", "))};
    values << boxesOn;
    return values;
}

// As the Night window shows them: in time order, each name capitalised, the Moon's illumination
// (the last line) in percent, then its phase at midnight.
QList<NamedValue> eventValues(const NightPlan &night)
{
    const NightEvents &events = night.events();
    QList<NamedValue> values;
    for (const QString &line : nightEventLines(events, night.session().gmtDeviationHours, EventOrder::Time)) {
        const QString name = line.section(u'\t', 0, 0);
        values << NamedValue{name.left(1).toUpper() + name.mid(1), line.section(u'\t', 1)};
    }
    values.last().second += u'%';
    const double midnightDays = (events.night.startDays + events.night.endDays) / 2.0;
    values << NamedValue{QStringLiteral("Moon phase"), QLatin1String(moonPhaseName(midnightDays))};
    return values;
}

// The object's curves and visible spans under the planner's darkness; only its own visibility is
// worked out, not the whole list's.
NightCurves objectCurves(const NightPlan &night, const Planner &planner, const ListedObject &row)
{
    const ObservingList &list = planner.list();
    const ObservingList objectOnly{list.session, list.catalog, {row}};
    const std::vector<ListedVisibility> visibility = night.visibility(objectOnly, planner.horizon(), planner.darkness());
    return night.curves(row.object, &visibility.front().visibility, planner.horizon());
}

}  // namespace

PrintedPlan printedPlan(const Planner &planner, const std::vector<int> &rowOrder, const QList<NamedValue> &boxesOn,
                        const CatalogObject *selected)
{
    PrintedPlan plan;
    plan.session = sessionValues(planner.sessionTexts(), boxesOn);
    const QList<ListColumn> &columns = planner.shownColumns();
    for (ListColumn column : columns)
        plan.headings << QString::fromUtf16(listColumnEntry(int(column)).textHeading);
    const ObservingList &list = planner.list();
    const LocaleNumbers numbers(planner.locale());
    for (int index : rowOrder) {
        QStringList cells;
        for (ListColumn column : columns)
            cells << listCell(list.rows[std::size_t(index)], int(column), numbers);
        plan.rows << cells;
    }
    if (!planner.session())
        return plan;
    NightPlan night;
    night.setSession(*planner.session());
    plan.events = eventValues(night);
    const auto selectedRow = std::ranges::find(list.rows, selected, &ListedObject::object);
    if (selected && selectedRow != list.rows.end()) {
        plan.chartObject = selected->identifier;
        plan.chart = objectCurves(night, planner, *selectedRow);
    }
    return plan;
}
