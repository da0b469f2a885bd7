#include "ui/night/nightwindow.h"

#include "plan/localenumbers.h"
#include "sky/vectorstate.h"
#include "sky/diurnaltrack.h"
#include "plan/localtime.h"
#include "sky/moonphase.h"
#include "plan/nighteventlines.h"
#include "ui/common/windowlook.h"
#include "ui/grid/flexgrid.h"
#include "ui/night/nightchart.h"

#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

namespace {

constexpr int ChartSamples = 300;
const QString TableLayout = QStringLiteral("<Identifier       |<From |<Until|>Minutes|<Best |>Best altitude");
const QStringList DarknessCaptions = {QStringLiteral("No darkness needed"), QStringLiteral("Civil darkness"),
                                      QStringLiteral("Nautical darkness"), QStringLiteral("Astronomical darkness")};

}  // namespace

NightWindow::NightWindow(QWidget *mainWindow)
    : QWidget(mainWindow, Qt::Window)
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
    m_darkness->addItems(DarknessCaptions);
    m_darkness->setCurrentIndex(int(DarknessLevel::Astronomical));
    connect(m_darkness, &QComboBox::currentIndexChanged, this, &NightWindow::darknessChanged);
    m_chart = new NightChart(this);
    m_table = new FlexGrid(this);
    m_table->setObjectName(QStringLiteral("visibility"));
    connect(m_table, &FlexGrid::MouseUp, this, [this] {
        if (m_table->MouseRow() == 0 && m_table->MouseCol() >= 0)
            sortTable(m_table->MouseCol());
    });
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

    new QShortcut(QKeySequence::Copy, this, [this] { QGuiApplication::clipboard()->setText(eventsText()); });
    new QShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C), this, [this] { copyTable(); });
}

DarknessLevel NightWindow::darkness() const
{
    return DarknessLevel(m_darkness->currentIndex());
}

QString NightWindow::eventsText() const
{
    return m_eventLines.join(u'\n') + u'\n';
}

QString NightWindow::tableText() const
{
    QStringList lines;
    for (int row = 0; row < m_table->Rows(); ++row) {
        QStringList cells;
        for (int col = 0; col < m_table->Cols(); ++col)
            cells << m_table->TextMatrix(row, col).trimmed();
        lines << cells.join(u'\t');
    }
    lines[0] = visibilityHeadings().join(u'\t');  // without the blanks and the sort marker
    return lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
}

void NightWindow::copyTable() const
{
    QGuiApplication::clipboard()->setText(tableText());
}

void NightWindow::showSession(const NightSession &session)
{
    if (!session.inputs) {
        m_events->setText(QStringLiteral("The night cannot be shown while a field of the main window cannot be read."));
        m_eventLines.clear();
        m_chart->setScene({});
        showTable({}, 0.0);
        return;
    }
    const SessionInputs &inputs = *session.inputs;
    const SkyKey key{inputs.latDeg, inputs.lonDeg, inputs.gmtDeviationHours,
                     inputs.date.year, inputs.date.month, inputs.date.day};
    if (m_skyKey != key) {
        m_skyKey = key;
        m_sky.emplace(Site{inputs.latDeg, inputs.lonDeg}, nightOf(inputs.date, inputs.gmtDeviationHours));
        m_nightEvents = nightEvents(*m_sky);
    }
    showEvents(m_nightEvents, inputs.gmtDeviationHours);

    const VisibilityQuery query = visibilityQuery(inputs, session.profile, darkness());
    const std::vector<ListedVisibility> rows = listedVisibility(session.catalog, query);
    showTable(rows, inputs.gmtDeviationHours);
    const auto selectedRow = std::find_if(rows.begin(), rows.end(), [&](const ListedVisibility &row) {
        return row.object == session.selected;
    });
    showChart(session, m_nightEvents, selectedRow == rows.end() ? nullptr : &selectedRow->visibility);
}

void NightWindow::showEvents(const NightEvents &events, double gmtDeviationHours)
{
    m_eventLines = nightEventLines(events, gmtDeviationHours);
    QString html = QStringLiteral("<table>");
    for (const QString &line : m_eventLines.mid(0, m_eventLines.size() - 1)) {  // the Moon's is beside
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

void NightWindow::showTable(const std::vector<ListedVisibility> &rows, double gmtDeviationHours)
{
    const LocaleNumbers numbers(locale());
    QStringList rowTexts;
    rowTexts.reserve(qsizetype(rows.size()));
    for (const ListedVisibility &row : rows)
        rowTexts << visibilityCells(row, gmtDeviationHours, numbers).join(u'\t');
    const FlexGrid::UpdateBatch batch(*m_table);
    m_table->setRows(1);
    m_table->setFormatString(TableLayout);
    m_table->appendRows(rowTexts);
    applySort();
}

void NightWindow::sortTable(int col)
{
    m_sortOrder = col == m_sortColumn && m_sortOrder == FlexGrid::SortGenericAscending
                      ? FlexGrid::SortGenericDescending
                      : FlexGrid::SortGenericAscending;
    m_sortColumn = col;
    applySort();
}

void NightWindow::applySort()
{
    if (m_sortColumn < 0)
        return;
    m_table->setCol(m_sortColumn);
    m_table->setRow(0);
    m_table->setRowSel(0);
    m_table->setSort(m_sortOrder);
}

void NightWindow::showChart(const NightSession &session, const NightEvents &events, const Visibility *selectedVisibility)
{
    const SessionInputs &inputs = *session.inputs;
    clearUpperVectorState();
    NightChartScene scene;
    scene.shown = chartSpan(events);
    scene.gmtDeviationHours = inputs.gmtDeviationHours;
    scene.sun = sampleCurve(scene.shown, ChartSamples, [this](double atDays) { return m_sky->sunAltAz(atDays).Alt; });
    scene.moon = sampleCurve(scene.shown, ChartSamples, [this](double atDays) { return m_sky->moonAltAz(atDays).Alt; });
    scene.session = TimeSpan{inputs.startDays(), inputs.startDays() + inputs.sessionLengthHours / 24.0};
    scene.minElevDeg = inputs.minElevDeg;
    if (const CatalogObject *object = session.selected) {
        const DiurnalTrack track(object->RA, object->Dec, inputs.latDeg, inputs.lonDeg);
        scene.object = sampleCurve(scene.shown, ChartSamples,
                                   [&track](double atDays) { return track.positionAt(atDays).Alt; },
                                   scene.session->startDays);
        if (const HorizonProfile *profile = session.profile) {
            scene.horizon = sampleCurve(scene.shown, ChartSamples, [&](double atDays) {
                return profile->altitudeDeg(track.positionAt(atDays).Az);
            });
        }
        if (selectedVisibility)
            scene.visible = selectedVisibility->spans;
    }
    m_chart->setScene(std::move(scene));
}
