#include "ui/grid/flexgrid.h"

#include "ui/grid/flexgridmodel.h"
#include "ui/grid/gridformat.h"

#include <QHeaderView>
#include <QMouseEvent>
#include <QStyle>

#include <algorithm>

namespace {

int buttonCode(Qt::MouseButton button)
{
    switch (button) {
    case Qt::LeftButton:
        return 1;
    case Qt::RightButton:
        return 2;
    case Qt::MiddleButton:
        return 4;
    default:
        return 0;
    }
}

int shiftCode(Qt::KeyboardModifiers modifiers)
{
    return (modifiers.testFlag(Qt::ShiftModifier) ? 1 : 0)
           + (modifiers.testFlag(Qt::ControlModifier) ? 2 : 0)
           + (modifiers.testFlag(Qt::AltModifier) ? 4 : 0);
}

}  // namespace

FlexGrid::FlexGrid(QWidget *parent)
    : QTableView(parent)
    , m_model(new FlexGridModel(this))
{
    setModel(m_model);
    // A reset rebuilds the header's sections at their default width: the layout's widths are
    // put back after each.
    connect(m_model, &QAbstractItemModel::modelReset, this, &FlexGrid::applyColumnWidths);

    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setWordWrap(false);
    // A cell or heading too narrow for its text shows what fits, rather than trading letters
    // for dots.
    setTextElideMode(Qt::ElideNone);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);

    QHeaderView *header = horizontalHeader();
    header->setTextElideMode(Qt::ElideNone);
    header->setSectionResizeMode(QHeaderView::Fixed);
    // The layout string alone sets the widths: a short heading makes a narrow column.
    header->setMinimumSectionSize(0);
    // A click on a heading is reported through MouseUp; it does not select the column.
    header->setSectionsClickable(false);
    header->setHighlightSections(false);
    header->viewport()->setMouseTracking(true);
    header->viewport()->installEventFilter(this);
    viewport()->setMouseTracking(true);
    fitToFont();
}

void FlexGrid::Clear()
{
    m_model->clearTexts();
}

int FlexGrid::Rows() const
{
    return m_model->gridRowCount();
}

void FlexGrid::setRows(int rowCount)
{
    m_model->setGridRowCount(rowCount);
    keepCurrentCellInside();
}

int FlexGrid::Cols() const
{
    return m_model->columnCount();
}

QString FlexGrid::FormatString() const
{
    return m_formatString;
}

void FlexGrid::setFormatString(const QString &layout)
{
    m_formatString = layout;
    const QList<GridColumnFormat> columns = parseFormatString(layout);
    m_columnWidthsPx = columnWidthsPx(columns);
    m_model->setColumns(columns);  // its reset applies the widths
    keepCurrentCellInside();
}

void FlexGrid::AddItem(const QString &rowText, int rowIndex)
{
    const bool append = rowIndex < 0 || rowIndex > Rows();
    m_model->insertGridRow(append ? Rows() : std::max(rowIndex, 1), rowText);
}

QString FlexGrid::TextMatrix(int row, int col) const
{
    return m_model->text(row, col);
}

void FlexGrid::setTextMatrix(int row, int col, const QString &text)
{
    m_model->setText(row, col, text);
}

void FlexGrid::setRow(int row)
{
    if (row >= 0 && row < Rows())
        m_row = row;
}

void FlexGrid::setCol(int col)
{
    if (col >= 0 && col < Cols())
        m_col = col;
}

void FlexGrid::setRowSel(int row)
{
    if (row >= 0 && row < Rows())
        m_rowSel = row;
}

void FlexGrid::setColSel(int col)
{
    if (col >= 0 && col < Cols())
        m_colSel = col;
}

void FlexGrid::setSort(int order)
{
    if (order != SortGenericAscending && order != SortGenericDescending)
        return;
    const bool everyDataRow = m_row == m_rowSel;
    const int firstRow = everyDataRow ? 1 : std::min(m_row, m_rowSel);
    const int lastRow = everyDataRow ? Rows() - 1 : std::max(m_row, m_rowSel);
    m_model->sortRows(firstRow, lastRow, m_col,
                      order == SortGenericAscending ? Qt::AscendingOrder : Qt::DescendingOrder,
                      locale());
}

void FlexGrid::Refresh()
{
    repaint();
}

bool FlexGrid::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == horizontalHeader()->viewport()) {
        switch (event->type()) {
        case QEvent::MouseMove:
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
            headerMouseEvent(static_cast<QMouseEvent *>(event));
            break;
        default:
            break;
        }
    }
    return QTableView::eventFilter(watched, event);
}

void FlexGrid::headerMouseEvent(QMouseEvent *event)
{
    const GridCell cell = cellInHeader(event->position().toPoint());
    m_mouseRow = cell.row;
    m_mouseCol = cell.col;
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        makeCurrent(cell);
        break;
    case QEvent::MouseButtonRelease:
        emitMouseUp(*event, *horizontalHeader()->viewport());
        break;
    case QEvent::MouseButtonDblClick:
        makeCurrent(cell);
        emit DblClick();
        break;
    default:
        break;
    }
}

