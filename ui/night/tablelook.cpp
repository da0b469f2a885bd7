#include "ui/night/tablelook.h"

#include <QHeaderView>
#include <QStyle>
#include <QTableView>

#include <algorithm>
#include <cmath>

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
    header->setSectionsClickable(true);
    header->setHighlightSections(false);
}

ColumnFit::ColumnFit(QTableView &table)
    : QObject(&table)
    , m_table(table)
{
    const QFontMetricsF metrics(table.font());
    for (int c = 0; c < int(m_latin1AdvancesPx.size()); ++c)
        m_latin1AdvancesPx[c] = float(metrics.horizontalAdvance(QChar(char16_t(c))));
    connect(table.horizontalHeader(), &QHeaderView::sectionResized, this,
            [this](int column, int, int newWidthPx) { noteResize(column, newWidthPx); });
}

void ColumnFit::fit()
{
    const QAbstractItemModel &model = *m_table.model();
    const int columnCount = model.columnCount();
    m_draggedWidthsPx.resize(columnCount);
    const int paddingPx = textPaddingPx();
    m_fitting = true;
    for (int column = 0; column < columnCount; ++column) {
        int widthPx = textWidthPx(model.headerData(column, Qt::Horizontal).toString());
        for (int row = 0; row < model.rowCount(); ++row)
            widthPx = std::max(widthPx, textWidthPx(model.index(row, column).data().toString()));
        m_table.horizontalHeader()->resizeSection(column, std::max(widthPx + paddingPx, m_draggedWidthsPx[column]));
    }
    m_fitting = false;
}

// The sum of the characters' advances, give or take a pixel of kerning: measuring every cell
// with the font would take longer than working out a whole sky's list.
int ColumnFit::textWidthPx(QStringView text) const
{
    float widthPx = 0.0f;
    for (const QChar c : text) {
        if (c.unicode() >= m_latin1AdvancesPx.size())
            return m_table.fontMetrics().horizontalAdvance(text.toString()) + 1;
        widthPx += m_latin1AdvancesPx[c.unicode()];
    }
    return int(std::ceil(widthPx)) + 1;
}

// What a column needs beside its text: a cell keeps the focus-frame margin and one pixel free on
// each side of its text and gives one pixel to the grid line, a heading keeps the header margin
// on each side. The larger of the two, so that neither cuts a text short.
int ColumnFit::textPaddingPx() const
{
    const int cellMarginPx = m_table.style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, &m_table) + 1;
    const int gridLinePx = m_table.showGrid() ? 1 : 0;
    const int headingMarginPx =
        m_table.style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, m_table.horizontalHeader());
    return std::max(2 * cellMarginPx + gridLinePx, 2 * headingMarginPx);
}

void ColumnFit::noteResize(int column, int newWidthPx)
{
    if (!m_fitting && column < m_draggedWidthsPx.size())
        m_draggedWidthsPx[column] = newWidthPx;
}
