#include "ui/main/mainwindow.h"

#include "formats/defaultsfile.h"
#include "formats/horizonprofilefile.h"
#include "formats/installeddata.h"
#include "formats/listexport.h"
#include "formats/observinglistfile.h"
#include "formats/resultstext.h"
#include "formats/textfile.h"
#include "formats/workingfolder.h"
#include "plan/daylightnote.h"
#include "plan/fieldnumber.h"
#include "plan/observingplan.h"
#include "plan/sessiontext.h"
#include "ui/common/fieldmark.h"
#include "ui/common/nightvision.h"
#include "ui/common/singlelinetext.h"
#include "ui/common/texttable.h"
#include "ui/common/twips.h"
#include "ui/common/windowlook.h"
#include "ui/help/helpwindow.h"
#include "ui/help/userguide.h"
#include "ui/location/locationchooser.h"
#include "ui/main/exporttarget.h"
#include "ui/main/imagesearch.h"
#include "ui/main/inputrules.h"
#include "ui/main/nowcommand.h"
#include "ui/main/skychart.h"
#include "ui/main/telescopedialog.h"
#include "ui/main/wrappingbutton.h"
#include "ui/night/nightwindow.h"
#include "ui/year/yearwindow.h"
#include "ui/platform/browser.h"
#include "ui/platform/clock.h"
#include "ui/platform/messages.h"
#include "ui/print/printcommand.h"
#include "ui/results/resultsmodel.h"
#include "ui/results/resultsview.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QCompleter>
#include <QDir>
#include <QFileInfo>
#include <QFocusEvent>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QStatusBar>
#include <QTimeZone>

#include <algorithm>
#include <array>
#include <cmath>

namespace {

// Completion over the zone names the system knows, matched anywhere in the name ("berlin").
void addTimeZoneCompletion(QLineEdit &field)
{
    QStringList zones;
    for (const QByteArray &zone : QTimeZone::availableTimeZoneIds())
        zones << QString::fromUtf8(zone);
    auto *completer = new QCompleter(zones, &field);
    completer->setCaseSensitivity(Qt::CaseInsensitive);
    completer->setFilterMode(Qt::MatchContains);
    field.setCompleter(completer);
}

const QSize DesignClientTwips(12855, 8265);
const QRect ResultsTwips(3480, 480, 9135, 7695);

// Box states as the list and the defaults file count them, by Qt's check state: Qt numbers them
// otherwise (PartiallyChecked is 1, Checked 2).
constexpr std::array<BoxState, 3> BoxStateOf = {BoxState::Clear, BoxState::Grayed, BoxState::Checked};

BoxState boxState(const QCheckBox *box)
{
    return BoxStateOf[std::size_t(box->checkState())];
}

Qt::CheckState checkStateFor(BoxState state)
{
    return Qt::CheckState(std::ranges::find(BoxStateOf, state) - BoxStateOf.begin());
}

QString controlText(const QWidget *control)
{
    if (const auto *field = qobject_cast<const QLineEdit *>(control))
        return field->text();
    return static_cast<const QLabel *>(control)->text();
}

void setControlText(QWidget *control, const QString &text)
{
    if (auto *field = qobject_cast<QLineEdit *>(control))
        field->setText(text);
    else
        static_cast<QLabel *>(control)->setText(withoutLineBreaksOrTabs(text));
}

QString shownPath(const QString &path)
{
    return QDir::toNativeSeparators(QDir::current().absoluteFilePath(path));
}

bool isAzimuthField(SessionField field)
{
    return field == SessionField::MinAzimuth || field == SessionField::MaxAzimuth;
}

// The optional columns shown, kept in the user's settings across starts by their headings.
const QString ShownColumnsKey = QStringLiteral("shownColumns");

QString columnHeading(ListColumn column)
{
    return QString::fromUtf16(listColumnEntry(int(column)).textHeading);
}

QStringList rememberedColumnHeadings()
{
    return QSettings(ApplicationTitle, ApplicationTitle).value(ShownColumnsKey).toStringList();
}

void rememberColumnHeadings(const QStringList &headings)
{
    QSettings(ApplicationTitle, ApplicationTitle).setValue(ShownColumnsKey, headings);
}

}  // namespace

MainWindow::MainWindow(const Platform &platform, QWidget *parent)
    : QMainWindow(parent)
    , m_platform(platform)
    , m_planner(locale())
    , m_catalogCommands(m_planner, platform.files, platform.messages, m_folders)
    , m_logCommands(m_planner, platform.messages, this)
{
    setWindowTitle(ApplicationTitle);
    setFont(windowFont());
    m_client = new QWidget(this);
    setCentralWidget(m_client);
    createControls();
    createMenus();
    m_statusLine = new QLabel(statusBar());
    statusBar()->addWidget(m_statusLine, 1);
    setTabOrder();
    connectControls();
    m_laidOutClientSize = twipsToPixels(DesignClientTwips);
    m_client->resize(m_laidOutClientSize);
    // Below the design size the controls would cover each other's texts.
    const int framePx = menuBar()->sizeHint().height() + statusBar()->sizeHint().height();
    setMinimumSize(m_laidOutClientSize.width(), m_laidOutClientSize.height() + framePx);
    resize(minimumSize());
    m_client->installEventFilter(this);
    drawSkyChart();
}

MainWindow::~MainWindow() = default;

// ---- controls -------------------------------------------------------------------------

void MainWindow::place(QWidget *control, QRect twips)
{
    control->setGeometry(twipsToPixels(twips));
    m_layout.recordControl(control, twips, DesignClientTwips);
}

QLabel *MainWindow::addCaption(const QString &caption, QRect twips, QWidget *parent)
{
    auto *label = new QLabel(caption, parent ? parent : m_client);
    place(label, twips);
    return label;
}

void MainWindow::addField(SessionField field, QRect twips)
{
    auto *edit = new QLineEdit(QString::fromUtf16(sessionFieldEntry(field).firstValue), m_client);
    edit->setAccessibleName(sessionFieldCaption(field));
    place(edit, twips);
    edit->installEventFilter(this);
    keepOnOneLine(edit);
    m_fieldControls[std::size_t(field)] = edit;
}

// The location's values may be wider than their designed boxes; they may use the room up to
// "Set Your Location", which keeps a value clear of its caption.
void MainWindow::addLocationCaption(SessionField field, QRect twips)
{
    QLabel *label = addCaption(QString::fromUtf16(sessionFieldEntry(field).firstValue), twips);
    label->setAccessibleName(sessionFieldCaption(field));
    label->setAlignment(Qt::AlignRight | Qt::AlignTop);
    m_fieldControls[std::size_t(field)] = label;
}

