#include "ui/main/nocturo.h"

#include "astro/listgeneration.h"
#include "astro/sessioninputs.h"
#include "astro/sessiontext.h"
#include "catalog/catalogloader.h"
#include "io/textfile.h"
#include "desktop/installeddata.h"
#include "ui/grid/flexgrid.h"
#include "ui/help/helpform.h"
#include "ui/help/userguide.h"
#include "ui/location/locationchooser.h"
#include "ui/main/imagesearch.h"
#include "ui/main/inputrules.h"
#include "ui/main/nowcommand.h"
#include "ui/main/resultstext.h"
#include "ui/main/skyplot.h"
#include "ui/main/twips.h"
#include "ui/main/wrappingbutton.h"
#include "ui/platform/browser.h"
#include "ui/platform/clock.h"
#include "ui/platform/filechooser.h"
#include "ui/platform/messages.h"
#include "ui/settings/defaultsfile.h"

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

#include <cmath>
#include <limits>

namespace {

const QString ApplicationTitle = QStringLiteral("Nocturo");
const QSize DesignClientTwips(12855, 8265);
const QString UnreadableStyle = QStringLiteral("background-color: #ffd7d7; border: 1px solid #c00000;");

QFont windowFont(double pointSize = 8.25, bool bold = false)
{
    QFont font;
    // Liberation Sans has the narrow metrics the layout was designed around.
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"),
                      QStringLiteral("Arial"), QStringLiteral("Sans Serif")});
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
}

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

}  // namespace

Nocturo::Nocturo(const Platform &platform, QWidget *parent)
    : QMainWindow(parent)
    , platform(platform)
    , CatalogFile(DefaultCatalogFile)
    , catalogCommands(Catalog, CatalogCount, CatalogFile, platform.files, platform.messages)
{
    setWindowTitle(ApplicationTitle);
    setFont(windowFont());
    client = new QWidget(this);
    setCentralWidget(client);
    createControls();
    createMenus();
    setTabOrder();
    connectHandlers();
    // The design size is only the starting size; the window may be resized freely.
    laidOutClientSize = twipsToPixels(DesignClientTwips);
    client->resize(laidOutClientSize);
    resize(laidOutClientSize.width(), laidOutClientSize.height() + menuBar()->sizeHint().height());
    client->installEventFilter(this);
    drawSkyPlot();
}

Nocturo::~Nocturo() = default;

// ---- controls -------------------------------------------------------------------------

void Nocturo::place(QWidget *control, const QRect &twips)
{
    control->setGeometry(twipsToPixels(twips));
    layout.RecordControlRatios(control, twips, DesignClientTwips);
}

QLabel *Nocturo::addCaption(const QString &caption, const QRect &twips, QWidget *parent)
{
    auto *label = new QLabel(caption, parent ? parent : client);
    place(label, twips);
    return label;
}

QLineEdit *Nocturo::addTextField(const char *name, const QString &text, const QRect &twips)
{
    auto *field = new QLineEdit(text, client);
    field->setObjectName(QLatin1String(name));
    place(field, twips);
    field->installEventFilter(this);
    return field;
}

QCheckBox *Nocturo::addTypeBox(const char *name, const QString &caption, const QRect &twips)
{
    auto *box = new QCheckBox(caption, client);
    box->setObjectName(QLatin1String(name));
    box->setCheckState(Qt::Checked);
    place(box, twips);
    return box;
}

QPushButton *Nocturo::addButton(const char *name, const QString &caption, const QRect &twips)
{
    auto *button = new WrappingButton(caption, client);
    button->setObjectName(QLatin1String(name));
    button->setAutoDefault(false);
    place(button, twips);
    return button;
}

