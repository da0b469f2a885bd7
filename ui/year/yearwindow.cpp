#include "ui/year/yearwindow.h"

#include "plan/objectseeing.h"
#include "plan/yearplan.h"
#include "ui/common/texttable.h"
#include "ui/common/windowlook.h"
#include "ui/year/bestnightstablemodel.h"
#include "ui/year/yearmap.h"
#include "ui/year/yearmapview.h"
#include "ui/year/yearwork.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QShortcut>
#include <QSpinBox>
#include <QTableView>
#include <QVBoxLayout>

namespace {

constexpr int FirstYear = 1800;
constexpr int LastYear = 2200;

QDate dateOf(const CalendarDate &date)
{
    return QDate(date.year, date.month, date.day);
}

}  // namespace

YearWindow::YearWindow(QWidget *parent)
    : QWidget(parent, Qt::Window)
{
    setWindowTitle(QStringLiteral("Year"));
    setObjectName(QStringLiteral("YearWindow"));
    setFont(windowFont());
    createControls();
    resize(820, 480);
}

void YearWindow::createControls()
{
    m_year = new QSpinBox(this);
    m_year->setAccessibleName(QStringLiteral("Year"));
    m_year->setRange(FirstYear, LastYear);
    m_year->setValue(QDate::currentDate().year());
    connect(m_year, &QSpinBox::valueChanged, this, &YearWindow::showYear);
    m_subject = new QLabel(this);
    m_subject->setObjectName(QStringLiteral("subject"));
    m_progress = new QProgressBar(this);
    m_cancel = new QPushButton(QStringLiteral("Cancel"), this);
    m_work = new YearWork(this);
    connect(m_cancel, &QPushButton::clicked, this, &YearWindow::cancel);
    connect(m_work, &YearWork::progressed, this, &YearWindow::showProgress);
    connect(m_work, &YearWork::finished, this, &YearWindow::showWorkDone);

    m_map = new YearMapView(this);
    connect(m_map, &YearMapView::nightChosen, this, &YearWindow::nightChosen);
    m_model = new BestNightsTableModel(this);
    m_table = new QTableView(this);
    m_table->setObjectName(QStringLiteral("bestNights"));
    m_table->setModel(m_model);
    setUpTextTable(*m_table);
    m_table->horizontalHeader()->setSectionsClickable(true);
    m_columnFit = new ColumnFit(*m_table);
    connect(m_table->horizontalHeader(), &QHeaderView::sectionClicked, this, &YearWindow::sortByHeading);
    m_copy = new QPushButton(QStringLiteral("Copy Table"), this);
    connect(m_copy, &QPushButton::clicked, this, &YearWindow::copyTable);
    new QShortcut(QKeySequence::Copy, this, [this] { copyTable(); });

    auto *top = new QHBoxLayout;
    top->addWidget(new QLabel(QStringLiteral("Year"), this));
    top->addWidget(m_year);
    top->addWidget(m_subject, 1);
    top->addWidget(m_progress);
    top->addWidget(m_cancel);
    top->addWidget(m_copy);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(m_map, 1);
    layout->addWidget(m_table, 1);
    showWorkDone();
}

void YearWindow::showSession(const YearSession &year)
{
    m_session = year.session;
    m_observer = year.observer;
    m_profile = year.profile ? std::optional(*year.profile) : std::nullopt;
    m_horizonFile = year.horizonFile;
    if (m_session && !m_yearTaken) {
        m_yearTaken = true;
        const QSignalBlocker quiet(m_year);
        m_year->setValue(std::clamp(m_session->date.year, FirstYear, LastYear));
    }
    setSubjects(year);
    showYear();
}

// Copied, so that the work beside the window never reads a catalog the planner has let go.
void YearWindow::setSubjects(const YearSession &year)
{
    m_subjects = {};
    m_subjects.oneObject = year.selected != nullptr;
    std::vector<const CatalogObject *> objects;
    if (year.selected) {
        objects.push_back(year.selected);
        m_subjects.light = objectLightOf(*year.selected);
    }
    else if (m_session && year.catalog)
        objects = yearListObjects(*m_session, *year.catalog);
    for (const CatalogObject *object : objects) {
        m_subjects.identifiers << object->identifier;
        m_subjects.positions.push_back({object->raDeg, object->decDeg});
    }
}