void MainWindow::addTypeBox(ObjectType type, QRect twips)
{
    auto *box = new QCheckBox(objectTypeCaption(type), m_client);
    box->setCheckState(Qt::Checked);
    place(box, twips);
    m_typeBoxes[std::size_t(type)] = box;
}

// The filters on what the observer will see: off, the list is made as it always was.
QCheckBox *MainWindow::addFilterBox(const QString &caption, QRect twips)
{
    auto *box = new QCheckBox(caption, m_client);
    place(box, twips);
    return box;
}

QPushButton *MainWindow::addButton(const QString &caption, QRect twips)
{
    auto *button = new WrappingButton(caption, m_client);
    button->setAutoDefault(false);
    place(button, twips);
    return button;
}

void MainWindow::createControls()
{
    using F = SessionField;
    addLocationCaption(F::Latitude, QRect(1320, 120, 825, 255));
    addLocationCaption(F::Longitude, QRect(1200, 360, 945, 255));
    m_locationButton = addButton(QStringLiteral("Set Your Location"), QRect(2160, 105, 855, 495));
    addField(F::TimeZone, QRect(1200, 750, 1935, 285));
    addTimeZoneCompletion(*static_cast<QLineEdit *>(m_fieldControls[std::size_t(F::TimeZone)]));
    addField(F::GmtDeviation, QRect(1800, 1140, 495, 285));
    m_nowButton = addButton(QStringLiteral("Now"), QRect(2520, 1080, 615, 375));
    addField(F::Date, QRect(2040, 1680, 975, 285));
    addField(F::StartTime, QRect(2040, 2040, 975, 285));
    addField(F::SessionLength, QRect(2040, 2400, 375, 285));
    m_refreshButton = addButton(QStringLiteral("Refresh List"), QRect(240, 3120, 975, 495));
    m_saveDefaultsButton = addButton(QStringLiteral("Save Defaults"), QRect(240, 3720, 975, 615));
    m_loadDefaultsButton = addButton(QStringLiteral("Load Defaults"), QRect(240, 4440, 975, 615));
    addTypeBox(ObjectType::Galaxy, QRect(1560, 3360, 1695, 255));
    addTypeBox(ObjectType::Nebula, QRect(1560, 3720, 1695, 255));
    addTypeBox(ObjectType::PlanetaryNebula, QRect(1560, 4080, 1695, 255));
    addTypeBox(ObjectType::GlobularCluster, QRect(1560, 4440, 1695, 255));
    addTypeBox(ObjectType::OpenCluster, QRect(1560, 4800, 1695, 255));
    addField(F::FaintestMagnitude, QRect(2160, 5400, 615, 285));
    addField(F::MinSize, QRect(1800, 5880, 495, 285));
    addField(F::MaxSize, QRect(2280, 5880, 495, 285));
    addField(F::MinElevation, QRect(2160, 6360, 615, 285));
    m_anyTimeBox = addFilterBox(QStringLiteral("Visible any time in the session"), QRect(120, 2730, 3300, 255));
    m_onlyShownBox = addFilterBox(QStringLiteral("Only what my telescope shows"), QRect(120, 5100, 3300, 255));
    // Between the elevation and the azimuth range, clear of the chart; of use once a list is imported.
    m_planOnlyBox = addFilterBox(QStringLiteral("Plan only"), QRect(1560, 6720, 1800, 255));
    m_planOnlyBox->setEnabled(false);
    createSkyChart();
    addField(F::MinAzimuth, QRect(1920, 7320, 375, 285));
    addField(F::MaxAzimuth, QRect(2280, 7320, 375, 285));
    m_azimuthModeButton = addButton(InclusiveCaption, QRect(1800, 7800, 975, 255));
    m_azimuthModeButton->setAccessibleName(QStringLiteral("Azimuth mode"));
    createResults();
    m_quitButton = addButton(QStringLiteral("Quit"), QRect(10680, 60, 615, 375));
    createCaptions();

    // The separator under the menu bar keeps its designed length at any window size.
    auto *separator = new QFrame(m_client);
    separator->setFrameShape(QFrame::HLine);
    separator->setFrameShadow(QFrame::Sunken);
    separator->setGeometry(0, 0, twipsToPixels(12120), 2);
}

void MainWindow::createCaptions()
{
    addCaption(QStringLiteral("Latitude"), QRect(480, 120, 615, 375));
    addCaption(QStringLiteral("Longitude"), QRect(480, 360, 735, 375));
    addCaption(QStringLiteral("Date (mm/dd/yyyy local)"), QRect(120, 1720, 1815, 255));
    addCaption(QStringLiteral("Session Start Time (local)"), QRect(120, 2080, 1905, 255));
    addCaption(QStringLiteral("Time zone"), QRect(240, 780, 900, 255));
    addCaption(QStringLiteral("GMT Deviation (EST=-5, EDT=-4)"), QRect(240, 1080, 1455, 495))->setWordWrap(true);
    addCaption(QStringLiteral("Object Type"), QRect(1680, 3000, 1455, 255))->setFont(windowFont(9.75, true));
    addCaption(QStringLiteral("Min Elevation (deg)"), QRect(480, 6420, 1455, 255));
    addCaption(QStringLiteral("Min Brightness (mag)"), QRect(480, 5440, 1575, 255));
    // Its text is a few pixels wider than designed; it starts further left rather than run under
    // the size field.
    addCaption(QStringLiteral("Size (arcmin)  Min:"), QRect(420, 5920, 1380, 255));
    addCaption(QStringLiteral("Max"), QRect(2800, 5920, 495, 255));
    addCaption(QStringLiteral("Az Range (deg)"), QRect(1800, 7080, 1335, 255));
    addCaption(QStringLiteral("Max"), QRect(2760, 7360, 375, 255));
    addCaption(QStringLiteral("Session Length (hrs)"), QRect(120, 2440, 1695, 255));
    addCaption(QStringLiteral("Min"), QRect(1560, 7360, 375, 255));
    addCaption(QStringLiteral("Click Heading to Sort"), QRect(4080, 120, 1575, 255));
    addCaption(QStringLiteral("Double Click entry for Google Images"), QRect(6360, 120, 3000, 255));
}