void Nocturo::createControls()
{
    Lat = addCaption(QStringLiteral("0"), QRect(1320, 120, 615, 255));
    Lat->setAlignment(Qt::AlignRight | Qt::AlignTop);
    Lon = addCaption(QStringLiteral("0"), QRect(1200, 360, 735, 255));
    Lon->setAlignment(Qt::AlignRight | Qt::AlignTop);
    GetLatLon = addButton("GetLatLon", QStringLiteral("Set Your Location"), QRect(2160, 105, 855, 495));
    txtGMTDev = addTextField("txtGMTDev", QString(), QRect(1800, 1140, 495, 285));
    bGetDate = addButton("bGetDate", QStringLiteral("Now"), QRect(2520, 1080, 615, 375));
    txtDate = addTextField("txtDate", QString(), QRect(2040, 1680, 975, 285));
    txtTime = addTextField("txtTime", QString(), QRect(2040, 2040, 975, 285));
    txtSessLen = addTextField("txtSessLen", QStringLiteral("1"), QRect(2040, 2400, 375, 285));
    bGenList = addButton("bGenList", QStringLiteral("Refresh List"), QRect(240, 3120, 975, 495));
    bSaveDefs = addButton("bSaveDefs", QStringLiteral("Save Defaults"), QRect(240, 3720, 975, 615));
    bLoadDef = addButton("bLoadDef", QStringLiteral("Load Defaults"), QRect(240, 4440, 975, 615));
    chkGalaxy = addTypeBox("chkGalaxy", QStringLiteral("Galaxy"), QRect(1560, 3360, 1695, 255));
    chkNebula = addTypeBox("chkNebula", QStringLiteral("Nebula"), QRect(1560, 3720, 1695, 255));
    chkPlanetary = addTypeBox("chkPlanetary", QStringLiteral("Planetary Nebula"), QRect(1560, 4080, 1695, 255));
    chkGlobular = addTypeBox("chkGlobular", QStringLiteral("Globular Cluster"), QRect(1560, 4440, 1695, 255));
    chkOpen = addTypeBox("chkOpen", QStringLiteral("Open Cluster"), QRect(1560, 4800, 1695, 255));
    MinMag = addTextField("MinMag", QStringLiteral("30"), QRect(2160, 5400, 615, 285));
    MinSize = addTextField("MinSize", QStringLiteral("1"), QRect(1800, 5880, 495, 285));
    MaxSize = addTextField("MaxSize", QStringLiteral("999"), QRect(2280, 5880, 495, 285));
    MinElev = addTextField("MinElev", QStringLiteral("30"), QRect(2160, 6360, 615, 285));
    createSkyPlot();
    MinAz = addTextField("MinAz", QStringLiteral("0"), QRect(1920, 7320, 375, 285));
    MaxAz = addTextField("MaxAz", QStringLiteral("360"), QRect(2280, 7320, 375, 285));
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
    addCaption(QStringLiteral("Session Start Time (local)"), QRect(120, 2080, 1815, 255));
    addCaption(QStringLiteral("GMT Deviation (EST=-5, EDT=-4)"), QRect(240, 1080, 1455, 495))->setWordWrap(true);
    addCaption(QStringLiteral("Object Type"), QRect(1680, 3000, 1455, 255))->setFont(windowFont(9.75, true));
    addCaption(QStringLiteral("Min Elevation (deg)"), QRect(480, 6420, 1455, 255));
    addCaption(QStringLiteral("Min Brightness (mag)"), QRect(480, 5440, 1575, 255));
    addCaption(QStringLiteral("Size (arcmin)  Min:"), QRect(480, 5920, 1335, 255));
    addCaption(QStringLiteral("Max"), QRect(2800, 5920, 495, 255));
    addCaption(QStringLiteral("Az Range (deg)"), QRect(1800, 7080, 1335, 255));
    addCaption(QStringLiteral("Max"), QRect(2760, 7360, 375, 255));
    addCaption(QStringLiteral("Session Length (hrs)"), QRect(120, 2440, 1695, 255));
    addCaption(QStringLiteral("Min"), QRect(1560, 7360, 375, 255));
    addCaption(QStringLiteral("Click Heading to Sort"), QRect(4080, 120, 1575, 255));
    addCaption(QStringLiteral("Double Click entry for Google Images"), QRect(6360, 120, 2655, 255));
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
        label->setStyleSheet(QStringLiteral("color: #e8e8f0;"));
    };
    compassLabel(QStringLiteral("0/360"), QRect(360, 0, 495, 175), Qt::AlignHCenter | Qt::AlignTop);
    compassLabel(QStringLiteral("90"), QRect(0, 480, 175, 255), Qt::AlignLeft | Qt::AlignTop);
    compassLabel(QStringLiteral("180"), QRect(400, 960, 375, 180), Qt::AlignHCenter | Qt::AlignTop);
    compassLabel(QStringLiteral("270"), QRect(970, 480, 270, 175), Qt::AlignRight | Qt::AlignTop);
}

