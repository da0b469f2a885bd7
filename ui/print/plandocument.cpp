#include "ui/print/plandocument.h"

#include "ui/common/nightvision.h"
#include "ui/common/texttable.h"
#include "ui/common/windowlook.h"
#include "ui/night/nightchart.h"

#include <QApplication>
#include <QFontMetricsF>
#include <QPainter>
#include <QStyle>

#include <algorithm>
#include <cmath>

namespace {

constexpr double MarginPt = 42.0;      // 15 mm, inside what printers can reach on A4 and Letter
constexpr double GutterPt = 18.0;      // between the session and the night
constexpr double SectionGapPt = 14.0;
constexpr double CellGapPt = 8.0;      // after each column of the list
constexpr double NameGapPt = 10.0;     // between a name and its value
constexpr int LargestTableSizePt = 8;  // smaller while the columns would not fit across the page
constexpr int SmallestTableSizePt = 4;
constexpr double ChartHeightPt = 220.0;
const QColor NightRed(255, 0, 0);     // the text red of night vision on the screen
const QColor NightRule(130, 0, 0);

// With the painter's unit the point, a font's pixel size is its size in points.
QFont printFont(int sizePt, bool bold = false)
{
    QFont font = windowFont(8.25, bold);
    font.setPixelSize(sizePt);
    return font;
}

double lineHeightPt(const QFont &font)
{
    return QFontMetricsF(font).lineSpacing();
}

double widestNamePt(const QList<NamedValue> &values, const QFontMetricsF &metrics)
{
    double widestPt = 0.0;
    for (const NamedValue &value : values)
        widestPt = std::max(widestPt, metrics.horizontalAdvance(value.first));
    return widestPt;
}

QString objectCount(qsizetype count)
{
    return count == 1 ? QStringLiteral("1 object") : QStringLiteral("%1 objects").arg(count);
}

}  // namespace

PlanDocument::PlanDocument(PrintedPlan plan, QSizeF paperPt, bool nightVision)
    : m_plan(std::move(plan))
    , m_paperPt(paperPt)
    , m_nightVision(nightVision)
    , m_ink(nightVision ? NightRed : QColor(Qt::black))
    , m_paper(nightVision ? QColor(Qt::black) : QColor(Qt::white))
    , m_rule(nightVision ? NightRule : QColor(Qt::gray))
    , m_titleFont(printFont(16, true))
    , m_headingFont(printFont(11, true))
    , m_textFont(printFont(9))
{
    fitTable();
    m_listTopPt = MarginPt + lineHeightPt(m_titleFont) + SectionGapPt + sessionAndNightHeightPt() + SectionGapPt;
    if (!m_plan.chartObject.isEmpty())
        m_listTopPt += lineHeightPt(m_headingFont) + ChartHeightPt + SectionGapPt;
    m_listTopPt += lineHeightPt(m_headingFont);
    flowRows(m_listTopPt);
}

// The width of the session's block and of the night's beside it.
double PlanDocument::halfWidthPt() const
{
    return (m_paperPt.width() - 2 * MarginPt - GutterPt) / 2;
}

double PlanDocument::sessionAndNightHeightPt() const
{
    return lineHeightPt(m_headingFont)
           + std::max(namedValuesHeightPt(m_plan.session), namedValuesHeightPt(m_plan.events));
}

// Names in a column as wide as the widest, values beside them, wrapped within half the page.
double PlanDocument::namedValuesHeightPt(const QList<NamedValue> &values) const
{
    const QFontMetricsF metrics(m_textFont);
    const QRectF valueArea(0, 0, halfWidthPt() - widestNamePt(values, metrics) - NameGapPt, 1e6);
    double heightPt = 0.0;
    for (const NamedValue &value : values)
        heightPt += std::max(metrics.lineSpacing(), metrics.boundingRect(valueArea, Qt::TextWordWrap, value.second).height());
    return heightPt;
}

// Each column as wide as its heading or widest cell; the largest font with which they all fit
// across the page, so that no column is cut off.
void PlanDocument::fitTable()
{
    const double contentWidthPt = m_paperPt.width() - 2 * MarginPt;
    for (int sizePt = LargestTableSizePt; sizePt >= SmallestTableSizePt; --sizePt) {
        m_tableFont = printFont(sizePt);
        m_tableHeadingFont = printFont(sizePt, true);
        const TextWidth cellWidth(m_tableFont);
        const TextWidth headingWidth(m_tableHeadingFont);
        m_columnXPt.assign(1, 0.0);
        for (int column = 0; column < m_plan.headings.size(); ++column) {
            int widestPt = headingWidth.widthPx(m_plan.headings[column]);
            for (const QStringList &row : std::as_const(m_plan.rows))
                widestPt = std::max(widestPt, cellWidth.widthPx(row[column]));
            m_columnXPt.push_back(m_columnXPt.back() + widestPt + CellGapPt);
        }
        if (m_columnXPt.back() - CellGapPt <= contentWidthPt)
            return;
    }
}

// As many rows on each page as fit above the page number; at least one on a page after the first.
void PlanDocument::flowRows(double firstPageTopPt)
{
    const double rowHeightPt = lineHeightPt(m_tableFont);
    const double headingsHeightPt = lineHeightPt(m_tableHeadingFont) + 2;
    const double bottomPt = m_paperPt.height() - MarginPt - lineHeightPt(m_textFont) - SectionGapPt;
    const auto rowsBetween = [&](double topPt) {
        return std::max(0, int(std::floor((bottomPt - topPt - headingsHeightPt) / rowHeightPt)));
    };
    const int rowCount = int(m_plan.rows.size());
    m_firstPageRows = std::min(rowCount, rowsBetween(firstPageTopPt));
    const int laterRowsPerPage = std::max(1, rowsBetween(MarginPt));
    m_laterPageRows.clear();
    for (int first = m_firstPageRows; first < rowCount; first += laterRowsPerPage)
        m_laterPageRows.push_back({first, std::min(laterRowsPerPage, rowCount - first)});
}

