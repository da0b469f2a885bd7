#include "ui/common/texttable.h"

#include <QFontMetricsF>
#include <QHeaderView>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>
#include <QTableView>

#include <algorithm>

void setUpTextTable(QTableView &table)
{
    table.setSelectionBehavior(QAbstractItemView::SelectRows);
    table.setTabKeyNavigation(false);
    table.setWordWrap(false);
    table.setTextElideMode(Qt::ElideNone);
    table.verticalHeader()->hide();
    table.verticalHeader()->setDefaultSectionSize(table.fontMetrics().lineSpacing() + 4);
    QHeaderView *header = table.horizontalHeader();
    header->setTextElideMode(Qt::ElideNone);
    header->setSectionResizeMode(QHeaderView::Interactive);
    header->setMinimumSectionSize(0);
    header->setHighlightSections(false);
}

TextWidth::TextWidth(const QFont &font)
    : m_metrics(font)
{
    const QFontMetricsF metrics(font);
    for (int c = 0; c < int(m_latin1Advances64thsPx.size()); ++c)
        m_latin1Advances64thsPx[std::size_t(c)] = qRound(metrics.horizontalAdvance(QChar(char16_t(c))) * 64.0);
}

int TextWidth::widthPx(QStringView text) const
{
    int width64thsPx = 0;
    for (const QChar c : text) {
        if (c.unicode() >= m_latin1Advances64thsPx.size())
            return m_metrics.horizontalAdvance(text.toString()) + 1;
        width64thsPx += m_latin1Advances64thsPx[c.unicode()];
    }
    return (width64thsPx + 63) / 64 + 1;
}

int textPaddingPx(const QTableView &table)
{
    const int cellMarginPx = table.style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, &table) + 1;
    const int gridLinePx = table.showGrid() ? 1 : 0;
    const int headingMarginPx = table.style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, table.horizontalHeader());
    return std::max(2 * cellMarginPx + gridLinePx, 2 * headingMarginPx);
}

int widthForAllColumnsPx(const QTableView &table)
{
    return table.horizontalHeader()->length() + 2 * table.frameWidth() + table.verticalScrollBar()->sizeHint().width();
}

int automaticColumnWidthLimitPx(const QTableView &table)
{
    return table.screen()->availableGeometry().width() / 3;
}

ColumnFit::ColumnFit(QTableView &table)
    : QObject(&table)
    , m_table(table)
    , m_textWidth(table.font())
{
    connect(table.horizontalHeader(), &QHeaderView::sectionResized, this,
            [this](int column, int, int newWidthPx) { noteResize(column, newWidthPx); });
}

void ColumnFit::fit()
{
    const QAbstractItemModel &model = *m_table.model();
    const int columnCount = model.columnCount();
    m_draggedWidthsPx.resize(columnCount);
    const int paddingPx = textPaddingPx(m_table);
    const int limitPx = automaticColumnWidthLimitPx(m_table);
    m_fitting = true;
    for (int column = 0; column < columnCount; ++column) {
        int widthPx = m_textWidth.widthPx(model.headerData(column, Qt::Horizontal).toString());
        for (int row = 0; row < model.rowCount(); ++row)
            widthPx = std::max(widthPx, m_textWidth.widthPx(model.index(row, column).data().toString()));
        const int fittedPx = std::min(widthPx + paddingPx, limitPx);
        m_table.horizontalHeader()->resizeSection(column, std::max(fittedPx, m_draggedWidthsPx[column]));
    }
    m_fitting = false;
}

void ColumnFit::noteResize(int column, int newWidthPx)
{
    if (!m_fitting && column < m_draggedWidthsPx.size())
        m_draggedWidthsPx[column] = newWidthPx;
}
