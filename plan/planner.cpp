#include "plan/planner.h"

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
    generateList();
}

void Planner::setCatalogFile(const QString &file)
{
    m_catalogFile = file;
}

void Planner::setHorizon(std::optional<HorizonProfile> profile, const QString &file)
{
    m_horizon = std::move(profile);
    m_horizonFile = m_horizon ? file : QString();
    generateList();
}

void Planner::generateList()
{
    Result<Session> reading = readSession(m_texts, m_locale);
    if (reading.ok()) {
        m_session = reading.value();
        m_problems.clear();
        m_list = ::generateList(*m_session, m_catalog, horizon());
    } else {
        m_session.reset();
        m_problems = reading.problems();
        m_list = ObservingList{{}, m_catalog, {}};
    }
    emit listChanged();
}
