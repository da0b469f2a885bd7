#pragma once

#include "plan/sessioninputs.h"
#include "plan/objectcatalog.h"
#include "sky/horizonprofile.h"
#include "ui/location/locationowner.h"
#include "ui/main/catalogcommands.h"
#include "ui/main/proportionallayout.h"
#include "ui/platform/filechooser.h"
#include "ui/platform/platform.h"
#include "formats/defaultsfile.h"

#include <QList>
#include <QMainWindow>
#include <QPointer>

#include <optional>

class FlexGrid;
class Helpform;
class LocationChooser;
class NightWindow;
class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class SkyPlot;
struct DefaultsLine;

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
    void bGenList_Click();
    void generateList() override { bGenList_Click(); }

    // Hour angle in degrees at the session start for a right ascension in degrees, with the
    // date, time and GMT deviation read as the list reads them; nothing when one cannot be read.
    std::optional<double> getHourAngle(const QString &pdate, const QString &ptime, double ra, double Lon) const;

    // The location captions, written by the location chooser and the defaults file.
    QString latitudeCaption() const override;
    QString longitudeCaption() const override;
    void setLocationCaptions(const QString &latitude, const QString &longitude) override;

    // The inputs as the controls hold them now.
    SessionParameters sessionParameters() const;
    // What "Save Defaults" would write now.
    SavedDefaults savedDefaults() const;

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
    void loadHorizon_Click();
    void clearHorizon_Click();
    void night_Click();
    void nightVision_Click(bool on);

    // The results as tab-separated text, in the order the grid shows them.
    QString resultsText() const;

    // Results grid events.
    void gResults_MouseUp(int button, int shift, float x, float y);
    void gResults_DblClick();

    // State, read by tests and by the other windows.
    const ObjectCatalog &objectCatalog() const { return catalog; }
    int resultCount() const { return ResultCount; }
    qint16 lastSortColumn() const { return LastSortColumn; }
    qint16 sortOrder() const { return SortOrder; }
    int listGenerations() const { return listGenerationCount; }
    FlexGrid *resultsGrid() const { return gResults; }
    NightWindow *nightWindowShown() const;
    const HorizonProfile *horizon() const { return horizonProfile ? &*horizonProfile : nullptr; }
    // The listed object selected in the results grid, if any.
    const CatalogObject *selectedObject() const;
    // What the status line under the grid says about the list.
    QString listStatus() const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // A session input shown in a control, and what leaving it does.
    struct InputField {
        SessionTextField field = nullptr;
        QWidget *control = nullptr;  // a text field, or the label of a location caption
        QString caption;             // as the window names it beside the control
        QString refill;              // put back when the field is left empty; empty: never
        enum class Rule { None, Time, AzimuthOrder } rule = Rule::None;
    };
    struct TypeBox {
        int SessionParameters::*state = nullptr;
        QCheckBox *box = nullptr;
    };

    void createControls();
    void createCaptions();
    void createSkyPlot();
    void createResultsGrid();
    void createMenus();
    void createStatusLine();
    void setTabOrder();
    void connectHandlers();
    void place(QWidget *control, QRect twips);
    QLabel *addCaption(const QString &caption, QRect twips, QWidget *parent = nullptr);
    QLineEdit *addTextField(SessionTextField field, const char *name, const QString &text, QRect twips,
                            const QString &caption, const QString &refill,
                            InputField::Rule rule = InputField::Rule::None);
    QCheckBox *addTypeBox(int SessionParameters::*state, const char *name, const QString &caption, QRect twips);
    QPushButton *addButton(const char *name, const QString &caption, QRect twips);

    const InputField *inputFor(const QObject *control) const;
    const InputField *inputFor(SessionTextField field) const;
    void fieldLostFocus(const InputField &input);
    void checkAzimuthOrder(const InputField &input);
    void showListOutcome(const QList<FieldProblem> &problems);
    void applySortState();
    void sortResultsByColumn(qint16 col);
    void drawSkyPlot();
    void applyDefaultsFile(bool reportMissingFile);
    void applyDefaultsLine(const DefaultsLine &line, const SavedDefaults &defaults);
    void loadCatalogAndList(bool fromMenu);
    void showMessage(const QString &text);
    void showStatus(const QString &text);
    bool applyHorizonProfile(const QString &path, const QString &nameForDefaults);
    void keepSelection();
    void refreshNightWindow();

    const Platform platform;

    ObjectCatalog catalog;
    RememberedFolders folders;
    CatalogCommands catalogCommands;

    int ResultCount = 0;
    qint16 LastSortColumn = -1;
    qint16 SortOrder = 0;
    int listGenerationCount = 0;
    QList<FieldProblem> shownProblems;
    ProportionalLayout layout;
    QSize laidOutClientSize;
    QList<InputField> inputs;
    QList<TypeBox> typeBoxes;
    QPointer<LocationChooser> locationChooser;
    QPointer<Helpform> helpForm;
    QPointer<NightWindow> nightWindow;
    std::optional<HorizonProfile> horizonProfile;
    QString horizonProfileFile;  // as the defaults file names it
    QString selectedIdentifier;  // of the object selected in the results grid
    QString daylight;            // the note on the Sun for the status line
    std::optional<SessionInputs> listInputs;  // of the list shown, when its fields could be read

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
    QLabel *statusLine = nullptr;
};
