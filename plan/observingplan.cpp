#include "plan/observingplan.h"

namespace {

PlannedEntry plannedEntry(const ListEntry &entry, const ObjectNameIndex &index)
{
    for (const QString &name : entry.names) {
        if (const ObjectNameIndex::Found found = index.find(name); found.object)
            return {entry, found.object, {}};
    }
    return {entry, nullptr, index.find(entry.shownName()).why};
}

}  // namespace

ObservingPlan planFromList(const ImportedList &list, const ObjectNameIndex &index)
{
    ObservingPlan plan{list.title, index.catalog(), {}};
    plan.entries.reserve(list.entries.size());
    for (const ListEntry &entry : list.entries)
        plan.entries.append(plannedEntry(entry, index));
    if (list.firstEntryMayBeTitle && plan.entries.size() > 1 && !plan.entries.first().object)
        plan.name = plan.entries.takeFirst().entry.shownName();
    return plan;
}