void MainWindow::createSkyChart()
{
    m_skyChart = new SkyChart(m_client);
    m_skyChart->setAccessibleName(QStringLiteral("Horizon chart"));
    m_skyChart->setFocusPolicy(Qt::TabFocus);
    place(m_skyChart, QRect(120, 6840, 1335, 1215));

    // The compass labels sit inside the chart, just outside the drawn disc.
    const auto compassLabel = [this](const QString &caption, const QRect &twips, Qt::Alignment alignment) {
        addCaption(caption, twips, m_skyChart)->setAlignment(alignment);
    };
    compassLabel(QStringLiteral("0/360"), QRect(360, 0, 495, 175), Qt::AlignHCenter | Qt::AlignTop);
    compassLabel(QStringLiteral("90"), QRect(0, 480, 195, 255), Qt::AlignLeft | Qt::AlignTop);
    compassLabel(QStringLiteral("180"), QRect(400, 960, 375, 180), Qt::AlignHCenter | Qt::AlignTop);
    compassLabel(QStringLiteral("270"), QRect(940, 480, 300, 175), Qt::AlignRight | Qt::AlignTop);
}

void MainWindow::createResults()
{
    m_resultsModel = new ResultsModel(this);
    m_resultsView = new ResultsView(m_resultsModel, m_client);
    m_resultsView->setAccessibleName(QStringLiteral("Observing list"));
    m_resultsView->setFont(windowFont());
    place(m_resultsView, ResultsTwips);
}

void MainWindow::createMenus()
{
    const auto addItem = [this](QMenu *menu, const QString &caption, const QKeySequence &shortcut,
                                void (MainWindow::*command)()) {
        QAction *action = menu->addAction(caption);
        action->setShortcut(shortcut);
        connect(action, &QAction::triggered, this, command);
    };

    QMenu *fileMenu = menuBar()->addMenu(QStringLiteral("&File"));
    addItem(fileMenu, QStringLiteral("Load Objects File"), QKeySequence(Qt::CTRL | Qt::Key_O), &MainWindow::loadCatalog);
    addItem(fileMenu, QStringLiteral("Save Results to File"), QKeySequence(Qt::CTRL | Qt::Key_R), &MainWindow::saveResults);
    addItem(fileMenu, QStringLiteral("Export List As..."), QKeySequence(), &MainWindow::exportList);
    addItem(fileMenu, QStringLiteral("Import Observing List..."), QKeySequence(), &MainWindow::importList);
    m_clearPlanAction = fileMenu->addAction(QStringLiteral("Clear Plan"));
    m_clearPlanAction->setEnabled(false);
    connect(m_clearPlanAction, &QAction::triggered, this, &MainWindow::clearPlan);
    addItem(fileMenu, QStringLiteral("Print..."), QKeySequence(Qt::CTRL | Qt::Key_P), &MainWindow::printList);
    addItem(fileMenu, QStringLiteral("Load Defaults"), QKeySequence(Qt::CTRL | Qt::Key_D), &MainWindow::loadDefaults);
    addItem(fileMenu, QStringLiteral("Save Defaults"), QKeySequence(Qt::CTRL | Qt::Key_S), &MainWindow::saveDefaults);
    fileMenu->addSeparator();
    addItem(fileMenu, QStringLiteral("Load Horizon Profile..."), QKeySequence(), &MainWindow::loadHorizon);
    addItem(fileMenu, QStringLiteral("Clear Horizon Profile"), QKeySequence(), &MainWindow::clearHorizon);
    fileMenu->addSeparator();
    QAction *exit = fileMenu->addAction(QStringLiteral("Exit"));
    exit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_X));
    connect(exit, &QAction::triggered, this, &MainWindow::close);

    QMenu *editMenu = menuBar()->addMenu(QStringLiteral("&Edit"));
    addItem(editMenu, QStringLiteral("Copy Results to Clipboard"), QKeySequence(Qt::CTRL | Qt::Key_C),
            &MainWindow::copyResults);
    addItem(editMenu, QStringLiteral("Telescope and Sky..."), QKeySequence(), &MainWindow::showTelescopeDialog);

    QMenu *viewMenu = menuBar()->addMenu(QStringLiteral("&View"));
    addItem(viewMenu, QStringLiteral("Night"), QKeySequence(Qt::Key_F2), &MainWindow::showNight);
    addItem(viewMenu, QStringLiteral("Year"), QKeySequence(Qt::Key_F3), &MainWindow::showYear);
    QAction *nightVision = viewMenu->addAction(QStringLiteral("Night Vision"));
    nightVision->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    nightVision->setCheckable(true);
    nightVision->setChecked(isNightVision(QApplication::palette()));
    connect(nightVision, &QAction::toggled, this, &MainWindow::setNightVision);
    createColumnsMenu(viewMenu);
    createLogMenu();

    QMenu *helpMenu = menuBar()->addMenu(QStringLiteral("&Help"));
    addItem(helpMenu, QStringLiteral("Help"), QKeySequence(Qt::Key_F1), &MainWindow::showHelp);
    addItem(helpMenu, QStringLiteral("About"), QKeySequence(), &MainWindow::showAbout);
}

void MainWindow::createLogMenu()
{
    QMenu *logMenu = menuBar()->addMenu(QStringLiteral("&Log"));
    QAction *mark = logMenu->addAction(QStringLiteral("Mark Observed"));
    mark->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_M));
    connect(mark, &QAction::triggered, this, &MainWindow::markObserved);
    connect(logMenu->addAction(QStringLiteral("Show Log")), &QAction::triggered, &m_logCommands, &LogCommands::showLog);
    QAction *hideObserved = logMenu->addAction(QStringLiteral("Hide observed"));
    hideObserved->setCheckable(true);
    connect(hideObserved, &QAction::toggled, &m_planner, &Planner::setHideObserved);
}

// One item per optional column, checked as the settings remember; the list shows them at once.
void MainWindow::createColumnsMenu(QMenu *viewMenu)
{
    QMenu *columnsMenu = viewMenu->addMenu(QStringLiteral("Columns"));
    const QStringList remembered = rememberedColumnHeadings();
    for (const ListColumnEntry &entry : ListColumns) {
        if (!isOptionalColumn(entry.column))
            continue;
        QAction *action = columnsMenu->addAction(columnHeading(entry.column));
        action->setCheckable(true);
        action->setChecked(remembered.contains(action->text()));
        connect(action, &QAction::toggled, this, &MainWindow::showColumns);
        m_columnActions << action;
    }
    QList<ListColumn> shown;
    for (const QAction *action : std::as_const(m_columnActions)) {
        if (action->isChecked())
            shown << *listColumnNamed(action->text());
    }
    m_planner.setShownOptionalColumns(shown);
}