void FlexGrid::mousePressEvent(QMouseEvent *event)
{
    const GridCell cell = cellInViewport(event->position().toPoint());
    m_mouseRow = cell.row;
    m_mouseCol = cell.col;
    makeCurrent(cell);
    QTableView::mousePressEvent(event);
}

void FlexGrid::mouseMoveEvent(QMouseEvent *event)
{
    const GridCell cell = cellInViewport(event->position().toPoint());
    m_mouseRow = cell.row;
    m_mouseCol = cell.col;
    QTableView::mouseMoveEvent(event);
}

void FlexGrid::mouseReleaseEvent(QMouseEvent *event)
{
    const GridCell cell = cellInViewport(event->position().toPoint());
    m_mouseRow = cell.row;
    m_mouseCol = cell.col;
    QTableView::mouseReleaseEvent(event);
    emitMouseUp(*event, *viewport());
}

void FlexGrid::mouseDoubleClickEvent(QMouseEvent *event)
{
    const GridCell cell = cellInViewport(event->position().toPoint());
    m_mouseRow = cell.row;
    m_mouseCol = cell.col;
    makeCurrent(cell);
    QTableView::mouseDoubleClickEvent(event);
    emit DblClick();
}

void FlexGrid::changeEvent(QEvent *event)
{
    QTableView::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange)
        fitToFont();
}

FlexGrid::GridCell FlexGrid::cellInViewport(QPoint pos) const
{
    const int viewRow = rowAt(pos.y());
    return {viewRow < 0 ? -1 : viewRow + 1, columnAt(pos.x())};
}

FlexGrid::GridCell FlexGrid::cellInHeader(QPoint pos) const
{
    return {0, horizontalHeader()->logicalIndexAt(pos.x())};
}

// A cell that the mouse pressed becomes current, and the selection shrinks to it. A press
// below the last row or right of the last column leaves the current cell as it was.
void FlexGrid::makeCurrent(GridCell cell)
{
    if (cell.row < 0 || cell.col < 0)
        return;
    m_row = m_rowSel = cell.row;
    m_col = m_colSel = cell.col;
}

void FlexGrid::emitMouseUp(const QMouseEvent &event, const QWidget &source)
{
    const QPointF gridPos = source.mapTo(this, event.position());
    emit MouseUp(buttonCode(event.button()), shiftCode(event.modifiers()), float(gridPos.x()),
                 float(gridPos.y()));
}

void FlexGrid::keepCurrentCellInside()
{
    const int lastRow = Rows() - 1;
    const int lastCol = std::max(Cols() - 1, 0);
    m_row = std::min(m_row, lastRow);
    m_rowSel = std::min(m_rowSel, lastRow);
    m_col = std::min(m_col, lastCol);
    m_colSel = std::min(m_colSel, lastCol);
}

// Rows are one text line with a little air, so that a long list shows many rows at once;
// columns are as wide as their headings.
void FlexGrid::fitToFont()
{
    verticalHeader()->setDefaultSectionSize(fontMetrics().lineSpacing() + 4);
    m_columnWidthsPx = columnWidthsPx(parseFormatString(m_formatString));
    applyColumnWidths();
}

QList<int> FlexGrid::columnWidthsPx(const QList<GridColumnFormat> &columns) const
{
    const QFontMetrics metrics = fontMetrics();
    const int paddingPx = textPaddingPx();
    QList<int> widthsPx;
    widthsPx.reserve(columns.size());
    for (const GridColumnFormat &column : columns)
        widthsPx.append(metrics.horizontalAdvance(column.heading) + paddingPx);
    return widthsPx;
}

// What a column needs beside its heading text: a cell keeps the focus-frame margin and one
// pixel free on each side of its text and gives one pixel to the grid line, a heading keeps
// the header margin on each side. The larger of the two, so that neither cuts a text short.
int FlexGrid::textPaddingPx() const
{
    const int cellMarginPx = style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1;
    const int gridLinePx = showGrid() ? 1 : 0;
    const int headingMarginPx =
        style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, horizontalHeader());
    return std::max(2 * cellMarginPx + gridLinePx, 2 * headingMarginPx);
}

void FlexGrid::applyColumnWidths()
{
    QHeaderView *header = horizontalHeader();
    const int count = std::min(int(m_columnWidthsPx.size()), header->count());
    for (int col = 0; col < count; ++col)
        header->resizeSection(col, m_columnWidthsPx[col]);
}

FlexGrid::UpdateBatch::UpdateBatch(FlexGrid &grid)
    : m_model(*grid.m_model)
{
    m_model.beginBatch();
}

FlexGrid::UpdateBatch::~UpdateBatch()
{
    m_model.endBatch();
}
