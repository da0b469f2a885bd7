#pragma once

#include "plan/catalog.h"
#include "plan/observinglist.h"
#include "plan/problem.h"
#include "plan/session.h"
#include "plan/sessiontexts.h"
#include "sky/horizonprofile.h"

#include <QLocale>
#include <QObject>

#include <optional>

// The observer's current plan: the session as typed, the catalog, the horizon profile and the
// observing list made from them. Every change makes the list again and tells the listeners; the
// windows and the command line only ask and show.
class Planner : public QObject {
    Q_OBJECT

public:
    explicit Planner(const QLocale &locale = QLocale(), QObject *parent = nullptr);

    void setSessionTexts(const SessionTexts &texts);
    void setCatalog(Catalog catalog);
    // The catalog file the defaults name, relative to the working folder or absolute.
    void setCatalogFile(const QString &file);
    // No profile: a flat horizon. file is how the defaults name it; empty with no profile.
    void setHorizon(std::optional<HorizonProfile> profile, const QString &file);
    // Makes the list again from what is set, as "Refresh List" asks.
    void generateList();

    const QLocale &locale() const { return m_locale; }
    const SessionTexts &sessionTexts() const { return m_texts; }
    // The fields that could not be read for the current list, which is empty then.
    const QList<Problem> &problems() const { return m_problems; }
    const ObservingList &list() const { return m_list; }
    // The session the current list was made for; none while a field cannot be read.
    const std::optional<Session> &session() const { return m_session; }
    const Catalog &catalog() const { return m_catalog; }
    const QString &catalogFile() const { return m_catalogFile; }
    const HorizonProfile *horizon() const { return m_horizon ? &*m_horizon : nullptr; }
    const QString &horizonFile() const { return m_horizonFile; }

signals:
    // A new list was made: from new texts, a new catalog or profile, or on request.
    void listChanged();

private:
    QLocale m_locale;
    SessionTexts m_texts;
    Catalog m_catalog;
    QString m_catalogFile = DefaultCatalogFile;
    std::optional<HorizonProfile> m_horizon;
    QString m_horizonFile;

    std::optional<Session> m_session;
    QList<Problem> m_problems;
    ObservingList m_list;
};
