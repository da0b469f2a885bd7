#include "ui/main/nocturo.h"

#include "plan/fieldnumber.h"
#include "plan/listgeneration.h"
#include "plan/sessiontext.h"
#include "formats/installeddata.h"
#include "formats/textfile.h"
#include "plan/daylightnote.h"
#include "formats/horizonprofilefile.h"
#include "ui/common/nightvision.h"
#include "ui/common/fieldmark.h"
#include "ui/common/singlelinetext.h"
#include "ui/common/twips.h"
#include "ui/common/windowlook.h"
#include "ui/grid/flexgrid.h"
#include "ui/help/helpform.h"
#include "ui/help/userguide.h"
#include "ui/location/locationchooser.h"
#include "ui/main/imagesearch.h"
#include "ui/main/inputrules.h"
#include "ui/main/nowcommand.h"
#include "ui/main/resultsgridlist.h"
#include "formats/resultstext.h"
#include "ui/main/skyplot.h"
#include "formats/workingfolder.h"
#include "ui/main/wrappingbutton.h"
#include "ui/night/nightwindow.h"
#include "ui/platform/browser.h"
#include "ui/platform/clock.h"
#include "ui/platform/messages.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDir>
#include <QEvent>
#include <QFocusEvent>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>

namespace {

const QSize DesignClientTwips(12855, 8265);
constexpr int StatusMessageMs = 10000;

// Box states as the list and the defaults file count them: 0 clear, 1 checked, 2 grayed.
// Qt numbers them otherwise (PartiallyChecked is 1, Checked 2).
int boxState(const QCheckBox *box)
{
    switch (box->checkState()) {
    case Qt::Unchecked: return 0;
    case Qt::Checked: return 1;
    case Qt::PartiallyChecked: return 2;
    }
    return 0;
}

Qt::CheckState checkStateFor(int boxState)
{
    return boxState == 1 ? Qt::Checked : boxState == 2 ? Qt::PartiallyChecked : Qt::Unchecked;
}

QString sortMarker(qint16 sortOrder)
{
    return sortOrder == 1 ? QStringLiteral("> ") : QStringLiteral("< ");
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

}  // namespace

Nocturo::Nocturo(const Platform &platform, QWidget *parent)
    : QMainWindow(parent)
    , platform(platform)
    , catalogCommands(catalog, platform.files, platform.messages, folders)
{
    setWindowTitle(ApplicationTitle);
    setFont(windowFont());
    client = new QWidget(this);
    setCentralWidget(client);
    createControls();
    createMenus();
    createStatusLine();
    setTabOrder();
    connectHandlers();
    laidOutClientSize = twipsToPixels(DesignClientTwips);
    client->resize(laidOutClientSize);
    // Below the design size the controls would cover each other's texts.
    const int framePx = menuBar()->sizeHint().height() + statusBar()->sizeHint().height();
    setMinimumSize(laidOutClientSize.width(), laidOutClientSize.height() + framePx);
    resize(minimumSize());
    client->installEventFilter(this);
    drawSkyPlot();
}

Nocturo::~Nocturo() = default;

// ---- controls -------------------------------------------------------------------------

void Nocturo::place(QWidget *control, QRect twips)
{
    control->setGeometry(twipsToPixels(twips));
    layout.RecordControlRatios(control, twips, DesignClientTwips);
}

QLabel *Nocturo::addCaption(const QString &caption, QRect twips, QWidget *parent)
{
    auto *label = new QLabel(caption, parent ? parent : client);
    place(label, twips);
    return label;
}

QLineEdit *Nocturo::addTextField(SessionTextField field, const char *name, const QString &text, QRect twips,
                                 const QString &caption, const QString &refill, InputField::Rule rule)
{
    auto *edit = new QLineEdit(text, client);
    edit->setObjectName(QLatin1String(name));
    place(edit, twips);
    edit->installEventFilter(this);
    keepOnOneLine(edit);
    inputs.append({field, edit, caption, refill, rule});
    return edit;
}

QCheckBox *Nocturo::addTypeBox(int SessionParameters::*state, const char *name, const QString &caption,
                               QRect twips)
{
    auto *box = new QCheckBox(caption, client);
    box->setObjectName(QLatin1String(name));
    box->setCheckState(Qt::Checked);
    place(box, twips);
    typeBoxes.append({state, box});
    return box;
}

QPushButton *Nocturo::addButton(const char *name, const QString &caption, QRect twips)
{
    auto *button = new WrappingButton(caption, client);
    button->setObjectName(QLatin1String(name));
    button->setAutoDefault(false);
    place(button, twips);
    return button;
}

void Nocturo::createControls()
{
    using Rule = InputField::Rule;
    using P = SessionParameters;
    // The location values may be wider than their designed boxes; they may use the room up to
    // "Set Your Location", which keeps a value clear of its caption.
    Lat = addCaption(QStringLiteral("0"), QRect(1320, 120, 825, 255));
    Lat->setAlignment(Qt::AlignRight | Qt::AlignTop);
    Lon = addCaption(QStringLiteral("0"), QRect(1200, 360, 945, 255));
    Lon->setAlignment(Qt::AlignRight | Qt::AlignTop);
    inputs.append({&P::Lat, Lat, QStringLiteral("Latitude"), {}});
    inputs.append({&P::Lon, Lon, QStringLiteral("Longitude"), {}});
    GetLatLon = addButton("GetLatLon", QStringLiteral("Set Your Location"), QRect(2160, 105, 855, 495));
    txtGMTDev = addTextField(&P::txtGMTDev, "txtGMTDev", QString(), QRect(1800, 1140, 495, 285),
                             QStringLiteral("GMT Deviation"), QStringLiteral("0"));
    bGetDate = addButton("bGetDate", QStringLiteral("Now"), QRect(2520, 1080, 615, 375));
    txtDate = addTextField(&P::txtDate, "txtDate", QString(), QRect(2040, 1680, 975, 285),
                           QStringLiteral("Date"), QStringLiteral("1/1/2006"));
    txtTime = addTextField(&P::txtTime, "txtTime", QString(), QRect(2040, 2040, 975, 285),
                           QStringLiteral("Session Start Time"), QString(), Rule::Time);
    txtSessLen = addTextField(&P::txtSessLen, "txtSessLen", QStringLiteral("1"), QRect(2040, 2400, 375, 285),
                              QStringLiteral("Session Length"), QStringLiteral("0"));
    bGenList = addButton("bGenList", QStringLiteral("Refresh List"), QRect(240, 3120, 975, 495));
    bSaveDefs = addButton("bSaveDefs", QStringLiteral("Save Defaults"), QRect(240, 3720, 975, 615));
    bLoadDef = addButton("bLoadDef", QStringLiteral("Load Defaults"), QRect(240, 4440, 975, 615));
    chkGalaxy = addTypeBox(&P::chkGalaxy, "chkGalaxy", QStringLiteral("Galaxy"), QRect(1560, 3360, 1695, 255));
    chkNebula = addTypeBox(&P::chkNebula, "chkNebula", QStringLiteral("Nebula"), QRect(1560, 3720, 1695, 255));
    chkPlanetary = addTypeBox(&P::chkPlanetary, "chkPlanetary", QStringLiteral("Planetary Nebula"),
                              QRect(1560, 4080, 1695, 255));
    chkGlobular = addTypeBox(&P::chkGlobular, "chkGlobular", QStringLiteral("Globular Cluster"),
                             QRect(1560, 4440, 1695, 255));
    chkOpen = addTypeBox(&P::chkOpen, "chkOpen", QStringLiteral("Open Cluster"), QRect(1560, 4800, 1695, 255));
    MinMag = addTextField(&P::MinMag, "MinMag", QStringLiteral("30"), QRect(2160, 5400, 615, 285),
                          QStringLiteral("Min Brightness"), QStringLiteral("30"));
    MinSize = addTextField(&P::MinSize, "MinSize", QStringLiteral("1"), QRect(1800, 5880, 495, 285),
                           QStringLiteral("Min Size"), QStringLiteral("0"));
    MaxSize = addTextField(&P::MaxSize, "MaxSize", QStringLiteral("999"), QRect(2280, 5880, 495, 285),
                           QStringLiteral("Max Size"), QStringLiteral("999"));
    MinElev = addTextField(&P::MinElev, "MinElev", QStringLiteral("30"), QRect(2160, 6360, 615, 285),
                           QStringLiteral("Min Elevation"), QStringLiteral("0"));
    createSkyPlot();
    MinAz = addTextField(&P::MinAz, "MinAz", QStringLiteral("0"), QRect(1920, 7320, 375, 285),
                         QStringLiteral("Min Azimuth"), QStringLiteral("0"), Rule::AzimuthOrder);
    MaxAz = addTextField(&P::MaxAz, "MaxAz", QStringLiteral("360"), QRect(2280, 7320, 375, 285),
                         QStringLiteral("Max Azimuth"), QStringLiteral("360"), Rule::AzimuthOrder);
    Included = addButton("Included", QStringLiteral("Inclusive"), QRect(1800, 7800, 975, 255));
    createResultsGrid();
    bQuit = addButton("bQuit", QStringLiteral("Quit"), QRect(10680, 60, 615, 375));
    createCaptions();

    // The separator under the menu bar keeps its designed length at any window size.
    Line1 = new QFrame(client);
    Line1->setFrameShape(QFrame::HLine);
    Line1->setFrameShadow(QFrame::Sunken);
    Line1->setGeometry(0, 0, twipsToPixels(12120), 2);
}

void Nocturo::createCaptions()
{
    addCaption(QStringLiteral("Latitude"), QRect(480, 120, 615, 375));
    addCaption(QStringLiteral("Longitude"), QRect(480, 360, 735, 375));
    addCaption(QStringLiteral("Date (mm/dd/yyyy local)"), QRect(120, 1720, 1815, 255));
    addCaption(QStringLiteral("Session Start Time (local)"), QRect(120, 2080, 1905, 255));
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

void Nocturo::createSkyPlot()
{
    pSky = new SkyPlot(client);
    pSky->setObjectName(QStringLiteral("pSky"));
    pSky->setFocusPolicy(Qt::TabFocus);
    place(pSky, QRect(120, 6840, 1335, 1215));

    // The compass labels sit inside the chart, just outside the drawn disc.
    const auto compassLabel = [this](const QString &caption, const QRect &twips, Qt::Alignment alignment) {
        QLabel *label = addCaption(caption, twips, pSky);
        label->setAlignment(alignment);
    };
    compassLabel(QStringLiteral("0/360"), QRect(360, 0, 495, 175), Qt::AlignHCenter | Qt::AlignTop);
    compassLabel(QStringLiteral("90"), QRect(0, 480, 195, 255), Qt::AlignLeft | Qt::AlignTop);
    compassLabel(QStringLiteral("180"), QRect(400, 960, 375, 180), Qt::AlignHCenter | Qt::AlignTop);
    compassLabel(QStringLiteral("270"), QRect(940, 480, 300, 175), Qt::AlignRight | Qt::AlignTop);
}

void Nocturo::createResultsGrid()
{
    gResults = new FlexGrid(client);
    gResults->setObjectName(QStringLiteral("gResults"));
    gResults->setFont(windowFont());
    place(gResults, QRect(3480, 480, 9135, 7695));
    ResultsGridList(*gResults).resetList(ResultsLayout);
}

void Nocturo::createMenus()
{
    const auto addItem = [this](QMenu *menu, const QString &caption, const QKeySequence &shortcut,
                                void (Nocturo::*handler)()) {
        QAction *action = menu->addAction(caption);
        action->setShortcut(shortcut);
        connect(action, &QAction::triggered, this, handler);
    };

    QMenu *fileMenu = menuBar()->addMenu(QStringLiteral("&File"));
    addItem(fileMenu, QStringLiteral("Load Objects File"), QKeySequence(Qt::CTRL | Qt::Key_O), &Nocturo::LoadObj_Click);
    addItem(fileMenu, QStringLiteral("Save Results to File"), QKeySequence(Qt::CTRL | Qt::Key_R), &Nocturo::export_Click);
    addItem(fileMenu, QStringLiteral("Load Defaults"), QKeySequence(Qt::CTRL | Qt::Key_D), &Nocturo::loadDef_Click);
    addItem(fileMenu, QStringLiteral("Save Defaults"), QKeySequence(Qt::CTRL | Qt::Key_S), &Nocturo::saveDef_Click);
    fileMenu->addSeparator();
    addItem(fileMenu, QStringLiteral("Load Horizon Profile..."), QKeySequence(), &Nocturo::loadHorizon_Click);
    addItem(fileMenu, QStringLiteral("Clear Horizon Profile"), QKeySequence(), &Nocturo::clearHorizon_Click);
    fileMenu->addSeparator();
    addItem(fileMenu, QStringLiteral("Exit"), QKeySequence(Qt::CTRL | Qt::Key_X), &Nocturo::Quit_Click);

    QMenu *editMenu = menuBar()->addMenu(QStringLiteral("&Edit"));
    addItem(editMenu, QStringLiteral("Copy Results to Clipboard"), QKeySequence(Qt::CTRL | Qt::Key_C), &Nocturo::copy_Click);

    QMenu *viewMenu = menuBar()->addMenu(QStringLiteral("&View"));
    addItem(viewMenu, QStringLiteral("Night"), QKeySequence(Qt::Key_F2), &Nocturo::night_Click);
    QAction *nightVision = viewMenu->addAction(QStringLiteral("Night Vision"));
    nightVision->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    nightVision->setCheckable(true);
    nightVision->setChecked(isNightVision(QApplication::palette()));
    connect(nightVision, &QAction::toggled, this, &Nocturo::nightVision_Click);

    QMenu *helpMenu = menuBar()->addMenu(QStringLiteral("&Help"));
    addItem(helpMenu, QStringLiteral("Help"), QKeySequence(Qt::Key_F1), &Nocturo::fieldHelp_Click);
    addItem(helpMenu, QStringLiteral("About"), QKeySequence(), &Nocturo::about_Click);
}

void Nocturo::createStatusLine()
{
    statusLine = new QLabel(statusBar());
    statusLine->setObjectName(QStringLiteral("statusLine"));
    statusBar()->addWidget(statusLine, 1);
}

void Nocturo::setTabOrder()
{
    const QList<QWidget *> focusOrder{bGetDate, txtDate, txtTime, txtGMTDev, chkNebula, MinElev,
                                      MinMag, MinSize, MaxSize, chkPlanetary, chkGalaxy, chkGlobular,
                                      chkOpen, MinAz, MaxAz, txtSessLen, gResults, bQuit, bSaveDefs,
                                      bLoadDef, GetLatLon, pSky, bGenList, Included};
    for (qsizetype i = 1; i < focusOrder.size(); ++i)
        QWidget::setTabOrder(focusOrder.at(i - 1), focusOrder.at(i));
}

void Nocturo::connectHandlers()
{
    connect(bGenList, &QPushButton::clicked, this, &Nocturo::bGenList_Click);
    connect(GetLatLon, &QPushButton::clicked, this, &Nocturo::GetLatLon_Click);
    connect(bGetDate, &QPushButton::clicked, this, &Nocturo::bGetDate_Click);
    connect(bLoadDef, &QPushButton::clicked, this, &Nocturo::loadDef_Click);
    connect(bSaveDefs, &QPushButton::clicked, this, &Nocturo::saveDef_Click);
    connect(bQuit, &QPushButton::clicked, this, &Nocturo::Quit_Click);
    connect(Included, &QPushButton::clicked, this, &Nocturo::Included_Click);
    for (const TypeBox &typeBox : std::as_const(typeBoxes)) {
        QCheckBox *box = typeBox.box;
        // Only the defaults file can gray a box; once it is clicked again it has two states.
        connect(box, &QCheckBox::stateChanged, box, [box](int state) {
            if (state != Qt::PartiallyChecked)
                box->setTristate(false);
        });
        // A box changed by the defaults file regenerates the list just as a click does.
        connect(box, &QCheckBox::stateChanged, this, &Nocturo::bGenList_Click);
    }
    connect(gResults, &FlexGrid::MouseUp, this, &Nocturo::gResults_MouseUp);
    connect(gResults, &FlexGrid::DblClick, this, &Nocturo::gResults_DblClick);
}

bool Nocturo::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == client && event->type() == QEvent::Resize) {
        if (client->size() != laidOutClientSize)
            ResizeControls();
    } else if (event->type() == QEvent::FocusOut) {
        // Only a move to another control of this window counts as leaving a field: opening
        // a menu or switching to another window leaves the typed text as it is.
        const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
        const InputField *input = inputFor(watched);
        if (input && reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
            fieldLostFocus(*input);
    }
    return QMainWindow::eventFilter(watched, event);
}

const Nocturo::InputField *Nocturo::inputFor(const QObject *control) const
{
    const auto found = std::find_if(inputs.begin(), inputs.end(),
                                    [control](const InputField &input) { return input.control == control; });
    return found == inputs.end() ? nullptr : &*found;
}

const Nocturo::InputField *Nocturo::inputFor(SessionTextField field) const
{
    const auto found = std::find_if(inputs.begin(), inputs.end(),
                                    [field](const InputField &input) { return input.field == field; });
    return found == inputs.end() ? nullptr : &*found;
}

// ---- start-up and list --------------------------------------------------------------

void Nocturo::Form_Load()
{
    LastSortColumn = -1;
    bGetDate_Click();
    show();
    bGetDate->setFocus();
    applyDefaultsFile(false);
    catalogCommands.loadCatalog();
    ResultCount = 0;
    bGenList_Click();
}

SessionParameters Nocturo::sessionParameters() const
{
    SessionParameters p;
    for (const InputField &input : inputs)
        p.*input.field = controlText(input.control);
    for (const TypeBox &typeBox : typeBoxes)
        p.*typeBox.state = boxState(typeBox.box);
    p.Included = Included->text();
    return p;
}

SavedDefaults Nocturo::savedDefaults() const
{
    SavedDefaults defaults;
    static_cast<SessionParameters &>(defaults) = sessionParameters();
    defaults.CatalogFile = catalog.CatalogFile;
    defaults.HorizonProfile = horizonProfileFile;
    return defaults;
}

void Nocturo::bGenList_Click()
{
    ++listGenerationCount;
    ListOutcome outcome;
    {
        const FlexGrid::UpdateBatch batch(*gResults);
        ResultsGridList list(*gResults);
        outcome = ::generateList(sessionParameters(), catalog.loaded(), list, locale(), horizon());
        ResultCount = outcome.ResultCount;
        applySortState();
    }
    keepSelection();
    listInputs = outcome.ok() ? std::optional(outcome.inputs) : std::nullopt;
    daylight = listInputs ? daylightNote(*listInputs) : QString();
    showListOutcome(outcome.problems);
    drawSkyPlot();
    refreshNightWindow();
}

// The object selected before stays selected in a new list while it is listed.
void Nocturo::keepSelection()
{
    if (selectedIdentifier.isEmpty())
        return;
    for (int row = 1; row < gResults->Rows(); ++row) {
        if (gResults->TextMatrix(row, 0) == selectedIdentifier) {
            gResults->setRow(row);
            gResults->selectRow(row - 1);
            return;
        }
    }
    selectedIdentifier.clear();
}

const CatalogObject *Nocturo::selectedObject() const
{
    if (selectedIdentifier.isEmpty())
        return nullptr;
    for (const CatalogObject &object : catalog.loaded()) {
        if (object.Listed && object.Identifier == selectedIdentifier)
            return &object;
    }
    return nullptr;
}

void Nocturo::refreshNightWindow()
{
    if (!nightWindow || !nightWindow->isVisible())
        return;
    NightSession session;
    session.inputs = listInputs;
    session.catalog = catalog.loaded();
    session.selected = selectedObject();
    session.profile = horizon();
    nightWindow->showSession(session);
}

std::optional<double> Nocturo::getHourAngle(const QString &pdate, const QString &ptime, double ra, double Lon) const
{
    const auto date = readSessionDate(pdate, locale());
    const auto time = readSessionTime(ptime);
    const auto gmtDeviationHours = readFieldNumber(txtGMTDev->text(), locale());
    if (!date || !time || !gmtDeviationHours)
        return std::nullopt;
    return hourAngleDeg(getSiderealTime(*date, *time, *gmtDeviationHours, Lon), ra);
}

// Marks the inputs that cannot be read and says in the status line what the list holds.
void Nocturo::showListOutcome(const QList<FieldProblem> &problems)
{
    if (problems != shownProblems) {  // restyling at every keystroke would cost more than the list
        for (const FieldProblem &problem : std::as_const(shownProblems))
            clearMark(inputFor(problem.field)->control);
        for (const FieldProblem &problem : problems)
            markUnreadable(inputFor(problem.field)->control, problem.expected);
        shownProblems = problems;
    }
    statusLine->setText(listStatus());
}

QString Nocturo::listStatus() const
{
    if (shownProblems.isEmpty()) {
        const QString listed = ResultCount == 1 ? QStringLiteral("1 object listed")
                                                : QStringLiteral("%1 objects listed").arg(locale().toString(ResultCount));
        return daylight.isEmpty() ? listed : listed + QStringLiteral("; ") + daylight;
    }
    const FieldProblem &first = shownProblems.first();
    QString text = QStringLiteral("Nothing listed: %1 cannot be read. %2.")
                       .arg(inputFor(first.field)->caption, first.expected);
    if (shownProblems.size() > 1)
        text += QStringLiteral(" %1 more fields are marked in red.").arg(shownProblems.size() - 1);
    return text;
}

void Nocturo::drawSkyPlot()
{
    const auto minAzDeg = readFieldNumber(MinAz->text(), locale());
    const auto maxAzDeg = readFieldNumber(MaxAz->text(), locale());
    std::optional<AzimuthWindow> window;
    if (minAzDeg && maxAzDeg) {
        // The chart shows the window exactly as the list applies it.
        const bool inclusive = Included->text() == QLatin1String("Inclusive");
        window = AzimuthWindow{*minAzDeg, *maxAzDeg,
                               inclusive ? AzimuthWindowMode::Inclusive : AzimuthWindowMode::Exclusive};
    }
    pSky->drawSkyPlot(window, horizon());
}

void Nocturo::ResizeControls()
{
    bGenList_Click();
    laidOutClientSize = client->size();
    layout.placeControls(laidOutClientSize);
    drawSkyPlot();
}

// ---- session fields -------------------------------------------------------------------

void Nocturo::fieldLostFocus(const InputField &input)
{
    auto *field = static_cast<QLineEdit *>(input.control);
    if (input.rule == InputField::Rule::Time)
        field->setText(normalizeTimeText(field->text()));
    else if (field->text().isEmpty())
        field->setText(input.refill);
    if (input.rule == InputField::Rule::AzimuthOrder)
        checkAzimuthOrder(input);
    bGenList_Click();
}

void Nocturo::checkAzimuthOrder(const InputField &input)
{
    if (!azimuthWindowReversed(MinAz->text(), MaxAz->text(), locale()))
        return;
    showMessage(QStringLiteral("Min Azimuth must be less than Max Azimuth"));
    setControlText(input.control, input.refill);
}

// ---- commands -------------------------------------------------------------------------

void Nocturo::showMessage(const QString &text)
{
    platform.messages.showMessage(ApplicationTitle, text);
}

void Nocturo::showStatus(const QString &text)
{
    statusBar()->showMessage(text, StatusMessageMs);
}

void Nocturo::bGetDate_Click()
{
    const QDateTime now = platform.clock.localNow();
    txtDate->setText(writeSessionDate(now.date(), locale()));
    txtTime->setText(writeSessionTime(now.time()));
    txtGMTDev->setText(gmtDeviationText(getTimeZoneBias(platform.timeZone), locale()));
    bGenList_Click();
}

void Nocturo::Included_Click()
{
    Included->setText(Included->text() == QLatin1String("Inclusive") ? QStringLiteral("Exclusive")
                                                                      : QStringLiteral("Inclusive"));
    bGenList_Click();
}

// The list is generated again after every load, failed and cancelled ones too, so that it never
// shows objects of a catalog that is no longer there.
void Nocturo::loadCatalogAndList(bool fromMenu)
{
    const bool loaded = fromMenu ? catalogCommands.LoadObj_Click() : catalogCommands.loadCatalog();
    bGenList_Click();
    if (loaded)
        showStatus(QStringLiteral("Loaded %1 objects from \"%2\".")
                       .arg(locale().toString(catalog.CatalogCount), shownPath(catalog.CatalogFile)));
}

void Nocturo::LoadObj_Click()
{
    loadCatalogAndList(true);
}

void Nocturo::GetLatLon_Click()
{
    showLocationChooser(locationChooser, *this, platform.messages, this);
}

void Nocturo::fieldHelp_Click()
{
    // The guide lies beside the program in a build, and in the data folder once installed.
    showHelpForm(helpForm, platform.browser,
                 userGuideAddress({QCoreApplication::applicationDirPath(), installedDataFolder()}));
}

void Nocturo::about_Click()
{
    showMessage(QStringLiteral("Nocturo v%1\n\n"
                               "A planner for visual deep-sky observing. Free software under the "
                               "MIT License.\n\n"
                               "Object catalog: OpenNGC database by Mattia Verga, CC-BY-SA 4.0.\n"
                               "City positions: GeoNames, CC-BY 4.0.")
                    .arg(applicationVersion()));
}

void Nocturo::Quit_Click()
{
    close();
}

QString Nocturo::latitudeCaption() const
{
    return Lat->text();
}

QString Nocturo::longitudeCaption() const
{
    return Lon->text();
}

void Nocturo::setLocationCaptions(const QString &latitude, const QString &longitude)
{
    setControlText(Lat, latitude);
    setControlText(Lon, longitude);
}

// ---- results grid ---------------------------------------------------------------------

void Nocturo::gResults_MouseUp(int, int, float, float)
{
    if (gResults->MouseRow() > 0) {  // a click on a row selects its object
        selectedIdentifier = gResults->TextMatrix(gResults->Row(), 0);
        refreshNightWindow();
        return;
    }
    if (gResults->MouseRow() != 0)
        return;
    const int col = gResults->MouseCol();
    if (col >= 0)  // not right of the last column
        sortResultsByColumn(qint16(col));
}

void Nocturo::sortResultsByColumn(qint16 col)
{
    // The rows are rearranged out of sight, and the observer sees one repaint.
    gResults->setUpdatesEnabled(false);
    SortOrder = (col != LastSortColumn || SortOrder != 1) ? 1 : 2;
    if (LastSortColumn >= 0) {
        const QString heading = gResults->TextMatrix(0, LastSortColumn);
        if (heading.startsWith(QLatin1String("> ")) || heading.startsWith(QLatin1String("< ")))
            gResults->setTextMatrix(0, LastSortColumn, heading.mid(2));
    }
    LastSortColumn = col;
    applySortState();
    gResults->setUpdatesEnabled(true);
}

// The observer's chosen order holds for every new list until another heading is clicked.
void Nocturo::applySortState()
{
    if (LastSortColumn < 0)
        return;
    gResults->setCol(LastSortColumn);
    gResults->setColSel(LastSortColumn);
    gResults->setRow(0);
    gResults->setRowSel(0);
    gResults->setSort(SortOrder);
    gResults->setTextMatrix(0, LastSortColumn, sortMarker(SortOrder) + gResults->TextMatrix(0, LastSortColumn));
}

void Nocturo::gResults_DblClick()
{
    if (gResults->MouseRow() < 1)
        return;  // the heading, or below the last row
    // No browser is no failure worth a message: the list stays as it is.
    platform.browser.openAddress(imageSearchAddress(gResults->TextMatrix(gResults->Row(), 0)));
}

QString Nocturo::resultsText() const
{
    return buildResultsText(ResultCount, [this](int row, int col) { return gResults->TextMatrix(row, col); });
}

void Nocturo::copy_Click()
{
    QGuiApplication::clipboard()->setText(resultsText());
}

void Nocturo::export_Click()
{
    FileRequest request;
    request.purpose = FileRequest::Purpose::Save;
    request.presetName = QStringLiteral("results.txt");
    request.initialFolder = folders.folderFor(FileKind::Results);
    request.nameFilters = resultsNameFilters();
    const FileChoice choice = platform.files.chooseFile(request);
    if (choice.cancelled)
        return;
    if (choice.paths.size() != 1) {
        showMessage(QStringLiteral("The results were not saved: %1 files were chosen (%2). Choose one file.")
                        .arg(choice.paths.size()).arg(choice.paths.join(QStringLiteral(", "))));
        return;
    }
    const QString path = choice.paths.first();
    folders.remember(FileKind::Results, path);
    const QString reason = writeTextFile(path, resultsText());
    if (reason.isEmpty())
        showStatus(QStringLiteral("Results saved to \"%1\".").arg(shownPath(path)));
    else
        showMessage(QStringLiteral("The results could not be saved to \"%1\": %2").arg(shownPath(path), reason));
}

// ---- defaults file --------------------------------------------------------------------

void Nocturo::saveDef_Click()
{
    const QString path = shownPath(defaultsFileName());
    const QString reason = writeTextFile(defaultsFileName(), defaultsText(savedDefaults()));
    if (reason.isEmpty())
        showStatus(QStringLiteral("Defaults saved to \"%1\".").arg(path));
    else
        showMessage(QStringLiteral("The defaults could not be saved to \"%1\": %2").arg(path, reason));
}

void Nocturo::applyDefaultsLine(const DefaultsLine &line, const SavedDefaults &defaults)
{
    if (line.boxState) {
        for (const TypeBox &typeBox : std::as_const(typeBoxes)) {
            if (line.boxState == static_cast<int SavedDefaults::*>(typeBox.state))
                typeBox.box->setCheckState(checkStateFor(defaults.*line.boxState));
        }
        return;
    }
    const QString &text = defaults.*line.text;
    if (line.text == &SavedDefaults::CatalogFile)
        catalog.CatalogFile = text;
    else if (line.text == &SavedDefaults::Included)
        Included->setText(withoutLineBreaksOrTabs(text));
    else if (line.text == &SavedDefaults::HorizonProfile) {
        if (text.isEmpty()) {
            horizonProfile.reset();
            horizonProfileFile.clear();
        } else {
            applyHorizonProfile(text, text);
        }
    } else {
        for (const InputField &input : std::as_const(inputs)) {
            if (line.text == static_cast<QString SavedDefaults::*>(input.field))
                setControlText(input.control, text);
        }
    }
}

// Applies the defaults file line by line. A missing file leaves the design values at start-up
// without a word; asked for from the menu, it is reported.
void Nocturo::applyDefaultsFile(bool reportMissingFile)
{
    const QString path = shownPath(defaultsFileName());
    const TextFileLines file = readTextLines(defaultsFileName());
    if (!file.ok()) {
        catalog.CatalogFile = DefaultCatalogFile;
        if (reportMissingFile)
            showMessage(QStringLiteral("No defaults were loaded. %1").arg(file.problem));
        return;
    }
    SavedDefaults defaults = savedDefaults();
    const DefaultsReading reading = readDefaultsLines(
        file.lines, defaults, [&](const DefaultsLine &line) { applyDefaultsLine(line, defaults); });
    if (reading.ok()) {
        if (reportMissingFile)  // asked for, not the silent start
            showStatus(QStringLiteral("Defaults loaded from \"%1\".").arg(path));
        return;
    }
    catalog.CatalogFile = DefaultCatalogFile;
    // One arg() call for all parts, so that a "%1" in a folder name stays as it is.
    showMessage(reading.linesApplied == 0
                    ? QStringLiteral("None of the defaults in \"%1\" were applied: %2.").arg(path, reading.problem)
                    : QStringLiteral("The defaults in \"%1\" were applied only up to line %2: %3.")
                          .arg(path, QString::number(reading.linesApplied), reading.problem));
}

void Nocturo::loadDef_Click()
{
    applyDefaultsFile(true);
    bGenList_Click();
}

// ---- the night ----------------------------------------------------------------------------

// A profile that cannot be read is explained, and the one in use stays.
bool Nocturo::applyHorizonProfile(const QString &path, const QString &nameForDefaults)
{
    HorizonProfileReading reading = readHorizonProfileFile(path);
    if (!reading.ok()) {
        showMessage(QStringLiteral("The horizon profile was not loaded. %1").arg(reading.problem));
        return false;
    }
    horizonProfile = std::move(reading.profile);
    horizonProfileFile = nameForDefaults;
    return true;
}

void Nocturo::loadHorizon_Click()
{
    FileRequest request;
    request.purpose = FileRequest::Purpose::Open;
    request.initialFolder = folders.folderFor(FileKind::HorizonProfile);
    request.nameFilters = horizonProfileNameFilters();
    const FileChoice choice = platform.files.chooseFile(request);
    if (choice.cancelled)
        return;
    const QString path = choice.paths.value(0);
    if (choice.paths.size() != 1 || holdsLineBreak(path)) {
        showMessage(QStringLiteral("The horizon profile was not loaded: choose one file whose name holds no line break."));
        return;
    }
    folders.remember(FileKind::HorizonProfile, path);
    if (!applyHorizonProfile(path, nameForDefaults(path)))
        return;
    bGenList_Click();
    showStatus(QStringLiteral("Horizon profile loaded from \"%1\".").arg(shownPath(path)));
}

void Nocturo::clearHorizon_Click()
{
    horizonProfile.reset();
    horizonProfileFile.clear();
    bGenList_Click();
}

NightWindow *Nocturo::nightWindowShown() const
{
    return nightWindow;
}

void Nocturo::night_Click()
{
    if (!nightWindow) {
        nightWindow = new NightWindow(this);
        nightWindow->setAttribute(Qt::WA_DeleteOnClose);
        connect(nightWindow, &NightWindow::darknessChanged, this, &Nocturo::refreshNightWindow);
    }
    nightWindow->show();
    nightWindow->raise();
    nightWindow->activateWindow();
    refreshNightWindow();
}

void Nocturo::nightVision_Click(bool on)
{
    applyNightVision(on);
    rememberNightVision(on);
    for (const InputField &input : std::as_const(inputs))
        refreshMark(input.control);
    drawSkyPlot();
}