// Nothing is worked out again while the same year of the same objects is shown.
void YearWindow::showYear()
{
    m_map->setVisible(m_subjects.oneObject);
    m_table->setVisible(!m_subjects.oneObject);
    m_copy->setVisible(!m_subjects.oneObject);
    if (!m_session) {
        cancel();
        m_map->setMap({});
        m_model->setRows({});
        m_subject->setText(QStringLiteral("The year cannot be shown while a field of the main window cannot be read."));
        return;
    }
    Request request = m_subjects;
    if (request.light)
        request.observer = m_observer;
    request.key = PlacedYearSky::keyOf(*m_session, m_horizonFile, m_profile.has_value(), m_year->value(),
                                       request.observer.has_value());
    if (m_shown == request)
        return;
    m_shown = request;
    m_subject->setText(request.oneObject
                           ? QStringLiteral("%1: minutes visible in the dark each night").arg(request.identifiers.value(0))
                           : QStringLiteral("The best night of each of %1 objects").arg(request.identifiers.size()));
    if (request.oneObject)
        startMap(request);
    else
        startTable(request);
    showWorkDone();
}

void YearWindow::startMap(const Request &request)
{
    m_map->setMap({});
    m_work->start([this, request, kept = keptSky(request.key), session = *m_session,
                   profile = m_profile](const YearWork::Progress &) -> YearWork::Delivery {
        auto sky = kept ? kept : std::make_shared<const PlacedYearSky>(session, profile, request.key.year,
                                                                       request.key.keepsMoonlight);
        const EquatorialPosition &object = request.positions.front();
        std::optional<YearSeeing> seeing;
        if (request.observer)
            seeing.emplace(object, *request.light, request.observer->sky, request.observer->telescope, sky->sky());
        auto map = std::make_shared<YearMap>(objectYearMap(object, sky->sky(), sky->moons(), seeing ? &*seeing : nullptr));
        return [this, key = request.key, sky, map] {
            keepSky(key, sky);
            m_map->setMap(std::move(*map));
        };
    });
}

void YearWindow::startTable(const Request &request)
{
    m_model->setRows({});
    m_work->start([this, request, kept = keptSky(request.key), session = *m_session,
                   profile = m_profile](const YearWork::Progress &progress) -> YearWork::Delivery {
        auto sky = kept ? kept : std::make_shared<const PlacedYearSky>(session, profile, request.key.year,
                                                                       request.key.keepsMoonlight);
        const std::optional<std::vector<BestNight>> best = catalogBestNights(request.positions, sky->sky(), progress);
        if (!best)
            return {};
        auto rows = std::make_shared<std::vector<BestNightRow>>();
        for (std::size_t index = 0; index < best->size(); ++index)
            rows->push_back({request.identifiers[qsizetype(index)], dateOf((*best)[index].date), (*best)[index].moonlessMinutes});
        return [this, key = request.key, sky, rows] {
            keepSky(key, sky);
            m_model->setRows(std::move(*rows));
            m_columnFit->fit();
        };
    });
}

// A sky that keeps the Moon's light serves as well where it is not needed.
std::shared_ptr<const PlacedYearSky> YearWindow::keptSky(const PlacedYearSky::Key &key) const
{
    PlacedYearSky::Key served = key;
    served.keepsMoonlight = key.keepsMoonlight || m_skyKey.keepsMoonlight;
    return m_sky && m_skyKey == served ? m_sky : nullptr;
}

void YearWindow::keepSky(const PlacedYearSky::Key &key, std::shared_ptr<const PlacedYearSky> sky)
{
    m_skyKey = key;
    m_skyKey.keepsMoonlight = sky->sky().query().keepsMoonlight;
    m_sky = std::move(sky);
}

void YearWindow::showProgress(int done, int total)
{
    m_progress->setRange(0, total);
    m_progress->setValue(done);
}

// What was cancelled is worked out again when the next list or year asks for it.
void YearWindow::cancel()
{
    m_work->stop();
    m_shown.reset();
}

void YearWindow::showWorkDone()
{
    const bool running = m_work->running();
    m_progress->setRange(0, 0);  // busy until the first progress
    m_progress->setVisible(running);
    m_cancel->setVisible(running);
}

void YearWindow::sortByHeading(int column)
{
    const bool again = column == m_model->sortColumn() && m_model->sortOrder() == Qt::AscendingOrder;
    m_model->sort(column, again ? Qt::DescendingOrder : Qt::AscendingOrder);
}

void YearWindow::copyTable() const
{
    QGuiApplication::clipboard()->setText(m_model->text());
}
