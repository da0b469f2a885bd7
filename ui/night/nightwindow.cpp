#include "ui/night/nightwindow.h"

#include "plan/localenumbers.h"
#include "plan/nighteventlines.h"
#include "sky/moonphase.h"
#include "ui/common/windowlook.h"
#include "ui/night/nightchart.h"
#include "ui/common/texttable.h"
#include "ui/night/seeingcolumns.h"
#include "ui/night/visibilitytablemodel.h"

#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QTableView>
#include <QVBoxLayout>

namespace {

// As many as the chart's other curves have.
constexpr int ReserveSamples = 300;

}  // namespace

NightWindow::NightWindow(QWidget *parent)
    : QWidget(parent, Qt::Window)
{
    setWindowTitle(QStringLiteral("Night"));
    setObjectName(QStringLiteral("NightWindow"));
    setFont(windowFont());
    createControls();
    resize(720, 620);
}

void NightWindow::createControls()
{
    m_events = new QLabel(this);
    m_events->setObjectName(QStringLiteral("events"));
    m_events->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_moon = new QLabel(this);
    m_moon->setObjectName(QStringLiteral("moon"));
    m_darkness = new QComboBox(this);
    for (const DarknessEntry &entry : DarknessLevels)
        m_darkness->addItem(QString::fromUtf8(entry.caption.data(), qsizetype(entry.caption.size())));
    m_darkness->setCurrentIndex(int(&darknessEntry(DefaultDarkness) - DarknessLevels.data()));
    connect(m_darkness, &QComboBox::currentIndexChanged, this, [this] {
        showTable();
        showChart();  // the object's visible spans
    });
    m_chart = new NightChart(this);
    m_model = new VisibilityTableModel(this);
    m_table = new QTableView(this);
    m_table->setObjectName(QStringLiteral("visibility"));
    m_table->setModel(m_model);
    setUpTextTable(*m_table);
    m_table->horizontalHeader()->setSectionsClickable(true);
    m_columnFit = new ColumnFit(*m_table);
    connect(m_table->horizontalHeader(), &QHeaderView::sectionClicked, this, &NightWindow::sortByHeading);
    auto *copyButton = new QPushButton(QStringLiteral("Copy Table"), this);
    connect(copyButton, &QPushButton::clicked, this, &NightWindow::copyTable);

    auto *top = new QHBoxLayout;
    top->addWidget(m_events, 1);
    auto *side = new QVBoxLayout;
    side->addWidget(m_moon);
    side->addWidget(m_darkness);
    side->addWidget(copyButton);
    side->addStretch();
    top->addLayout(side);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(m_chart, 3);
    layout->addWidget(m_table, 2);

    new QShortcut(QKeySequence::Copy, this, [this] { copyEvents(); });
    new QShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C), this, [this] { copyTable(); });
}

DarknessLevel NightWindow::darkness() const
{
    return DarknessLevels[std::size_t(m_darkness->currentIndex())].level;
}

void NightWindow::showSession(const NightSession &night)
{
    m_hasSession = night.session.has_value();
    if (m_hasSession)
        m_plan.setSession(*night.session);
    m_list = night.list ? *night.list : ObservingList{};
    m_profile = night.profile ? std::optional(*night.profile) : std::nullopt;
    m_selected = night.selected;
    m_seeing = night.seeing;
    showEvents();
    showTable();
    showChart();
}

void NightWindow::showSelected(const CatalogObject *object)
{
    m_selected = object;
    showChart();
}