void MainWindow::showColumns()
{
    QList<ListColumn> shown;
    QStringList headings;
    for (const QAction *action : std::as_const(m_columnActions)) {
        if (action->isChecked()) {
            shown << *listColumnNamed(action->text());
            headings << action->text();
        }
    }
    rememberColumnHeadings(headings);
    m_planner.setShownOptionalColumns(shown);
}

void MainWindow::setTabOrder()
{
    const auto field = [this](SessionField f) { return m_fieldControls[std::size_t(f)]; };
    const auto box = [this](ObjectType type) { return static_cast<QWidget *>(m_typeBoxes[std::size_t(type)]); };
    using F = SessionField;
    using T = ObjectType;
    const QList<QWidget *> focusOrder{
        m_nowButton, field(F::Date), field(F::StartTime), field(F::GmtDeviation), box(T::Nebula),
        field(F::MinElevation), field(F::FaintestMagnitude), field(F::MinSize), field(F::MaxSize),
        box(T::PlanetaryNebula), box(T::Galaxy), box(T::GlobularCluster), box(T::OpenCluster),
        field(F::MinAzimuth), field(F::MaxAzimuth), field(F::SessionLength), m_resultsView, m_quitButton,
        m_saveDefaultsButton, m_loadDefaultsButton, m_locationButton, m_skyChart, m_refreshButton,
        m_azimuthModeButton, m_anyTimeBox, m_onlyShownBox, m_planOnlyBox, field(F::TimeZone)};
    for (qsizetype i = 1; i < focusOrder.size(); ++i)
        QWidget::setTabOrder(focusOrder.at(i - 1), focusOrder.at(i));
}

void MainWindow::connectControls()
{
    connect(&m_planner, &Planner::listChanged, this, &MainWindow::showList);
    connect(m_refreshButton, &QPushButton::clicked, this, &MainWindow::generateList);
    connect(m_locationButton, &QPushButton::clicked, this, &MainWindow::chooseLocation);
    connect(m_nowButton, &QPushButton::clicked, this, &MainWindow::takeClockTimeAndZone);
    connect(m_loadDefaultsButton, &QPushButton::clicked, this, &MainWindow::loadDefaults);
    connect(m_saveDefaultsButton, &QPushButton::clicked, this, &MainWindow::saveDefaults);
    connect(m_quitButton, &QPushButton::clicked, this, &MainWindow::close);
    connect(m_azimuthModeButton, &QPushButton::clicked, this, &MainWindow::toggleAzimuthMode);
    for (QCheckBox *box : m_typeBoxes) {
        // Only the defaults file can gray a box; once it is clicked again it has two states.
        connect(box, &QCheckBox::stateChanged, box, [box](int state) {
            if (state != Qt::PartiallyChecked)
                box->setTristate(false);
        });
        // A box changed by the defaults file makes a new list just as a click does.
        connect(box, &QCheckBox::stateChanged, this, &MainWindow::generateList);
    }
    for (QCheckBox *box : {m_anyTimeBox, m_onlyShownBox})
        connect(box, &QCheckBox::toggled, this, &MainWindow::generateList);
    connect(m_planOnlyBox, &QCheckBox::toggled, &m_planner, &Planner::setPlanOnly);
    connect(m_resultsView, &ResultsView::currentObjectChanged, this, &MainWindow::selectObject);
    connect(m_resultsView, &ResultsView::objectActivated, this, &MainWindow::searchImages);
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_client && event->type() == QEvent::Resize) {
        if (m_client->size() != m_laidOutClientSize)
            layOutControls();
    } else if (event->type() == QEvent::FocusOut) {
        // Only a move to another control of this window counts as leaving a field: opening
        // a menu or switching to another window leaves the typed text as it is.
        const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
        const auto field = fieldOf(watched);
        if (field && reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
            leaveField(*field);
    }
    return QMainWindow::eventFilter(watched, event);
}

std::optional<SessionField> MainWindow::fieldOf(const QObject *control) const
{
    for (const SessionFieldEntry &entry : SessionFields) {
        if (m_fieldControls[std::size_t(entry.field)] == control)
            return entry.field;
    }
    return std::nullopt;
}

// ---- start-up and list --------------------------------------------------------------

void MainWindow::start()
{
    takeClockTime();
    show();
    m_nowButton->setFocus();
    applyDefaultsFile(false);
    m_catalogCommands.loadNamedCatalog();
    m_logCommands.readExisting();
    generateList();
    widenForColumns();
}

// The window opens wide enough for every column of its first list, as far as the screen allows;
// the observer may still make it as small as designed. The list widens with the window in
// proportion.
void MainWindow::widenForColumns()
{
    const int missingPx = widthForAllColumnsPx(*m_resultsView) - m_resultsView->width();
    if (missingPx <= 0)
        return;
    const double listShare = double(ResultsTwips.width()) / DesignClientTwips.width();
    const int wantedPx = width() + int(std::ceil(missingPx / listShare)) + 1;  // one for rounding
    resize(std::min(wantedPx, screen()->availableGeometry().width()), height());
}

SessionTexts MainWindow::sessionTexts() const
{
    SessionTexts texts;
    for (const SessionFieldEntry &entry : SessionFields)
        texts[entry.field] = controlText(m_fieldControls[std::size_t(entry.field)]);
    for (const ObjectTypeEntry &entry : ObjectTypes)
        texts[entry.type] = boxState(m_typeBoxes[std::size_t(entry.type)]);
    texts.azimuthMode = m_azimuthModeButton->text();
    texts.onlyWhatTelescopeShows = m_onlyShownBox->isChecked();
    texts.visibleAnyTime = m_anyTimeBox->isChecked();
    return texts;
}

SavedDefaults MainWindow::savedDefaults() const
{
    return SavedDefaults{sessionTexts(), m_planner.catalogFile(), m_planner.horizonFile(), m_planner.observerTexts()};
}

// A list from what the observer changed: what a command loaded or saved before is no longer news.
void MainWindow::generateList()
{
    m_doneNote.clear();
    makeList();
}

void MainWindow::makeList()
{
    m_planner.setSessionTexts(sessionTexts());
}

