#include "plan/seeingmemo.h"

#include "plan/localtime.h"

namespace {

std::vector<EquatorialPosition> positionsOf(const std::vector<const ListedObject *> &rows)
{
    std::vector<EquatorialPosition> positions;
    positions.reserve(rows.size());
    for (const ListedObject *row : rows)
        positions.push_back({row->object->raDeg, row->object->decDeg});
    return positions;
}

ObjectSeeing objectSeeing(const ListedObject &row, const std::optional<ObjectLight> &light,
                          std::optional<BestMoment> best, const SessionSeeing &sessionSeeing,
                          const LocalClock &clock)
{
    ObjectSeeing seeing;
    if (light)
        seeing.surfaceBrightness = surfaceBrightness(*light);
    const MoonInSky &moon = sessionSeeing.moonAt(0);
    if (moon.position.Alt >= 0.0)
        seeing.moonSeparationAtStartDeg = separationDeg(row.placement.start, moon.position);
    if (best)
        seeing.bestClockText = clock.text(best->atDays, ClockFormat);
    seeing.best = std::move(best);
    return seeing;
}

}  // namespace

void SeeingMemo::follow(const Catalog &catalog, Situation situation)
{
    if (m_situation == situation && m_catalog.objects().data() == catalog.objects().data()
        && m_catalog.size() == catalog.size())
        return;
    forget();
    m_catalog = catalog;
    m_situation = std::move(situation);
    m_visibilities.resize(std::size_t(catalog.size()));
    m_seeings.resize(std::size_t(catalog.size()));
}

void SeeingMemo::forget()
{
    m_catalog = Catalog();
    m_situation.reset();
    m_sessionSeeing.reset();
    m_visibilities.clear();
    m_seeings.clear();
}

std::vector<const Visibility *> SeeingMemo::visibilities(std::span<const ListedObject> rows)
{
    std::vector<const ListedObject *> unknown;
    for (const ListedObject &row : rows) {
        if (!m_visibilities[indexOf(row.object)])
            unknown.push_back(&row);
    }
    std::vector<Visibility> found = catalogVisibility(positionsOf(unknown), m_situation->query);
    for (std::size_t i = 0; i < unknown.size(); ++i)
        m_visibilities[indexOf(unknown[i]->object)] = std::move(found[i]);
    std::vector<const Visibility *> known;
    known.reserve(rows.size());
    for (const ListedObject &row : rows)
        known.push_back(&*m_visibilities[indexOf(row.object)]);
    return known;
}

const std::shared_ptr<const SessionSeeing> &SeeingMemo::sessionSeeing()
{
    if (!m_sessionSeeing) {
        const SkyAndTelescope &observer = *m_situation->observer;
        m_sessionSeeing = std::make_shared<const SessionSeeing>(m_situation->query, observer.sky, observer.telescope);
    }
    return m_sessionSeeing;
}

// The rows already known take their seeing in one pass; the others are worked out together.
void SeeingMemo::addSeeing(std::span<ListedObject> rows)
{
    std::vector<ListedObject *> unknown;
    for (ListedObject &row : rows) {
        if (const std::optional<ObjectSeeing> &known = m_seeings[indexOf(row.object)])
            row.seeing = known;
        else
            unknown.push_back(&row);
    }
    if (unknown.empty())
        return;
    std::vector<ListedObject> unknownRows;
    std::vector<EquatorialPosition> positions;
    std::vector<std::optional<ObjectLight>> lights;
    for (const ListedObject *row : unknown) {
        unknownRows.push_back(*row);
        positions.push_back({row->object->raDeg, row->object->decDeg});
        lights.push_back(objectLightOf(*row->object));
    }
    std::vector<Visibility> unknownVisibilities;
    for (const Visibility *visibility : visibilities(unknownRows))
        unknownVisibilities.push_back(*visibility);
    const SessionSeeing &session = *sessionSeeing();
    std::vector<std::optional<BestMoment>> bests = catalogBestMoments(positions, lights, unknownVisibilities, session);
    for (std::size_t i = 0; i < unknown.size(); ++i) {
        std::optional<ObjectSeeing> &known = m_seeings[indexOf(unknown[i]->object)];
        known = objectSeeing(*unknown[i], lights[i], std::move(bests[i]), session, m_situation->clock);
        unknown[i]->seeing = known;
    }
}
