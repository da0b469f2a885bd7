#include "plan/seeingmemo.h"

#include "plan/fieldnumber.h"
#include "plan/localtime.h"

namespace {

std::optional<ObjectLight> lightOf(const CatalogObject &object)
{
    const auto minor = readPlainNumber(object.minorSizeText);
    return objectLight(object.magnitude, object.sizeArcmin, minor ? minor : object.sizeArcmin);
}

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
                          double gmtDeviationHours)
{
    ObjectSeeing seeing;
    if (light)
        seeing.surfaceBrightness = surfaceBrightness(*light);
    const MoonInSky &moon = sessionSeeing.moonAt(0);
    if (moon.position.Alt >= 0.0)
        seeing.moonSeparationAtStartDeg = separationDeg(row.placement.start, moon.position);
    if (best)
        seeing.bestLocalTime = localDateTime(best->atDays, gmtDeviationHours);
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
    m_known.resize(std::size_t(catalog.size()));
}

void SeeingMemo::forget()
{
    m_catalog = Catalog();
    m_situation.reset();
    m_sessionSeeing.reset();
    m_known.clear();
}

std::vector<const Visibility *> SeeingMemo::visibilities(std::span<const ListedObject> rows)
{
    std::vector<const ListedObject *> unknown;
    for (const ListedObject &row : rows) {
        if (!knownOf(row.object).visibility)
            unknown.push_back(&row);
    }
    std::vector<Visibility> found = catalogVisibility(positionsOf(unknown), m_situation->query);
    for (std::size_t i = 0; i < unknown.size(); ++i)
        knownOf(unknown[i]->object).visibility = std::move(found[i]);
    std::vector<const Visibility *> known;
    known.reserve(rows.size());
    for (const ListedObject &row : rows)
        known.push_back(&*knownOf(row.object).visibility);
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

void SeeingMemo::addSeeing(std::span<ListedObject> rows)
{
    std::vector<ListedObject> unknown;
    for (const ListedObject &row : rows) {
        if (!knownOf(row.object).seeing)
            unknown.push_back(row);
    }
    std::vector<EquatorialPosition> positions;
    std::vector<std::optional<ObjectLight>> lights;
    std::vector<Visibility> unknownVisibilities;
    for (const Visibility *visibility : visibilities(unknown))
        unknownVisibilities.push_back(*visibility);
    for (const ListedObject &row : unknown) {
        positions.push_back({row.object->raDeg, row.object->decDeg});
        lights.push_back(lightOf(*row.object));
    }
    const SessionSeeing &session = *sessionSeeing();
    std::vector<std::optional<BestMoment>> bests = catalogBestMoments(positions, lights, unknownVisibilities, session);
    for (std::size_t i = 0; i < unknown.size(); ++i) {
        knownOf(unknown[i].object).seeing =
            objectSeeing(unknown[i], lights[i], std::move(bests[i]), session, m_situation->gmtDeviationHours);
    }
    for (ListedObject &row : rows)
        row.seeing = knownOf(row.object).seeing;
}