PlanDocument::RowSpan PlanDocument::rowsOn(int page) const
{
    return page == 0 ? RowSpan{0, m_firstPageRows} : m_laterPageRows[std::size_t(page - 1)];
}

void PlanDocument::paintPage(QPainter &painter, int page) const
{
    painter.save();
    painter.fillRect(QRectF(QPointF(0, 0), m_paperPt), m_paper);
    painter.setPen(m_ink);
    if (page == 0)
        paintFirstPageTop(painter);
    paintTable(painter, rowsOn(page), page == 0 ? m_listTopPt : MarginPt);
    paintPageNumber(painter, page);
    painter.restore();
}

// Returns where the text under the heading starts.
double PlanDocument::paintHeading(QPainter &painter, const QString &text, double xPt, double yPt) const
{
    painter.setFont(m_headingFont);
    painter.drawText(QPointF(xPt, yPt + QFontMetricsF(m_headingFont).ascent()), text);
    return yPt + lineHeightPt(m_headingFont);
}

void PlanDocument::paintNamedValues(QPainter &painter, const QList<NamedValue> &values, double xPt, double yPt) const
{
    painter.setFont(m_textFont);
    const QFontMetricsF metrics(m_textFont);
    const double valueOffsetPt = widestNamePt(values, metrics) + NameGapPt;
    for (const NamedValue &value : values) {
        const QRectF valueArea(xPt + valueOffsetPt, yPt, halfWidthPt() - valueOffsetPt, 1e6);
        painter.drawText(QPointF(xPt, yPt + metrics.ascent()), value.first);
        QRectF used;
        painter.drawText(valueArea, Qt::TextWordWrap, value.second, &used);
        yPt += std::max(metrics.lineSpacing(), used.height());
    }
}

void PlanDocument::paintFirstPageTop(QPainter &painter) const
{
    painter.setFont(m_titleFont);
    double yPt = MarginPt;
    painter.drawText(QPointF(MarginPt, yPt + QFontMetricsF(m_titleFont).ascent()),
                     QStringLiteral("%1 Observing Plan").arg(ApplicationTitle));
    yPt += lineHeightPt(m_titleFont) + SectionGapPt;
    paintNamedValues(painter, m_plan.session, MarginPt, paintHeading(painter, QStringLiteral("Session"), MarginPt, yPt));
    if (!m_plan.events.isEmpty()) {
        const double nightXPt = MarginPt + halfWidthPt() + GutterPt;
        paintNamedValues(painter, m_plan.events, nightXPt, paintHeading(painter, QStringLiteral("Night"), nightXPt, yPt));
    }
    yPt += sessionAndNightHeightPt() + SectionGapPt;
    if (!m_plan.chartObject.isEmpty()) {
        yPt = paintHeading(painter, QStringLiteral("Night of %1").arg(m_plan.chartObject), MarginPt, yPt);
        paintChart(painter, QRectF(MarginPt, yPt, m_paperPt.width() - 2 * MarginPt, ChartHeightPt));
        yPt += ChartHeightPt + SectionGapPt;
    }
    paintHeading(painter, QStringLiteral("Observing List, %1").arg(objectCount(m_plan.rows.size())), MarginPt, yPt);
}

// The Night window's own chart, drawn at the area's size in points with the print's colours.
void PlanDocument::paintChart(QPainter &painter, const QRectF &areaPt) const
{
    NightChart chart;
    chart.setFont(printFont(8));
    chart.setPalette(m_nightVision ? nightVisionPalette() : QApplication::style()->standardPalette());
    chart.resize(areaPt.size().toSize());
    chart.setCurves(m_plan.chart);
    painter.save();
    painter.translate(areaPt.topLeft());
    chart.render(&painter);
    painter.restore();
}

void PlanDocument::paintTable(QPainter &painter, RowSpan rows, double topPt) const
{
    const QFontMetricsF headingMetrics(m_tableHeadingFont);
    painter.setFont(m_tableHeadingFont);
    for (int column = 0; column < m_plan.headings.size(); ++column)
        painter.drawText(QPointF(MarginPt + m_columnXPt[std::size_t(column)], topPt + headingMetrics.ascent()),
                         m_plan.headings[column]);
    double yPt = topPt + headingMetrics.lineSpacing() + 1;
    painter.setPen(QPen(m_rule, 0.5));
    painter.drawLine(QPointF(MarginPt, yPt), QPointF(MarginPt + m_columnXPt.back() - CellGapPt, yPt));
    yPt += 1;
    painter.setPen(m_ink);
    painter.setFont(m_tableFont);
    const QFontMetricsF metrics(m_tableFont);
    for (int row = rows.first; row < rows.first + rows.count; ++row) {
        const QStringList &cells = m_plan.rows[row];
        for (int column = 0; column < cells.size(); ++column)
            painter.drawText(QPointF(MarginPt + m_columnXPt[std::size_t(column)], yPt + metrics.ascent()), cells[column]);
        yPt += metrics.lineSpacing();
    }
}

void PlanDocument::paintPageNumber(QPainter &painter, int page) const
{
    painter.setFont(m_textFont);
    const double heightPt = lineHeightPt(m_textFont);
    painter.drawText(QRectF(MarginPt, m_paperPt.height() - MarginPt - heightPt, m_paperPt.width() - 2 * MarginPt, heightPt),
                     Qt::AlignHCenter | Qt::AlignVCenter,
                     QStringLiteral("Page %1 of %2").arg(page + 1).arg(pageCount()));
}
