#include "plan/planner.h"

#include "plan/seenlist.h"

Planner::Planner(const QLocale &locale, QObject *parent)
    : QObject(parent)
    , m_locale(locale)
{
}

void Planner::setSessionTexts(const SessionTexts &texts)
{
    m_texts = texts;
    generateList();
}

void Planner::setCatalog(Catalog catalog)
{
    m_catalog = std::move(catalog);
    choosePlanObjects();
    generateList();
}

void Planner::setCatalogFile(const QString &file)
{
    m_catalogFile = file;
}

void Planner::setHorizon(std::optional<HorizonProfile> profile, const QString &file)
{
    m_horizon = std::move(profile);
    m_seeingMemo.forget();  // the new profile may stand where the old one stood
    m_horizonFile = m_horizon ? file : QString();
    generateList();
}

void Planner::setObserverTexts(const ObserverTexts &texts)
{
    m_observerTexts = texts;
    const Result<SkyAndTelescope> reading = readSkyAndTelescope(texts, m_locale);
    m_observerProblems = reading.problems();
    m_observer = reading.ok() ? reading.value() : firstSkyAndTelescope();
    if (seeingInUse())
        generateList();
}

void Planner::setDarkness(DarknessLevel darkness)
{
    const bool changesList = seeingInUse() || m_texts.visibleAnyTime;
    m_darkness = darkness;
    if (changesList)
        generateList();
}

void Planner::setShownOptionalColumns(const QList<ListColumn> &columns)
{
    const QList<ListColumn> shown = listColumnsWith(columns);
    if (shown == m_shownColumns)
        return;
    const bool hadSeeing = seeingInUse();
    m_shownColumns = shown;
    if (seeingInUse() != hadSeeing)
        generateList();
    else
        emit listChanged();  // the same rows in other columns
}

void Planner::setSeeingWanted(bool wanted)
{
    const bool hadSeeing = seeingInUse();
    m_seeingWanted = wanted;
    if (seeingInUse() != hadSeeing)
        generateList();
}

void Planner::setPlan(const QSet<QString> &identifiers)
{
    m_planIdentifiers = identifiers;
    choosePlanObjects();
    if (m_planOnly)
        generateList();
}

void Planner::setPlanOnly(bool on)
{
    if (on == m_planOnly)
        return;
    m_planOnly = on;
    generateList();
}

void Planner::setObservedDates(const QHash<QString, QDate> &lastObserved)
{
    m_lastObserved = lastObserved;
    generateList();
}

void Planner::setHideObserved(bool on)
{
    if (on == m_hideObserved)
        return;
    m_hideObserved = on;
    generateList();
}

// One look-up per listed object, after the list is made: the observed objects stay in the list's
// catalog, so that the seeing worked out for them is kept while they are hidden.
void Planner::markObserved()
{
    m_hiddenObservedCount = 0;
    if (m_lastObserved.isEmpty())
        return;
    markObservedRows(m_list.rows, m_lastObserved);
    if (m_hideObserved)
        m_hiddenObservedCount = int(std::erase_if(m_list.rows, [](const ListedObject &row) { return row.lastObserved.isValid(); }));
}

// Made once for each catalog and plan, so that a list costs no more with the plan than without.
void Planner::choosePlanObjects()
{
    std::vector<CatalogObject> planned;
    for (const CatalogObject &object : m_catalog.objects()) {
        if (m_planIdentifiers.contains(object.identifier))
            planned.push_back(object);
    }
    m_planCatalog = Catalog(std::move(planned));
}

bool Planner::seeingInUse() const
{
    return m_seeingWanted || showsSeeingColumn(m_shownColumns) || m_texts.onlyWhatTelescopeShows;
}

void Planner::generateList()
{
    Result<Session> reading = readSession(m_texts, m_locale);
    m_sessionSeeing.reset();
    if (reading.ok()) {
        m_session = reading.value();
        m_problems.clear();
        const SeeingRequest request{m_darkness, m_observerProblems.isEmpty() ? &m_observer : nullptr,
                                    seeingInUse()};
        const Catalog &listed = m_planOnly ? m_planCatalog : m_catalog;
        SeenList seen = generateSeenList(*m_session, listed, horizon(), request, m_seeingMemo);
        m_list = std::move(seen.list);
        m_sessionSeeing = std::move(seen.sessionSeeing);
        markObserved();
    } else {
        m_session.reset();
        m_problems = reading.problems();
        m_list = ObservingList{{}, m_catalog, {}};
        m_hiddenObservedCount = 0;
    }
    emit listChanged();
}