// "name<TAB>value" lines in time order, as Ctrl+C copies them; the Moon's illumination is shown
// beside.
void NightWindow::showEvents()
{
    if (!m_hasSession) {
        m_eventLines.clear();
        m_events->setText(QStringLiteral("The night cannot be shown while a field of the main window cannot be read."));
        m_moon->clear();
        return;
    }
    const NightEvents &events = m_plan.events();
    m_eventLines = nightEventLines(events, m_plan.session().clock(), EventOrder::Time);
    QString html = QStringLiteral("<table>");
    for (const QString &line : m_eventLines.mid(0, m_eventLines.size() - 1)) {
        const QString name = line.section(u'\t', 0, 0);
        html += QStringLiteral("<tr><td>%1</td><td>&nbsp;&nbsp;%2</td></tr>")
                    .arg(name.left(1).toUpper() + name.mid(1), line.section(u'\t', 1));
    }
    m_events->setText(html + QStringLiteral("</table>"));
    const double midnightDays = (events.night.startDays + events.night.endDays) / 2.0;
    m_moon->setText(QStringLiteral("Moon %1% illuminated\n%2")
                        .arg(events.moonIlluminationPercent)
                        .arg(QLatin1String(moonPhaseName(midnightDays))));
}

void NightWindow::showTable()
{
    const HorizonProfile *profile = m_profile ? &*m_profile : nullptr;
    std::vector<ListedVisibility> rows;
    if (m_hasSession)
        rows = m_plan.visibility(m_list, profile, darkness());
    auto best = bestMoments(rows);
    m_model->setRows(std::move(rows), std::move(best), m_plan.session().clock(), LocaleNumbers(locale()));
    m_columnFit->fit();
}

void NightWindow::showChart()
{
    if (!m_hasSession) {
        m_chart->setCurves({});
        return;
    }
    const HorizonProfile *profile = m_profile ? &*m_profile : nullptr;
    NightCurves curves = m_plan.curves(m_selected, m_model->visibilityOf(m_selected), profile);
    std::vector<ReservePoint> reserve = selectedReserve(curves.shown);
    m_chart->setCurves(std::move(curves), std::move(reserve));
}

// Each row's best moment under the darkness chosen here; none while the seeing is not judged.
std::optional<std::vector<std::optional<BestMoment>>>
NightWindow::bestMoments(const std::vector<ListedVisibility> &rows) const
{
    if (!m_seeing)
        return std::nullopt;
    if (!m_hasSession)
        return std::vector<std::optional<BestMoment>>();
    const HorizonProfile *profile = m_profile ? &*m_profile : nullptr;
    const SessionSeeing session(visibilityQuery(m_plan.session(), profile, darkness()), m_seeing->sky,
                                m_seeing->telescope);
    std::vector<EquatorialPosition> positions;
    std::vector<std::optional<ObjectLight>> lights;
    std::vector<Visibility> visibilities;
    for (const ListedVisibility &row : rows) {
        positions.push_back({row.object->raDeg, row.object->decDeg});
        lights.push_back(catalogObjectLight(*row.object));
        visibilities.push_back(row.visibility);
    }
    return catalogBestMoments(positions, lights, visibilities, session);
}

// The selected object's reserve across the chart; none without seeing, object or light.
std::vector<ReservePoint> NightWindow::selectedReserve(const TimeSpan &shown) const
{
    if (!m_seeing || !m_selected)
        return {};
    const std::optional<ObjectLight> light = catalogObjectLight(*m_selected);
    if (!light)
        return {};
    const Session &session = m_plan.session();
    const NightSky night(Site{session.latDeg, session.lonDeg}, shown);
    const DiurnalTrack track(m_selected->raDeg, m_selected->decDeg, session.latDeg, session.lonDeg);
    return reserveCurve(track, *light, night, shown, ReserveSamples, m_seeing->sky, m_seeing->telescope);
}

void NightWindow::sortByHeading(int column)
{
    const bool again = column == m_model->sortColumn() && m_model->sortOrder() == Qt::AscendingOrder;
    m_model->sort(column, again ? Qt::DescendingOrder : Qt::AscendingOrder);
}

void NightWindow::copyEvents() const
{
    QGuiApplication::clipboard()->setText(m_eventLines.join(u'\n') + u'\n');
}

void NightWindow::copyTable() const
{
    QGuiApplication::clipboard()->setText(m_model->text());
}