void Nocturo::createResultsGrid()
{
    gResults = new FlexGrid(client);
    gResults->setObjectName(QStringLiteral("gResults"));
    gResults->setFont(windowFont());
    place(gResults, QRect(3480, 480, 9135, 7695));
    resetResultsGrid(*gResults);
}

void Nocturo::createMenus()
{
    const auto addItem = [this](QMenu *menu, const QString &caption, const QKeySequence &shortcut,
                                void (Nocturo::*handler)()) {
        QAction *action = menu->addAction(caption);
        action->setShortcut(shortcut);
        connect(action, &QAction::triggered, this, handler);
    };

    QMenu *fileMenu = menuBar()->addMenu(QStringLiteral("File"));
    addItem(fileMenu, QStringLiteral("Load Objects File"), QKeySequence(Qt::CTRL | Qt::Key_O), &Nocturo::LoadObj_Click);
    addItem(fileMenu, QStringLiteral("Save Results to File"), QKeySequence(Qt::CTRL | Qt::Key_R), &Nocturo::export_Click);
    addItem(fileMenu, QStringLiteral("Load Defaults"), QKeySequence(Qt::CTRL | Qt::Key_D), &Nocturo::loadDef_Click);
    addItem(fileMenu, QStringLiteral("Save Defaults"), QKeySequence(Qt::CTRL | Qt::Key_S), &Nocturo::saveDef_Click);
    addItem(fileMenu, QStringLiteral("Exit"), QKeySequence(Qt::CTRL | Qt::Key_X), &Nocturo::Quit_Click);

    QMenu *editMenu = menuBar()->addMenu(QStringLiteral("Edit"));
    addItem(editMenu, QStringLiteral("Copy Results to Clipboard"), QKeySequence(Qt::CTRL | Qt::Key_C), &Nocturo::copy_Click);

    QMenu *helpMenu = menuBar()->addMenu(QStringLiteral("Help"));
    addItem(helpMenu, QStringLiteral("Help"), QKeySequence(Qt::Key_F1), &Nocturo::fieldHelp_Click);
    addItem(helpMenu, QStringLiteral("About"), QKeySequence(), &Nocturo::about_Click);
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
    for (QCheckBox *box : {chkOpen, chkGlobular, chkGalaxy, chkPlanetary, chkNebula}) {
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

    lostFocusHandlers = {{txtDate, &Nocturo::txtDate_LostFocus},     {txtTime, &Nocturo::txtTime_LostFocus},
                         {txtGMTDev, &Nocturo::txtGMTDev_LostFocus}, {txtSessLen, &Nocturo::txtSessLen_LostFocus},
                         {MinElev, &Nocturo::MinElev_LostFocus},     {MinMag, &Nocturo::MinMag_LostFocus},
                         {MinSize, &Nocturo::MinSize_LostFocus},     {MaxSize, &Nocturo::MaxSize_LostFocus},
                         {MinAz, &Nocturo::MinAz_LostFocus},         {MaxAz, &Nocturo::MaxAz_LostFocus}};
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
        const auto handler = lostFocusHandlers.constFind(watched);
        if (handler != lostFocusHandlers.constEnd() && reason != Qt::ActiveWindowFocusReason
            && reason != Qt::PopupFocusReason)
            (this->*handler.value())();
    }
    return QMainWindow::eventFilter(watched, event);
}

