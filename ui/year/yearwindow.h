#pragma once

#include "plan/catalog.h"
#include "plan/observer.h"
#include "plan/session.h"
#include "sky/horizonprofile.h"
#include "ui/year/placedyearsky.h"

#include <QDate>
#include <QStringList>
#include <QWidget>

#include <memory>
#include <optional>

class BestNightsTableModel;
class ColumnFit;
class QLabel;
class QProgressBar;
class QPushButton;
class QSpinBox;
class QTableView;
class YearMapView;
class YearWork;

// What the Year window shows: the year of the main window's session and list.
struct YearSession {
    std::optional<Session> session;           // none while a field cannot be read
    const Catalog *catalog = nullptr;
    const CatalogObject *selected = nullptr;  // the object selected in the results grid, or null
    const HorizonProfile *profile = nullptr;  // null: a flat horizon
    QString horizonFile;                      // the file the profile came from
    std::optional<SkyAndTelescope> observer;  // none: what the telescope shows is not judged
};

// The "Year" window: through a chosen year, the selected object's nights as a heat map (with the
// observer's sky and telescope, coloured by what the telescope shows), or with
// nothing selected the best night of every object the session's filters let through, as a
// table. The work runs beside the window with a progress bar and can be cancelled; a new list
// or year cancels what was under way. A click on a night of the map chooses it as the session's
// date. It stays open beside the main window and follows its list.
class YearWindow : public QWidget {
    Q_OBJECT

public:
    explicit YearWindow(QWidget *parent = nullptr);

    // The window keeps a copy of what it needs; the year is the session's until one is chosen.
    void showSession(const YearSession &year);

signals:
    void nightChosen(const QDate &date);

private:
    // What is asked for: the place's year and its objects, each as identifier and position; for
    // one object with a magnitude and a size, its light and the telescope that judges it, if any.
    struct Request {
        PlacedYearSky::Key key;
        QStringList identifiers;
        std::vector<EquatorialPosition> positions;
        bool oneObject = false;
        std::optional<ObjectLight> light;
        std::optional<SkyAndTelescope> observer;

        bool operator==(const Request &other) const
        {
            return key == other.key && identifiers == other.identifiers && oneObject == other.oneObject
                   && observer == other.observer;
        }
    };

    void createControls();
    void showYear();
    void setSubjects(const YearSession &year);
    void startMap(const Request &request);
    void startTable(const Request &request);
    std::shared_ptr<const PlacedYearSky> keptSky(const PlacedYearSky::Key &key) const;
    void keepSky(const PlacedYearSky::Key &key, std::shared_ptr<const PlacedYearSky> sky);
    void cancel();
    void showProgress(int done, int total);
    void showWorkDone();
    void sortByHeading(int column);
    void copyTable() const;

    QSpinBox *m_year = nullptr;
    QLabel *m_subject = nullptr;
    QProgressBar *m_progress = nullptr;
    QPushButton *m_cancel = nullptr;
    YearMapView *m_map = nullptr;
    QTableView *m_table = nullptr;
    BestNightsTableModel *m_model = nullptr;
    ColumnFit *m_columnFit = nullptr;
    QPushButton *m_copy = nullptr;
    YearWork *m_work = nullptr;

    std::optional<Session> m_session;
    std::optional<SkyAndTelescope> m_observer;
    std::optional<HorizonProfile> m_profile;
    QString m_horizonFile;
    Request m_subjects;  // the selected object, or the list's; its key made when asked for
    bool m_yearTaken = false;  // from the first session
    std::optional<Request> m_shown;  // what the map or table shows, or is being worked out
    PlacedYearSky::Key m_skyKey;
    std::shared_ptr<const PlacedYearSky> m_sky;
};
