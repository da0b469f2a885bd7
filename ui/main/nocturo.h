#pragma once

#include "astro/sessionparameters.h"
#include "catalog/catalogobject.h"
#include "ui/location/locationowner.h"
#include "ui/main/catalogcommands.h"
#include "ui/main/proportionallayout.h"
#include "ui/platform/platform.h"

#include <QHash>
#include <QList>
#include <QMainWindow>
#include <QPointer>

class FlexGrid;
class Helpform;
class fgetlatlon;
class QAction;
class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class SkyPlot;

// The main window: every session input, the results grid, the horizon chart and the commands.
// It owns the catalog and the list state; every command reads the inputs from the controls
// at the moment it runs.
class Nocturo : public QMainWindow, public LocationOwner {
    Q_OBJECT

public:
    explicit Nocturo(const Platform &platform, QWidget *parent = nullptr);
    ~Nocturo() override;

    // The start-up sequence, run once after the window is created.
    void Form_Load();

    // Regenerates the observing list from the current inputs.
    void bGenList_Click() override;

    // Hour angle in degrees at the session start for a right ascension in degrees, with the
    // date, time and GMT deviation read as the list reads them; NaN when one cannot be read.
    double getHourAngle(const QString &pdate, const QString &ptime, double ra, double Lon) const;

    // The location captions, written by the location chooser and the defaults file.
    QString latitudeCaption() const override;
    QString longitudeCaption() const override;
    void setLocationCaptions(const QString &latitude, const QString &longitude) override;

    // The inputs as the controls hold them now.
    SessionParameters sessionParameters() const;

    // Moves every control in proportion to the window, regenerating the list and redrawing
    // the chart; runs on every resize.
    void ResizeControls();

    // Menu and button commands.
    void bGetDate_Click();
    void Included_Click();
    void GetLatLon_Click();
    void LoadObj_Click();
    void export_Click();
    void loadDef_Click();
    void saveDef_Click();
    void copy_Click();
    void fieldHelp_Click();
    void about_Click();
    void Quit_Click();

    // The results as tab-separated text, in the order the grid shows them.
    QString resultsText() const;

    // The field rules, run when a field loses the focus to another control of the window.
    void txtDate_LostFocus();
    void txtTime_LostFocus();
    void txtGMTDev_LostFocus();
    void txtSessLen_LostFocus();
    void MinElev_LostFocus();
    void MinMag_LostFocus();
    void MinSize_LostFocus();
    void MaxSize_LostFocus();
    void MinAz_LostFocus();
    void MaxAz_LostFocus();

    // Results grid events.
    void gResults_MouseUp(int button, int shift, float x, float y);
    void gResults_DblClick();

    // State, read by tests and by the other windows.
    const CatalogTable &catalog() const { return Catalog; }
    qint16 catalogCount() const { return CatalogCount; }
    QString catalogFile() const { return CatalogFile; }
    qint16 resultCount() const { return ResultCount; }
    qint16 lastSortColumn() const { return LastSortColumn; }
    qint16 sortOrder() const { return SortOrder; }
    int listGenerations() const { return listGenerationCount; }
    FlexGrid *resultsGrid() const { return gResults; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createControls();
    void createMenus();
    void setTabOrder();
    void connectHandlers();
    QLineEdit *addTextField(const char *name, const QString &text, const QRect &twips);
    QLabel *addCaption(const QString &caption, const QRect &twips, QWidget *parent = nullptr);
    void createCaptions();
    void createSkyPlot();
    void createResultsGrid();
    QCheckBox *addTypeBox(const char *name, const QString &caption, const QRect &twips);
    QPushButton *addButton(const char *name, const QString &caption, const QRect &twips);
    void place(QWidget *control, const QRect &twips);

    void refillIfEmpty(QLineEdit *field, const QString &refill);
    void checkAzimuthOrder(QLineEdit *fieldLeft, const QString &resetText);
    void showUnreadableFields(const QList<SessionField> &unreadable);
    QWidget *controlFor(SessionField field) const;
    void sortResultsByColumn(qint16 col);
    void drawSkyPlot();
    QStringList defaultsValues() const;
    void applyDefaultsLine(int lineNumber, const QString &text, int checkState);

    const Platform platform;

    CatalogTable Catalog;
    qint16 CatalogCount = 0;
    QString CatalogFile;
    CatalogCommands catalogCommands;

    qint16 ResultCount = 0;
    qint16 LastSortColumn = -1;
    qint16 SortOrder = 0;
    int listGenerationCount = 0;
    QList<SessionField> markedFields;
    ProportionalLayout layout;
    QSize laidOutClientSize;
    QHash<QObject *, void (Nocturo::*)()> lostFocusHandlers;
    QPointer<fgetlatlon> locationChooser;
    QPointer<Helpform> helpForm;

    QWidget *client = nullptr;
    QLabel *Lat = nullptr;
    QLabel *Lon = nullptr;
    QPushButton *GetLatLon = nullptr;
    QLineEdit *txtGMTDev = nullptr;
    QPushButton *bGetDate = nullptr;
    QLineEdit *txtDate = nullptr;
    QLineEdit *txtTime = nullptr;
    QLineEdit *txtSessLen = nullptr;
    QPushButton *bGenList = nullptr;
    QPushButton *bSaveDefs = nullptr;
    QPushButton *bLoadDef = nullptr;
    QCheckBox *chkGalaxy = nullptr;
    QCheckBox *chkNebula = nullptr;
    QCheckBox *chkPlanetary = nullptr;
    QCheckBox *chkGlobular = nullptr;
    QCheckBox *chkOpen = nullptr;
    QLineEdit *MinMag = nullptr;
    QLineEdit *MinSize = nullptr;
    QLineEdit *MaxSize = nullptr;
    QLineEdit *MinElev = nullptr;
    SkyPlot *pSky = nullptr;
    QLineEdit *MinAz = nullptr;
    QLineEdit *MaxAz = nullptr;
    QPushButton *Included = nullptr;
    FlexGrid *gResults = nullptr;
    QPushButton *bQuit = nullptr;
    QFrame *Line1 = nullptr;
};