void MainWindow::showList()
{
    m_resultsModel->showList(m_planner.list(), m_planner.shownColumns(), locale());
    const std::optional<Session> &session = m_planner.session();
    m_daylightNote = session ? daylightNote(*session) : QString();
    followTimeZone();
    showProblems();
    m_statusLine->setText(statusText());
    drawSkyChart();
    refreshNightWindow();
    refreshYearWindow();
}

// Marks the fields that cannot be read.
void MainWindow::showProblems()
{
    const QList<Problem> &problems = m_planner.problems();
    if (problems == m_shownProblems)
        return;  // restyling at every keystroke would cost more than the list
    for (const Problem &problem : std::as_const(m_shownProblems))
        clearMark(m_fieldControls[std::size_t(*problem.field)]);
    for (const Problem &problem : problems)
        markUnreadable(m_fieldControls[std::size_t(*problem.field)], problem.what);
    m_shownProblems = problems;
}

// The list's count and the Sun, or why nothing is listed; then what the last command loaded or
// saved, as a sentence of its own.
QString MainWindow::statusText() const
{
    QString text = listStatus();
    if (!m_doneNote.isEmpty())
        text += (text.endsWith(u'.') ? QStringLiteral(" ") : QStringLiteral(". ")) + m_doneNote;
    return text;
}

QString MainWindow::listStatus() const
{
    const QList<Problem> &problems = m_planner.problems();
    if (problems.isEmpty()) {
        const int count = m_planner.list().size();
        const QString listed = count == 1 ? QStringLiteral("1 object listed")
                                          : QStringLiteral("%1 objects listed").arg(locale().toString(count));
        QString text = listed;
        if (!m_planName.isEmpty())
            text += QStringLiteral(" from the plan \"%1\"").arg(m_planName);
        if (const int hidden = m_planner.hiddenObservedCount())
            text += QStringLiteral(", %1 observed hidden").arg(locale().toString(hidden));
        return m_daylightNote.isEmpty() ? text : text + QStringLiteral("; ") + m_daylightNote;
    }
    const Problem &first = problems.first();
    QString text = QStringLiteral("Nothing listed: %1 cannot be read. %2.")
                       .arg(sessionFieldCaption(*first.field), first.what);
    if (problems.size() > 1)
        text += QStringLiteral(" %1 more fields are marked in red.").arg(problems.size() - 1);
    return text;
}

void MainWindow::drawSkyChart()
{
    const SessionTexts texts = sessionTexts();
    const auto minAzDeg = readFieldNumber(texts[SessionField::MinAzimuth], locale());
    const auto maxAzDeg = readFieldNumber(texts[SessionField::MaxAzimuth], locale());
    std::optional<AzimuthWindow> window;
    if (minAzDeg && maxAzDeg) {
        // The chart shows the window exactly as the list applies it.
        const bool inclusive = texts.azimuthMode == InclusiveCaption;
        window = AzimuthWindow{*minAzDeg, *maxAzDeg,
                               inclusive ? AzimuthWindowMode::Inclusive : AzimuthWindowMode::Exclusive};
    }
    m_skyChart->showAzimuthWindow(window, m_planner.horizon());
}

// Every resize makes the list again, then places every control in proportion.
void MainWindow::layOutControls()
{
    generateList();
    m_laidOutClientSize = m_client->size();
    m_layout.placeControls(m_laidOutClientSize);
    drawSkyChart();
}

// ---- session fields -------------------------------------------------------------------

void MainWindow::leaveField(SessionField field)
{
    auto *edit = qobject_cast<QLineEdit *>(m_fieldControls[std::size_t(field)]);
    if (!edit)
        return;  // the location's captions are not typed into
    const QString refill = QString::fromUtf16(sessionFieldEntry(field).refill);
    if (field == SessionField::StartTime)
        edit->setText(normalizeTimeText(edit->text()));
    else if (edit->text().isEmpty())
        edit->setText(refill);
    if (isAzimuthField(field))
        checkAzimuthOrder(field);
    generateList();
}

void MainWindow::checkAzimuthOrder(SessionField field)
{
    const SessionTexts texts = sessionTexts();
    if (!azimuthWindowReversed(texts[SessionField::MinAzimuth], texts[SessionField::MaxAzimuth], locale()))
        return;
    showWarning(QStringLiteral("Min Azimuth must be less than Max Azimuth"));
    setControlText(m_fieldControls[std::size_t(field)], QString::fromUtf16(sessionFieldEntry(field).refill));
}

// ---- commands -------------------------------------------------------------------------

void MainWindow::showMessage(const QString &text)
{
    m_platform.messages.showMessage(ApplicationTitle, text);
}

void MainWindow::showWarning(const QString &text)
{
    m_platform.messages.showWarning(ApplicationTitle, text);
}

// The one file a dialog chose; none after a cancel, or when several were chosen, which is
// said, beginning with what was not done.
std::optional<QString> MainWindow::oneChosenFile(const FileChoice &choice, const QString &notDone)
{
    if (choice.cancelled)
        return std::nullopt;
    if (choice.paths.size() != 1) {
        showWarning(QStringLiteral("%1: %2 files were chosen (%3). Choose one file.")
                        .arg(notDone).arg(choice.paths.size()).arg(choice.paths.join(QStringLiteral(", "))));
        return std::nullopt;
    }
    return choice.paths.first();
}

void MainWindow::showStatus(const QString &done)
{
    m_doneNote = done;
    m_statusLine->setText(statusText());
}

void MainWindow::takeClockTime()
{
    const QDateTime now = m_platform.clock.localNow();
    setControlText(m_fieldControls[std::size_t(SessionField::Date)], writeSessionDate(now.date(), locale()));
    setControlText(m_fieldControls[std::size_t(SessionField::StartTime)], writeSessionTime(now.time()));
    setControlText(m_fieldControls[std::size_t(SessionField::GmtDeviation)],
                   gmtDeviationText(now.offsetFromUtc() / 3600.0, locale()));
    generateList();
}

// "Now" takes the system's time zone too; at the start only its date and time are taken, so that
// the GMT deviation of the defaults stays as the observer typed it.
void MainWindow::takeClockTimeAndZone()
{
    // A clock that knows only its offset ("UTC-05") has no zone to give.
    const QByteArray zone = m_platform.clock.localNow().timeZone().id();
    setControlText(m_fieldControls[std::size_t(SessionField::TimeZone)],
                   QTimeZone::isTimeZoneIdAvailable(zone) ? QString::fromUtf8(zone) : QString());
    takeClockTime();
}

void MainWindow::setTimeZone(const QString &zone)
{
    setControlText(m_fieldControls[std::size_t(SessionField::TimeZone)], zone);
}

