#pragma once

#include "plan/planner.h"
#include "ui/location/locationowner.h"
#include "ui/log/logcommands.h"
#include "ui/main/catalogcommands.h"
#include "ui/main/proportionallayout.h"
#include "ui/platform/filechooser.h"
#include "ui/platform/platform.h"

#include <QMainWindow>
#include <QPointer>

#include <array>

class HelpWindow;
class LocationChooser;
class NightWindow;
class QCheckBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class ResultsModel;
class ResultsView;
class SkyChart;
class TelescopeDialog;
class YearWindow;
struct DefaultsLine;
struct ObservingPlan;
struct SavedDefaults;

// The main window: the session's fields, the observing list, the horizon chart and the commands.
// It reads its controls into the planner and shows what the planner answers.
class MainWindow : public QMainWindow, public LocationOwner {
    Q_OBJECT

public:
    explicit MainWindow(const Platform &platform, QWidget *parent = nullptr);
    ~MainWindow() override;

    // The start-up: the clock's date and time, the window, the defaults file, the catalog, the list.
    void start();

    const Planner &planner() const { return m_planner; }

    // LocationOwner: the location captions and the new list that follows a chosen place.
    QString latitudeCaption() const override;
    QString longitudeCaption() const override;
    void setLocationCaptions(const QString &latitude, const QString &longitude) override;
    void setTimeZone(const QString &zone) override;
    void generateList() override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private slots:
    void showList();
    void takeClockTime();
    void takeClockTimeAndZone();
    void toggleAzimuthMode();
    void chooseLocation();
    void loadCatalog();
    void saveResults();
    void exportList();
    void printList();
    void copyResults();
    void loadDefaults();
    void saveDefaults();
    void loadHorizon();
    void importList();
    void clearHorizon();
    void clearPlan();
    void markObserved();
    void showNight();
    void showYear();
    void takeSessionDate(const QDate &date);
    void setNightVision(bool on);
    void showTelescopeDialog();
    void showColumns();
    void showHelp();
    void showAbout();
    void selectObject(const QString &identifier);
    void searchImages(const QString &identifier);

private:
    void createControls();
    void createCaptions();
    void createSkyChart();
    void createResults();
    void createMenus();
    void createColumnsMenu(QMenu *viewMenu);
    void createLogMenu();
    QCheckBox *addFilterBox(const QString &caption, QRect twips);
    void setTabOrder();
    void connectControls();
    void place(QWidget *control, QRect twips);
    QLabel *addCaption(const QString &caption, QRect twips, QWidget *parent = nullptr);
    void addField(SessionField field, QRect twips);
    void addLocationCaption(SessionField field, QRect twips);
    void addTypeBox(ObjectType type, QRect twips);
    QPushButton *addButton(const QString &caption, QRect twips);

    SessionTexts sessionTexts() const;
    SavedDefaults savedDefaults() const;
    std::optional<SessionField> fieldOf(const QObject *control) const;
    void leaveField(SessionField field);
    void checkAzimuthOrder(SessionField field);
    void makeList();
    void showProblems();
    QString statusText() const;
    QString listStatus() const;
    QStringList unreadableSavedFields() const;
    void drawSkyChart();
    void followTimeZone();
    void layOutControls();
    void widenForColumns();
    void applyDefaultsFile(bool askedFor);
    void warnOfUnreadableObserverLines(const QString &path);
    void applyDefaultsLine(const DefaultsLine &line, const SavedDefaults &defaults);
    void loadCatalogAndList(bool chooseFile);
    bool applyHorizonFile(const QString &path, const QString &nameForDefaults);
    void applyPlan(const ObservingPlan &plan, const QString &path);
    void showMessage(const QString &text);
    void showWarning(const QString &text);
    std::optional<QString> oneChosenFile(const FileChoice &choice, const QString &notDone);
    void showStatus(const QString &done);
    const ListedObject *selectedRow() const;
    const CatalogObject *selectedObject() const;
    std::optional<SkyAndTelescope> judgingObserver() const;
    void refreshNightWindow();
    void refreshYearWindow();
    QString resultsText() const;

    const Platform m_platform;
    Planner m_planner;
    RememberedFolders m_folders;
    CatalogCommands m_catalogCommands;
    LogCommands m_logCommands;
    ProportionalLayout m_layout;
    QSize m_laidOutClientSize;
    QList<Problem> m_shownProblems;
    QString m_selectedIdentifier;
    QString m_daylightNote;
    QString m_planName;  // the imported list's; empty before one is imported
    QString m_doneNote;  // what the last command loaded or saved; said after the list's status

    QWidget *m_client = nullptr;
    std::array<QWidget *, SessionFieldCount> m_fieldControls{};  // a text field, or a location caption
    std::array<QCheckBox *, ObjectTypeCount> m_typeBoxes{};
    QPushButton *m_locationButton = nullptr;
    QPushButton *m_nowButton = nullptr;
    QPushButton *m_refreshButton = nullptr;
    QPushButton *m_saveDefaultsButton = nullptr;
    QPushButton *m_loadDefaultsButton = nullptr;
    QPushButton *m_azimuthModeButton = nullptr;
    QPushButton *m_quitButton = nullptr;
    QCheckBox *m_onlyShownBox = nullptr;   // only what the telescope shows
    QCheckBox *m_anyTimeBox = nullptr;     // visible any time in the session
    QCheckBox *m_planOnlyBox = nullptr;    // only the imported plan's objects
    QAction *m_clearPlanAction = nullptr;
    QList<QAction *> m_columnActions;      // View › Columns, one per optional column
    SkyChart *m_skyChart = nullptr;
    ResultsModel *m_resultsModel = nullptr;
    ResultsView *m_resultsView = nullptr;
    QLabel *m_statusLine = nullptr;
    QPointer<LocationChooser> m_locationChooser;
    QPointer<HelpWindow> m_helpWindow;
    QPointer<NightWindow> m_nightWindow;
    QPointer<YearWindow> m_yearWindow;
    QPointer<TelescopeDialog> m_telescopeDialog;
};