// ---- start-up and list --------------------------------------------------------------

void Nocturo::Form_Load()
{
    LastSortColumn = -1;
    bGetDate_Click();
    show();
    bGetDate->setFocus();
    loadDef_Click();
    catalogCommands.loadCatalog();
    ResultCount = 0;
    bGenList_Click();
}

SessionParameters Nocturo::sessionParameters() const
{
    const auto state = boxState;
    SessionParameters p;
    p.Lat = Lat->text();
    p.Lon = Lon->text();
    p.txtDate = txtDate->text();
    p.txtTime = txtTime->text();
    p.txtGMTDev = txtGMTDev->text();
    p.txtSessLen = txtSessLen->text();
    p.MinElev = MinElev->text();
    p.MinAz = MinAz->text();
    p.MaxAz = MaxAz->text();
    p.MinMag = MinMag->text();
    p.MinSize = MinSize->text();
    p.MaxSize = MaxSize->text();
    p.chkNebula = state(chkNebula);
    p.chkPlanetary = state(chkPlanetary);
    p.chkGalaxy = state(chkGalaxy);
    p.chkGlobular = state(chkGlobular);
    p.chkOpen = state(chkOpen);
    p.Included = Included->text();
    return p;
}

void Nocturo::bGenList_Click()
{
    ++listGenerationCount;
    ListOutcome outcome;
    {
        const FlexGrid::UpdateBatch batch(*gResults);
        outcome = generateList(sessionParameters(), std::span(Catalog.data(), CatalogCount),
                               *gResults, locale());
    }
    ResultCount = outcome.ResultCount;
    showUnreadableFields(outcome.unreadable);
    drawSkyPlot();
}

double Nocturo::getHourAngle(const QString &pdate, const QString &ptime, double ra, double Lon) const
{
    const auto date = readSessionDate(pdate, locale());
    const auto time = readSessionTime(ptime);
    bool deviationRead = false;
    const double gmtDeviationHours = locale().toDouble(txtGMTDev->text().trimmed(), &deviationRead);
    if (!date || !time || !deviationRead)
        return std::numeric_limits<double>::quiet_NaN();
    return hourAngleDeg(getSiderealTime(*date, *time, gmtDeviationHours, Lon), ra);
}

QWidget *Nocturo::controlFor(SessionField field) const
{
    switch (field) {
    case SessionField::Lat: return Lat;
    case SessionField::Lon: return Lon;
    case SessionField::txtDate: return txtDate;
    case SessionField::txtTime: return txtTime;
    case SessionField::txtGMTDev: return txtGMTDev;
    case SessionField::txtSessLen: return txtSessLen;
    case SessionField::MinElev: return MinElev;
    case SessionField::MinAz: return MinAz;
    case SessionField::MaxAz: return MaxAz;
    case SessionField::MinMag: return MinMag;
    case SessionField::MinSize: return MinSize;
    case SessionField::MaxSize: return MaxSize;
    }
    return nullptr;
}

void Nocturo::showUnreadableFields(const QList<SessionField> &unreadable)
{
    if (unreadable == markedFields)
        return;  // restyling every control at every keystroke would cost more than the list
    for (SessionField field : markedFields) {
        controlFor(field)->setStyleSheet(QString());
        controlFor(field)->setToolTip(QString());
    }
    for (SessionField field : unreadable) {
        controlFor(field)->setStyleSheet(UnreadableStyle);
        controlFor(field)->setToolTip(expectedForm(field, locale()));
    }
    markedFields = unreadable;
}

void Nocturo::drawSkyPlot()
{
    pSky->drawSkyPlot(MinAz->text(), MaxAz->text(), Included->text(), locale());
}