// While a time zone is set, the GMT deviation is the zone's at the session's start: shown, not typed.
void MainWindow::followTimeZone()
{
    auto *deviation = static_cast<QLineEdit *>(m_fieldControls[std::size_t(SessionField::GmtDeviation)]);
    const std::optional<Session> &session = m_planner.session();
    const bool zoned = session && !session->timeZone.isEmpty();
    deviation->setReadOnly(zoned);
    if (zoned)
        deviation->setText(gmtDeviationText(session->gmtDeviationHours, locale()));
}

void MainWindow::toggleAzimuthMode()
{
    m_azimuthModeButton->setText(m_azimuthModeButton->text() == InclusiveCaption ? ExclusiveCaption
                                                                                  : InclusiveCaption);
    generateList();
}

// The list is made again after every load, failed and cancelled ones too, from the fields as
// they are now.
void MainWindow::loadCatalogAndList(bool chooseFile)
{
    const bool loaded = chooseFile ? m_catalogCommands.chooseCatalog() : m_catalogCommands.loadNamedCatalog();
    generateList();
    if (loaded)
        showStatus(QStringLiteral("Loaded %1 objects from \"%2\".")
                       .arg(locale().toString(m_planner.catalog().size()), shownPath(m_planner.catalogFile())));
}

void MainWindow::loadCatalog()
{
    loadCatalogAndList(true);
}

void MainWindow::chooseLocation()
{
    showLocationChooser(m_locationChooser, *this, m_platform.messages, this);
}

void MainWindow::showHelp()
{
    // The guide lies beside the program in a build, and in the data folder once installed.
    showHelpWindow(m_helpWindow, m_platform.browser, m_platform.messages,
                   userGuideAddress({QCoreApplication::applicationDirPath(), installedDataFolder()}));
}

void MainWindow::showAbout()
{
    showMessage(QStringLiteral("Nocturo v%1\n\n"
                               "A planner for visual deep-sky observing. Free software under the "
                               "MIT License.\n\n"
                               "Object catalog: OpenNGC database by Mattia Verga, CC-BY-SA 4.0.\n"
                               "City positions: GeoNames, CC-BY 4.0.\n"
                               "City time zones: timezone-boundary-builder, from OpenStreetMap data "
                               "\u00a9 OpenStreetMap contributors, ODbL 1.0.")
                    .arg(applicationVersion()));
}

QString MainWindow::latitudeCaption() const
{
    return controlText(m_fieldControls[std::size_t(SessionField::Latitude)]);
}

QString MainWindow::longitudeCaption() const
{
    return controlText(m_fieldControls[std::size_t(SessionField::Longitude)]);
}

void MainWindow::setLocationCaptions(const QString &latitude, const QString &longitude)
{
    setControlText(m_fieldControls[std::size_t(SessionField::Latitude)], latitude);
    setControlText(m_fieldControls[std::size_t(SessionField::Longitude)], longitude);
}

// ---- the list -------------------------------------------------------------------------

void MainWindow::selectObject(const QString &identifier)
{
    m_selectedIdentifier = identifier;
    if (m_nightWindow)
        m_nightWindow->showSelected(selectedObject());
    refreshYearWindow();
}

void MainWindow::searchImages(const QString &identifier)
{
    openInBrowser(m_platform.browser, m_platform.messages, imageSearchAddress(identifier));
}

QString MainWindow::resultsText() const
{
    return ::resultsText(m_planner.list(), m_resultsModel->displayOrder(), LocaleNumbers(locale()),
                         m_planner.shownColumns());
}

void MainWindow::copyResults()
{
    QGuiApplication::clipboard()->setText(resultsText());
}

void MainWindow::saveResults()
{
    FileRequest request;
    request.purpose = FileRequest::Purpose::Save;
    request.presetName = QStringLiteral("results.txt");
    request.initialFolder = m_folders.folderFor(FileKind::Results);
    request.nameFilters = resultsNameFilters();
    const auto chosen = oneChosenFile(m_platform.files.chooseFile(request), QStringLiteral("The results were not saved"));
    if (!chosen)
        return;
    const QString path = *chosen;
    m_folders.remember(FileKind::Results, path);
    if (const auto problem = writeTextFile(path, resultsText()))
        showWarning(QStringLiteral("The results could not be saved to \"%1\": %2").arg(shownPath(path), problem->what));
    else
        showStatus(QStringLiteral("Results saved to \"%1\".").arg(shownPath(path)));
}

// The list as the grid shows it, for SkySafari, Stellarium, Cartes du Ciel or a spreadsheet.
void MainWindow::exportList()
{
    const ObservingList &list = m_planner.list();
    const QString listName = defaultListName(list.session);
    const FileChoice choice =
        m_platform.files.chooseFile(exportFileRequest(listName, m_folders.folderFor(FileKind::ExportedList)));
    const auto chosen = oneChosenFile(choice, QStringLiteral("The list was not exported"));
    if (!chosen)
        return;
    m_folders.remember(FileKind::ExportedList, *chosen);
    const ExportTarget target = exportTarget(*chosen, choice.nameFilter);
    ListExport exported{list, m_resultsModel->displayOrder(), m_planner.shownColumns(), listName,
                        m_platform.clock.localNow()};
    if (target.format == ExportFormat::Stellarium) {
        const auto name = m_platform.messages.askText(ApplicationTitle, QStringLiteral("The list's name in Stellarium:"), listName);
        if (!name)
            return;
        exported.name = *name;
    }
    if (const auto problem = writeTextFile(target.path, exportedList(target.format, exported)))
        showWarning(QStringLiteral("The list could not be exported to \"%1\": %2").arg(shownPath(target.path), problem->what));
    else
        showStatus(QStringLiteral("List exported to \"%1\".").arg(shownPath(target.path)));
}

// The session, the night, the list as the grid shows it and the selected object's night, on
// paper or in a PDF; in night vision to start with while the window is in it.
void MainWindow::printList()
{
    QList<NamedValue> boxesOn;
    for (const QCheckBox *box : {m_anyTimeBox, m_onlyShownBox})
        if (box->isChecked())
            boxesOn << NamedValue{box->text(), QStringLiteral("on")};
    if (m_planOnlyBox->isEnabled() && m_planOnlyBox->isChecked())
        boxesOn << NamedValue{m_planOnlyBox->text(), m_planName};
    const PrintedPlan plan = printedPlan(m_planner, m_resultsModel->displayOrder(), boxesOn, selectedObject());
    switch (::printPlan(plan, m_platform.printing, locale(), isNightVision(QApplication::palette()))) {
    case PrintOutcome::Printed:
        showStatus(QStringLiteral("Plan printed."));
        break;
    case PrintOutcome::PrinterFailed:
        showWarning(QStringLiteral("The plan was not printed: the printer could not be started."));
        break;
    case PrintOutcome::Cancelled:
        break;
    }
}

