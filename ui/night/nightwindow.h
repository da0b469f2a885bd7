#pragma once

#include "plan/sessioninputs.h"
#include "plan/catalogobject.h"
#include "sky/darkness.h"
#include "sky/nightevents.h"
#include "plan/sessionvisibility.h"

#include <QWidget>

#include <optional>
#include <span>

class FlexGrid;
class NightChart;
class QComboBox;
class QLabel;

// What the Night window shows: the night of the main window's current list.
struct NightSession {
    std::optional<SessionInputs> inputs;     // none while a field cannot be read
    std::span<const CatalogObject> catalog;  // with the list's marks of what is listed
    const CatalogObject *selected = nullptr;  // the object selected in the results grid
    const HorizonProfile *profile = nullptr;
};

// The "Night" window: the night's events for the session's place and date, the Moon's
// illumination and phase, a chart of altitude against local time with the twilights, the
// session, the minimum elevation, the Sun, the Moon and the selected object, and the visibility
// windows of every listed object. It stays open beside the main window and follows its list.
class NightWindow : public QWidget {
    Q_OBJECT

public:
    explicit NightWindow(QWidget *mainWindow);

    void showSession(const NightSession &session);

    DarknessLevel darkness() const;
    // "name<TAB>value" lines, as Ctrl+C copies them.
    QString eventsText() const;
    // The visibility table as tab-separated text, heading first.
    QString tableText() const;
    const NightChart &chart() const { return *m_chart; }
    FlexGrid &table() const { return *m_table; }

signals:
    // The darkness the visibility windows ask for was changed: the table must be made again.
    void darknessChanged();

private:
    void createControls();
    void showEvents(const NightEvents &events, double gmtDeviationHours);
    void showTable(const std::vector<ListedVisibility> &rows, double gmtDeviationHours);
    void showChart(const NightSession &session, const NightEvents &events, const Visibility *selectedVisibility);
    // A click on a heading sorts by it, ascending, or descending when it is clicked again; the
    // order is kept for the tables that follow.
    void sortTable(int col);
    void applySort();
    void copyTable() const;

    QLabel *m_events = nullptr;
    QLabel *m_moon = nullptr;
    QComboBox *m_darkness = nullptr;
    NightChart *m_chart = nullptr;
    FlexGrid *m_table = nullptr;
    QStringList m_eventLines;
    int m_sortColumn = -1;
    int m_sortOrder = 0;

    // The Sun and Moon of the night shown, made again only for another place or night.
    struct SkyKey {
        double latDeg, lonDeg, gmtDeviationHours;
        int year, month, day;
        friend bool operator==(const SkyKey &, const SkyKey &) = default;
    };
    std::optional<SkyKey> m_skyKey;
    std::optional<NightSky> m_sky;
    NightEvents m_nightEvents;
};