void Nocturo::ResizeControls()
{
    bGenList_Click();
    laidOutClientSize = client->size();
    layout.placeControls(laidOutClientSize);
    drawSkyPlot();
}

// ---- session fields -------------------------------------------------------------------

void Nocturo::refillIfEmpty(QLineEdit *field, const QString &refill)
{
    if (field->text().isEmpty())
        field->setText(refill);
}

void Nocturo::checkAzimuthOrder(QLineEdit *fieldLeft, const QString &resetText)
{
    if (!azimuthWindowReversed(MinAz->text(), MaxAz->text(), locale()))
        return;
    platform.messages.showMessage(ApplicationTitle, QStringLiteral("Min Azimuth must be less than Max Azimuth"));
    fieldLeft->setText(resetText);
}

void Nocturo::txtDate_LostFocus()
{
    refillIfEmpty(txtDate, QStringLiteral("1/1/2006"));
    bGenList_Click();
}

void Nocturo::txtTime_LostFocus()
{
    txtTime->setText(normalizeTimeText(txtTime->text()));
    bGenList_Click();
}

void Nocturo::txtGMTDev_LostFocus()
{
    refillIfEmpty(txtGMTDev, QStringLiteral("0"));
    bGenList_Click();
}

void Nocturo::txtSessLen_LostFocus()
{
    refillIfEmpty(txtSessLen, QStringLiteral("0"));
    bGenList_Click();
}

void Nocturo::MinElev_LostFocus()
{
    refillIfEmpty(MinElev, QStringLiteral("0"));
    bGenList_Click();
}

void Nocturo::MinMag_LostFocus()
{
    refillIfEmpty(MinMag, QStringLiteral("30"));
    bGenList_Click();
}

void Nocturo::MinSize_LostFocus()
{
    refillIfEmpty(MinSize, QStringLiteral("0"));
    bGenList_Click();
}

void Nocturo::MaxSize_LostFocus()
{
    refillIfEmpty(MaxSize, QStringLiteral("999"));
    bGenList_Click();
}

void Nocturo::MinAz_LostFocus()
{
    refillIfEmpty(MinAz, QStringLiteral("0"));
    checkAzimuthOrder(MinAz, QStringLiteral("0"));
    bGenList_Click();
}

void Nocturo::MaxAz_LostFocus()
{
    refillIfEmpty(MaxAz, QStringLiteral("360"));
    checkAzimuthOrder(MaxAz, QStringLiteral("360"));
    bGenList_Click();
}

// ---- commands -------------------------------------------------------------------------

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

void Nocturo::LoadObj_Click()
{
    catalogCommands.LoadObj_Click();
}

void Nocturo::GetLatLon_Click()
{
    showLocationChooser(locationChooser, *this, this);
}

void Nocturo::fieldHelp_Click()
{
    // The guide lies beside the program in a build, and in the data folder once installed.
    showHelpForm(helpForm, platform.browser,
                 userGuideAddress({QCoreApplication::applicationDirPath(), installedDataFolder()}));
}

void Nocturo::about_Click()
{
    platform.messages.showMessage(ApplicationTitle, QStringLiteral("Nocturo v1.1"));
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
    Lat->setText(latitude);
    Lon->setText(longitude);
}

// ---- results grid ---------------------------------------------------------------------