// ---- defaults file --------------------------------------------------------------------

// What the defaults file would keep of the fields that cannot be read, one line a field.
QStringList MainWindow::unreadableSavedFields() const
{
    QStringList fields;
    for (const Problem &problem : m_planner.problems()) {
        if (defaultsLineOf(*problem.field))
            fields << QStringLiteral("%1: %2.").arg(sessionFieldCaption(*problem.field), problem.what);
    }
    for (const Problem &problem : m_planner.observerProblems())
        fields << QStringLiteral("%1: %2.").arg(observerFieldCaption(*problem.observerField), problem.what);
    return fields;
}

// A value that cannot be read would make the file fail wherever it is read next; the fields are
// read first, as leaving one would, so that the marks agree with the refusal.
void MainWindow::saveDefaults()
{
    generateList();
    if (const QStringList unreadable = unreadableSavedFields(); !unreadable.isEmpty()) {
        showWarning(QStringLiteral("The defaults were not saved. Put right what is marked in red:\n\n%1")
                        .arg(unreadable.join(u'\n')));
        return;
    }
    const QString path = shownPath(DefaultsFileName);
    if (const auto problem = writeTextFile(DefaultsFileName, defaultsText(savedDefaults())))
        showWarning(QStringLiteral("The defaults could not be saved to \"%1\": %2").arg(path, problem->what));
    else
        showStatus(QStringLiteral("Defaults saved to \"%1\".").arg(path));
}

void MainWindow::applyDefaultsLine(const DefaultsLine &line, const SavedDefaults &defaults)
{
    switch (line.holds) {
    case DefaultsLine::Holds::Field:
        setControlText(m_fieldControls[std::size_t(line.field)], defaults.session[line.field]);
        break;
    case DefaultsLine::Holds::TypeBox:
        m_typeBoxes[std::size_t(line.type)]->setCheckState(checkStateFor(defaults.session[line.type]));
        break;
    case DefaultsLine::Holds::CatalogFile:
        m_planner.setCatalogFile(defaults.catalogFile);
        break;
    case DefaultsLine::Holds::AzimuthMode:
        m_azimuthModeButton->setText(defaults.session.azimuthMode);
        break;
    case DefaultsLine::Holds::HorizonFile:
        if (!defaults.horizonFile.isEmpty())
            applyHorizonFile(defaults.horizonFile, defaults.horizonFile);
        else if (m_planner.horizon())
            m_planner.setHorizon(std::nullopt, {});
        break;
    case DefaultsLine::Holds::ObserverField: {
        ObserverTexts observer = m_planner.observerTexts();
        observer[line.observerField] = defaults.observer[line.observerField];
        m_planner.setObserverTexts(observer);
        break;
    }
    }
}

// Applies the defaults file. A missing file leaves the first values at start-up without a word;
// asked for from the menu, it is reported.
void MainWindow::applyDefaultsFile(bool askedFor)
{
    const QString path = shownPath(DefaultsFileName);
    const Result<QStringList> file = readTextLines(DefaultsFileName);
    if (!file.ok()) {
        m_planner.setCatalogFile(DefaultCatalogFile);
        if (askedFor)
            showWarning(QStringLiteral("No defaults were loaded. %1").arg(file.problem().what));
        return;
    }
    SavedDefaults defaults = savedDefaults();
    const DefaultsReading reading = readDefaultsLines(file.value(), defaults);
    // Line by line, as the file reads: a box that changes makes its new list with the lines
    // before it applied and the ones after it not yet.
    for (int index = 0; index < reading.linesApplied; ++index)
        applyDefaultsLine(DefaultsLines[std::size_t(index)], defaults);
    if (reading.ok()) {
        if (askedFor)  // not the silent start
            showStatus(QStringLiteral("Defaults loaded from \"%1\".").arg(path));
        warnOfUnreadableObserverLines(path);
        return;
    }
    m_planner.setCatalogFile(DefaultCatalogFile);
    // One arg() call for all parts, so that a "%1" in a folder name stays as it is.
    showWarning(reading.linesApplied == 0
                    ? QStringLiteral("None of the defaults in \"%1\" were applied: %2.").arg(path, reading.problem->what)
                    : QStringLiteral("The defaults in \"%1\" were applied only up to line %2: %3.")
                          .arg(path, QString::number(reading.linesApplied), reading.problem->what));
}

// An observer's line that cannot be read stops no other line, as it changes no list. It is kept as
// written, for the observer to put right in Telescope and Sky, which marks it; until then no object
// is judged and the defaults are not saved over it.
void MainWindow::warnOfUnreadableObserverLines(const QString &path)
{
    QStringList lines;
    for (const Problem &problem : m_planner.observerProblems()) {
        lines << QStringLiteral("Line %1, %2: %3.")
                     .arg(QString::number(defaultsLineOf(*problem.observerField)),
                          observerFieldCaption(*problem.observerField), problem.what);
    }
    if (lines.isEmpty())
        return;
    showWarning(QStringLiteral("The telescope and sky in \"%1\" cannot all be read. They are kept as written, and "
                               "no object is judged until they are put right in Edit > Telescope and Sky...\n\n%2")
                    .arg(path, lines.join(u'\n')));
}

// The list after the file keeps the note of what was loaded.
void MainWindow::loadDefaults()
{
    m_doneNote.clear();
    applyDefaultsFile(true);
    makeList();
}

// ---- the horizon and the night ---------------------------------------------------------------

// A profile that cannot be read is explained, and the one in use stays.
bool MainWindow::applyHorizonFile(const QString &path, const QString &nameForDefaults)
{
    Result<HorizonProfile> profile = readHorizonProfileFile(path);
    if (!profile.ok()) {
        showWarning(QStringLiteral("The horizon profile was not loaded. %1").arg(problemText(profile.problem())));
        return false;
    }
    m_planner.setHorizon(std::move(profile.value()), nameForDefaults);
    return true;
}

