#pragma once

#include "plan/nightplan.h"
#include "sky/contrastreserve.h"
#include "sky/bestmoment.h"
#include "sky/horizonprofile.h"
#include "sky/reservecurve.h"
#include "sky/skybrightness.h"

#include <QStringList>
#include <QWidget>

#include <optional>

class ColumnFit;
class NightChart;
class QComboBox;
class QLabel;
class QTableView;
class VisibilityTableModel;

// The observer's sky and telescope, while the main window's list judges what they show.
struct NightSeeing {
    ObserverSky sky;
    Telescope telescope;
};

// What the Night window shows: the night of the main window's current list.
struct NightSession {
    std::optional<Session> session;           // none while a field cannot be read
    const ObservingList *list = nullptr;      // the current list; null: none
    const CatalogObject *selected = nullptr;  // the object selected in the results grid, or null
    const HorizonProfile *profile = nullptr;  // null: a flat horizon
    std::optional<NightSeeing> seeing;        // none: only when the objects are up
};

// The "Night" window: the night's events in time order for the session's place and date, the
// Moon's illumination and phase, a chart of altitude against local time with the twilights, the
// session, the minimum elevation, the Sun, the Moon and the selected object, and the visibility
// windows of every listed object under the darkness the observer chooses. While the observer's
// sky and telescope are judged, the table tells what each object shows at its best moment and
// the chart draws the selected object's contrast reserve. It stays open beside the main window
// and follows its list.
class NightWindow : public QWidget {
    Q_OBJECT

public:
    explicit NightWindow(QWidget *parent = nullptr);

    // A new list, or a new selection with it. The window keeps a copy of what it shows, so that
    // another darkness needs nothing from the caller; the copy of the list keeps its catalog.
    void showSession(const NightSession &night);
    // Another object selected in the list last shown, or none: only the chart changes.
    void showSelected(const CatalogObject *object);

private:
    void createControls();
    DarknessLevel darkness() const;
    void showNight();
    void showEvents();
    void showTable();
    void showChart();
    std::optional<std::vector<std::optional<BestMoment>>> bestMoments(const std::vector<ListedVisibility> &rows) const;
    std::vector<ReservePoint> selectedReserve(const TimeSpan &shown) const;
    // Ascending, or descending when the column was sorted ascending; the order holds for the
    // tables that follow.
    void sortByHeading(int column);
    void copyEvents() const;
    void copyTable() const;

    QLabel *m_events = nullptr;
    QLabel *m_moon = nullptr;
    QComboBox *m_darkness = nullptr;
    NightChart *m_chart = nullptr;
    QTableView *m_table = nullptr;
    VisibilityTableModel *m_model = nullptr;
    ColumnFit *m_columnFit = nullptr;
    QStringList m_eventLines;

    NightPlan m_plan;
    bool m_hasSession = false;
    ObservingList m_list;
    std::optional<HorizonProfile> m_profile;
    const CatalogObject *m_selected = nullptr;
    std::optional<NightSeeing> m_seeing;
};
