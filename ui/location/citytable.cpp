#include "ui/location/citytable.h"

#include <QHeaderView>
#include <QStyle>
#include <QTableView>

#include <algorithm>
#include <cmath>

QTableView *createCityTable(QWidget *parent)
{
    auto *table = new QTableView(parent);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setTabKeyNavigation(false);
    table->setWordWrap(false);
    table->verticalHeader()->hide();
    // Rows are one text line with a little air, so that many cities show at once.
    table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().lineSpacing() + 4);
    table->horizontalHeader()->setSectionsClickable(false);
    table->horizontalHeader()->setHighlightSections(false);
    return table;
}

// A column takes its widest text in the table's font, the room a cell (the focus frame's margin
// and a pixel on each side, the grid line) or a heading (the header margin on each side) keeps
// beside it, whichever is more, and a pixel to spare. resizeColumnsToContents() would give cells
// and headings their own room each and nothing to spare: a pixel or two narrower.
void fitColumnsToTexts(QTableView &table)
{
    const QStyle &style = *table.style();
    const int cellRoomPx = 2 * (style.pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, &table) + 1)
                           + (table.showGrid() ? 1 : 0);
    const int headingRoomPx = 2 * style.pixelMetric(QStyle::PM_HeaderMargin, nullptr, table.horizontalHeader());
    const int roomPx = std::max(cellRoomPx, headingRoomPx) + 1;

    const QFontMetricsF metrics(table.font());
    const auto textWidthPx = [&metrics](const QVariant &text) {
        return int(std::ceil(metrics.horizontalAdvance(text.toString())));
    };
    const QAbstractItemModel &model = *table.model();
    for (int col = 0; col < model.columnCount(); ++col) {
        int widestPx = textWidthPx(model.headerData(col, Qt::Horizontal));
        for (int row = 0; row < model.rowCount(); ++row)
            widestPx = std::max(widestPx, textWidthPx(model.index(row, col).data()));
        table.setColumnWidth(col, widestPx + roomPx);
    }
}