void MainWindow::loadHorizon()
{
    FileRequest request;
    request.purpose = FileRequest::Purpose::Open;
    request.initialFolder = m_folders.folderFor(FileKind::HorizonProfile);
    request.nameFilters = horizonProfileNameFilters();
    const FileChoice choice = m_platform.files.chooseFile(request);
    if (choice.cancelled)
        return;
    const QString path = choice.paths.value(0);
    if (choice.paths.size() != 1 || holdsLineBreak(path)) {
        showWarning(QStringLiteral("The horizon profile was not loaded: choose one file whose name holds no line break."));
        return;
    }
    m_folders.remember(FileKind::HorizonProfile, path);
    if (!applyHorizonFile(path, nameForDefaults(path)))
        return;
    generateList();
    showStatus(QStringLiteral("Horizon profile loaded from \"%1\".").arg(shownPath(path)));
}

// An imported list becomes the plan, named by its own title or else by its file; its names the
// catalog does not know are listed with their lines. A file that cannot be read changes nothing.
void MainWindow::importList()
{
    FileRequest request;
    request.purpose = FileRequest::Purpose::Open;
    request.initialFolder = m_folders.folderFor(FileKind::ImportedList);
    request.nameFilters = observingListNameFilters();
    const auto chosen = oneChosenFile(m_platform.files.chooseFile(request), QStringLiteral("No list was imported"));
    if (!chosen)
        return;
    m_folders.remember(FileKind::ImportedList, *chosen);
    const Result<ImportedList> list = readObservingListFile(*chosen);
    if (!list.ok()) {
        showWarning(QStringLiteral("No list was imported. %1").arg(problemText(list.problem())));
        return;
    }
    applyPlan(planFromList(list.value(), ObjectNameIndex(m_planner.catalog())), *chosen);
}

void MainWindow::applyPlan(const ObservingPlan &plan, const QString &path)
{
    QSet<QString> identifiers;
    QStringList unresolved;
    for (const PlannedEntry &planned : plan.entries) {
        if (planned.object)
            identifiers.insert(planned.object->identifier);
        else
            unresolved << QStringLiteral("Line %1, \"%2\": %3.")
                              .arg(QString::number(planned.entry.line), planned.entry.shownName(), planned.why);
    }
    m_planName = withoutLineBreaksOrTabs(plan.name.isEmpty() ? QFileInfo(path).fileName() : plan.name);
    m_planner.setPlan(identifiers);
    m_planOnlyBox->setEnabled(true);
    m_planOnlyBox->setChecked(true);
    m_clearPlanAction->setEnabled(true);
    generateList();
    showStatus(QStringLiteral("%1 of %2 objects planned from \"%3\".")
                   .arg(QString::number(identifiers.size()), QString::number(plan.entries.size()), shownPath(path)));
    if (!unresolved.isEmpty())
        showWarning(QStringLiteral("The catalog does not know %1 of the names in \"%2\":\n\n%3")
                        .arg(QString::number(unresolved.size()), shownPath(path), unresolved.join(u'\n')));
}

void MainWindow::clearHorizon()
{
    m_planner.setHorizon(std::nullopt, {});
    generateList();
}

// The plan is forgotten: the list is made from the whole catalog again.
void MainWindow::clearPlan()
{
    m_planName.clear();
    m_planOnlyBox->setChecked(false);
    m_planOnlyBox->setEnabled(false);
    m_clearPlanAction->setEnabled(false);
    m_planner.setPlan({});
    generateList();
}

void MainWindow::markObserved()
{
    if (const ListedObject *row = selectedRow())
        m_logCommands.markObserved(*row);
    else
        showMessage(QStringLiteral("Select the object you observed in the list first."));
}

const ListedObject *MainWindow::selectedRow() const
{
    const ObservingList &list = m_planner.list();
    const auto selected = std::find_if(list.rows.begin(), list.rows.end(), [this](const ListedObject &row) {
        return row.object->identifier == m_selectedIdentifier;
    });
    return selected == list.rows.end() ? nullptr : &*selected;
}

const CatalogObject *MainWindow::selectedObject() const
{
    const ListedObject *row = selectedRow();
    return row ? row->object : nullptr;
}

// The Night and Year windows judge the seeing while the list shows one of its columns.
std::optional<SkyAndTelescope> MainWindow::judgingObserver() const
{
    if (showsSeeingColumn(m_planner.shownColumns()) && m_planner.observerProblems().isEmpty())
        return m_planner.skyAndTelescope();
    return std::nullopt;
}

void MainWindow::refreshNightWindow()
{
    if (!m_nightWindow)
        return;
    std::optional<NightSeeing> seeing;
    if (const std::optional<SkyAndTelescope> observer = judgingObserver())
        seeing = NightSeeing{observer->sky, observer->telescope};
    m_nightWindow->showSession(
        NightSession{m_planner.session(), &m_planner.list(), selectedObject(), m_planner.horizon(), seeing});
}

void MainWindow::showNight()
{
    if (!m_nightWindow) {
        m_nightWindow = new NightWindow(this);
        m_nightWindow->setAttribute(Qt::WA_DeleteOnClose);
        refreshNightWindow();
    }
    m_nightWindow->show();
    m_nightWindow->raise();
    m_nightWindow->activateWindow();
}

void MainWindow::refreshYearWindow()
{
    if (m_yearWindow)
        m_yearWindow->showSession(YearSession{m_planner.session(), &m_planner.catalog(), selectedObject(),
                                              m_planner.horizon(), m_planner.horizonFile(), judgingObserver()});
}

void MainWindow::showYear()
{
    if (!m_yearWindow) {
        m_yearWindow = new YearWindow(this);
        m_yearWindow->setAttribute(Qt::WA_DeleteOnClose);
        connect(m_yearWindow, &YearWindow::nightChosen, this, &MainWindow::takeSessionDate);
        refreshYearWindow();
    }
    m_yearWindow->show();
    m_yearWindow->raise();
    m_yearWindow->activateWindow();
}

// A night chosen in the Year window becomes the session's date, as if typed.
void MainWindow::takeSessionDate(const QDate &date)
{
    setControlText(m_fieldControls[std::size_t(SessionField::Date)], writeSessionDate(date, locale()));
    generateList();
}

void MainWindow::showTelescopeDialog()
{
    ::showTelescopeDialog(m_telescopeDialog, m_planner, this);
}

void MainWindow::setNightVision(bool on)
{
    applyNightVision(on);
    rememberNightVision(on);
    for (QWidget *control : m_fieldControls)
        refreshMark(control);
    drawSkyChart();
}
