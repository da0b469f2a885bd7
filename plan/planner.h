#pragma once

#include "plan/catalog.h"
#include "plan/listcolumns.h"
#include "plan/observer.h"
#include "plan/observinglist.h"
#include "plan/problem.h"
#include "plan/seeingmemo.h"
#include "plan/session.h"
#include "plan/sessiontexts.h"
#include "sky/bestmoment.h"
#include "sky/darkness.h"
#include "sky/horizonprofile.h"

#include <QDate>
#include <QHash>
#include <QLocale>
#include <QObject>
#include <QSet>

#include <memory>
#include <optional>

// The observer's current plan: the session as typed, the catalog, the horizon profile and the
// observing list made from them. Every change makes the list again and tells the listeners; the
// windows and the command line only ask and show.
//
// What the observer will see of each listed object (ListedObject::seeing) is worked out only
// while something needs it: an optional column shown, the filter "Only what my telescope shows",
// or a window that asked for it. With none of them the list is made as it always was, and no
// time is spent on it. What was worked out is kept for the next list of the same session, sky and
// telescope (SeeingMemo).
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

    // The observer's sky and telescope. A new list is made only when the seeing is in use.
    void setObserverTexts(const ObserverTexts &texts);
    // The darkness in which an object counts as visible, for its best moment and for "Visible
    // any time in the session"; astronomical until changed.
    void setDarkness(DarknessLevel darkness);
    // The optional columns shown, in any order (the standard ones are always shown).
    void setShownOptionalColumns(const QList<ListColumn> &columns);
    // Whether a window (the Night window) needs each listed object's seeing.
    void setSeeingWanted(bool wanted);
    // The plan: the identifiers of the objects an imported list names. With "Plan only" on, the
    // list is made from the plan's objects alone, still filtered as always; off, or with no plan
    // imported, the list is made as it always was.
    void setPlan(const QSet<QString> &identifiers);
    void setPlanOnly(bool on);
    // What the observing log holds: for each object seen or glimpsed, the local date it last was.
    // It fills the "Observed" column, and with "Hide observed" on keeps those objects off the list.
    void setObservedDates(const QHash<QString, QDate> &lastObserved);
    void setHideObserved(bool on);

    const QLocale &locale() const { return m_locale; }
    const SessionTexts &sessionTexts() const { return m_texts; }
    // The fields that could not be read for the current list, which is empty then.
    const QList<Problem> &problems() const { return m_problems; }
    const ObservingList &list() const { return m_list; }
    // How many objects "Hide observed" kept off the current list.
    int hiddenObservedCount() const { return m_hiddenObservedCount; }
    // The session the current list was made for; none while a field cannot be read.
    const std::optional<Session> &session() const { return m_session; }
    const Catalog &catalog() const { return m_catalog; }
    const QString &catalogFile() const { return m_catalogFile; }
    const HorizonProfile *horizon() const { return m_horizon ? &*m_horizon : nullptr; }
    const QString &horizonFile() const { return m_horizonFile; }

    const ObserverTexts &observerTexts() const { return m_observerTexts; }
    // The observer's fields that cannot be read (each with its observerField); while there are
    // any, no object has a seeing and "Only what my telescope shows" keeps none.
    const QList<Problem> &observerProblems() const { return m_observerProblems; }
    // The observer as read; the first values while a field cannot be read.
    const SkyAndTelescope &skyAndTelescope() const { return m_observer; }
    DarknessLevel darkness() const { return m_darkness; }
    // The columns the grid, Copy and Save Results show, in order: the standard ones, then the
    // optional ones shown.
    const QList<ListColumn> &shownColumns() const { return m_shownColumns; }
    // Whether the current list's rows carry their seeing.
    bool seeingInUse() const;
    // The session's minutes with the Moon and the sky they share, for a curve of an object's
    // reserve through the session (objectVisibility, seeingAt); none while the seeing is not in
    // use or cannot be worked out.
    const SessionSeeing *sessionSeeing() const { return m_sessionSeeing.get(); }

signals:
    // A new list was made: from new texts, a new catalog or profile, or on request.
    void listChanged();

private:
    void choosePlanObjects();
    void markObserved();

    QLocale m_locale;
    SessionTexts m_texts;
    Catalog m_catalog;
    QString m_catalogFile = DefaultCatalogFile;
    std::optional<HorizonProfile> m_horizon;
    QString m_horizonFile;
    QSet<QString> m_planIdentifiers;
    Catalog m_planCatalog;  // the catalog's objects the plan names, in the catalog's order
    bool m_planOnly = false;
    QHash<QString, QDate> m_lastObserved;
    bool m_hideObserved = false;
    int m_hiddenObservedCount = 0;

    ObserverTexts m_observerTexts;
    QList<Problem> m_observerProblems;
    SkyAndTelescope m_observer = firstSkyAndTelescope();
    DarknessLevel m_darkness = DefaultDarkness;
    QList<ListColumn> m_shownColumns = listColumnsWith({});
    bool m_seeingWanted = false;
    std::shared_ptr<const SessionSeeing> m_sessionSeeing;
    SeeingMemo m_seeingMemo;

    std::optional<Session> m_session;
    QList<Problem> m_problems;
    ObservingList m_list;
};