void Nocturo::gResults_MouseUp(int, int, float, float)
{
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
    gResults->setCol(col);
    gResults->setColSel(col);
    gResults->setRow(0);
    gResults->setRowSel(0);
    SortOrder = (col != LastSortColumn || SortOrder != 1) ? 1 : 2;
    gResults->setSort(SortOrder);

    if (LastSortColumn >= 0) {
        const QString heading = gResults->TextMatrix(0, LastSortColumn);
        if (heading.startsWith(QLatin1String("> ")) || heading.startsWith(QLatin1String("< ")))
            gResults->setTextMatrix(0, LastSortColumn, heading.mid(2));
    }
    LastSortColumn = col;
    gResults->setTextMatrix(0, col, sortMarker(SortOrder) + gResults->TextMatrix(0, col));
    gResults->setUpdatesEnabled(true);
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
    request.initialFolder = QDir::currentPath();
    request.nameFilters = csvNameFilters();
    const FileChoice choice = platform.files.chooseFile(request);
    if (choice.cancelled)
        return;
    if (choice.paths.size() != 1) {
        platform.messages.showMessage(ApplicationTitle,
                                      QStringLiteral("The results were not saved: %1 files were chosen (%2). Choose one file.")
                                          .arg(choice.paths.size()).arg(choice.paths.join(QStringLiteral(", "))));
        return;
    }
    const QString path = choice.paths.first();
    const QString reason = writeTextFile(path, resultsText());
    if (!reason.isEmpty())
        platform.messages.showMessage(ApplicationTitle, QStringLiteral("The results could not be saved to \"%1\": %2")
                                                            .arg(QDir::toNativeSeparators(path), reason));
}

// ---- defaults file --------------------------------------------------------------------

QStringList Nocturo::defaultsValues() const
{
    const auto state = [](const QCheckBox *box) { return QString::number(boxState(box)); };
    return {Lat->text(),      Lon->text(),         txtSessLen->text(),   MinElev->text(),
            MinAz->text(),    MaxAz->text(),       MinMag->text(),       MinSize->text(),
            MaxSize->text(),  state(chkNebula),    state(chkPlanetary),  state(chkGalaxy),
            state(chkGlobular), state(chkOpen),    CatalogFile,          Included->text()};
}

void Nocturo::saveDef_Click()
{
    const QString reason = writeTextFile(defaultsFileName(), defaultsText(defaultsValues()));
    if (reason.isEmpty())
        return;
    const QString path = QDir::toNativeSeparators(QDir(defaultsFileName()).absolutePath());
    platform.messages.showMessage(ApplicationTitle,
                                  QStringLiteral("The defaults could not be saved to \"%1\": %2").arg(path, reason));
}

void Nocturo::applyDefaultsLine(int lineNumber, const QString &text, int checkState)
{
    QLineEdit *const fields[] = {txtSessLen, MinElev, MinAz, MaxAz, MinMag, MinSize, MaxSize};
    QCheckBox *const boxes[] = {chkNebula, chkPlanetary, chkGalaxy, chkGlobular, chkOpen};
    if (lineNumber == 1)
        Lat->setText(text);
    else if (lineNumber == 2)
        Lon->setText(text);
    else if (lineNumber <= 9)
        fields[lineNumber - 3]->setText(text);
    else if (lineNumber <= LastCheckBoxLine)
        boxes[lineNumber - FirstCheckBoxLine]->setCheckState(checkStateFor(checkState));
    else if (lineNumber == CatalogFileLine)
        CatalogFile = text;
    else
        Included->setText(text);
}

void Nocturo::loadDef_Click()
{
    const TextFileLines file = readTextLines(defaultsFileName());
    if (!file.ok()) {
        CatalogFile = DefaultCatalogFile;  // no defaults saved yet: the design values stay
        return;
    }
    const DefaultsReading reading = applyDefaultsLines(
        file.lines, [this](int line, const QString &text, int state) { applyDefaultsLine(line, text, state); });
    if (reading.ok())
        return;
    CatalogFile = DefaultCatalogFile;
    // One arg() call for all parts, so that a "%1" in a folder name stays as it is.
    const QString path = QDir::toNativeSeparators(QDir(defaultsFileName()).absolutePath());
    const QString text =
        reading.linesApplied == 0
            ? QStringLiteral("None of the defaults in \"%1\" were applied: %2.").arg(path, reading.failure)
            : QStringLiteral("The defaults in \"%1\" were applied only up to line %2: %3.")
                  .arg(path, QString::number(reading.linesApplied), reading.failure);
    platform.messages.showMessage(ApplicationTitle, text);
}
