#include "ui/grid/flexgrid.h"

#include "ui/grid/flexgridmodel.h"
#include "ui/grid/gridformat.h"

#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyle>

#include <algorithm>
#include <cmath>

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
    // A reset rebuilds the header's sections at their default width: the widths are put back
    // after each, and rows that arrive one at a time widen what they need.
    connect(m_model, &QAbstractItemModel::modelReset, this, &FlexGrid::fitAllColumns);
    connect(m_model, &QAbstractItemModel::rowsInserted, this,
            [this](const QModelIndex &, int first, int last) { widenForRows(first + 1, last + 1); });
    connect(m_model, &QAbstractItemModel::dataChanged, this,
            [this](const QModelIndex &topLeft, const QModelIndex &bottomRight) {
                widenForRows(topLeft.row() + 1, bottomRight.row() + 1);
            });
    connect(m_model, &QAbstractItemModel::headerDataChanged, this, [this] { widenForRows(0, 0); });

    setSelectionBehavior(QAbstractItemView::SelectRows);
    setTabKeyNavigation(false);
    setWordWrap(false);
    setTextElideMode(Qt::ElideNone);
    verticalHeader()->hide();

    QHeaderView *header = horizontalHeader();
    header->setTextElideMode(Qt::ElideNone);
    header->setSectionResizeMode(QHeaderView::Interactive);
    header->setMinimumSectionSize(0);
    // A click on a heading is reported through MouseUp; it does not select the column.
    header->setSectionsClickable(false);
    header->setHighlightSections(false);
    header->viewport()->setMouseTracking(true);
    header->viewport()->installEventFilter(this);
    connect(header, &QHeaderView::sectionResized, this,
            [this](int col, int, int newWidthPx) { noteSectionResized(col, newWidthPx); });
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
    if (columns.size() != m_userWidthsPx.size())
        m_userWidthsPx = QList<int>(columns.size(), 0);
    m_model->setColumns(columns);  // its reset fits the columns
    keepCurrentCellInside();
}

void FlexGrid::AddItem(const QString &rowText, int rowIndex)
{
    const bool append = rowIndex < 0 || rowIndex > Rows();
    m_model->insertGridRow(append ? Rows() : rowIndex, rowText);  // the model keeps the heading row first
}

void FlexGrid::appendRows(QStringList rowTexts)
{
    m_model->appendGridRows(std::move(rowTexts));
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

int FlexGrid::sizeHintForColumn(int column) const
{
    return m_contentWidthsPx.value(column, 0);
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

void FlexGrid::noteMouse(GridCell cell)
{
    m_mouseRow = cell.row;
    m_mouseCol = cell.col;
}

void FlexGrid::headerMouseEvent(QMouseEvent *event)
{
    const QPoint pos = event->position().toPoint();
    const GridCell cell = cellInHeader(pos);
    noteMouse(cell);
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        m_headerPressPos = pos;
        m_headerPressed = true;
        m_headerDragged = false;
        makeCurrent(cell);
        if (event->type() == QEvent::MouseButtonDblClick)
            emit DblClick();
        break;
    case QEvent::MouseButtonRelease:
        m_headerDragged = m_headerDragged
                          || (m_headerPressed
                              && (pos - m_headerPressPos).manhattanLength() >= QApplication::startDragDistance());
        m_headerPressed = false;
        if (!m_headerDragged)
            emitMouseUp(*event, *horizontalHeader()->viewport());
        break;
    default:
        break;
    }
}

void FlexGrid::mousePressEvent(QMouseEvent *event)
{
    const GridCell cell = cellInViewport(event->position().toPoint());
    makeCurrent(cell);
    m_mousePressed = true;
    QTableView::mousePressEvent(event);
}

void FlexGrid::mouseMoveEvent(QMouseEvent *event)
{
    const GridCell cell = cellInViewport(event->position().toPoint());
    noteMouse(cell);
    if (m_mousePressed && cell.row > 0 && cell.col >= 0) {
        m_rowSel = cell.row;
        m_colSel = cell.col;
    }
    QTableView::mouseMoveEvent(event);
}

void FlexGrid::mouseReleaseEvent(QMouseEvent *event)
{
    noteMouse(cellInViewport(event->position().toPoint()));
    m_mousePressed = false;
    QTableView::mouseReleaseEvent(event);
    emitMouseUp(*event, *viewport());
}

void FlexGrid::mouseDoubleClickEvent(QMouseEvent *event)
{
    const GridCell cell = cellInViewport(event->position().toPoint());
    noteMouse(cell);
    makeCurrent(cell);
    QTableView::mouseDoubleClickEvent(event);
    emit DblClick();
}

void FlexGrid::keyPressEvent(QKeyEvent *event)
{
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && m_row > 0) {
        emit EnterPressed();
        return;
    }
    QTableView::keyPressEvent(event);
}

// The keyboard moves the current cell; the mouse sets it itself on the press, and a drag then
// only moves the selection's end.
void FlexGrid::currentChanged(const QModelIndex &current, const QModelIndex &previous)
{
    QTableView::currentChanged(current, previous);
    if (!m_mousePressed && current.isValid())
        makeCurrent({current.row() + 1, current.column()});
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

// Rows are one text line with a little air, so that a long list shows many rows at once.
void FlexGrid::fitToFont()
{
    verticalHeader()->setDefaultSectionSize(fontMetrics().lineSpacing() + 4);
    const QFontMetricsF metrics(font());
    for (int c = 0; c < int(m_latin1AdvancesPx.size()); ++c)
        m_latin1AdvancesPx[c] = float(metrics.horizontalAdvance(QChar(char16_t(c))));
    fitAllColumns();
}

void FlexGrid::fitAllColumns()
{
    m_contentWidthsPx = QList<int>(Cols(), 0);
    widenForRows(0, Rows() - 1);
}

// Measuring every cell with the font would take longer than building the whole list; the sum of
// the characters' advances is what the text takes, give or take a pixel of kerning.
int FlexGrid::textWidthPx(QStringView text) const
{
    float widthPx = 0.0f;
    for (const QChar c : text) {
        if (c.unicode() >= m_latin1AdvancesPx.size())
            return fontMetrics().horizontalAdvance(text.toString()) + 1;
        widthPx += m_latin1AdvancesPx[c.unicode()];
    }
    return int(std::ceil(widthPx)) + 1;
}

void FlexGrid::widenForRows(int firstGridRow, int lastGridRow)
{
    const int columnCount = Cols();
    if (m_contentWidthsPx.size() != columnCount)
        m_contentWidthsPx = QList<int>(columnCount, 0);
    const int paddingPx = textPaddingPx();
    bool widened = false;
    for (int row = std::max(firstGridRow, 0); row <= lastGridRow && row < Rows(); ++row) {
        for (int col = 0; col < columnCount; ++col) {
            const int neededPx = textWidthPx(m_model->cell(row, col)) + paddingPx;
            if (neededPx > m_contentWidthsPx[col]) {
                m_contentWidthsPx[col] = neededPx;
                widened = true;
            }
        }
    }
    if (widened || firstGridRow == 0)
        applyColumnWidths();
}

// What a column needs beside its text: a cell keeps the focus-frame margin and one pixel free on
// each side of its text and gives one pixel to the grid line, a heading keeps the header margin
// on each side. The larger of the two, so that neither cuts a text short.
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
    const int count = std::min(int(m_contentWidthsPx.size()), header->count());
    m_applyingWidths = true;
    for (int col = 0; col < count; ++col)
        header->resizeSection(col, std::max(m_contentWidthsPx[col], m_userWidthsPx.value(col, 0)));
    m_applyingWidths = false;
}

// A column the observer dragged keeps that width across new lists, unless its cells need more.
// Only a resize while a heading is held down is the observer's; the header resizes its sections
// on its own too, when a model resets.
void FlexGrid::noteSectionResized(int col, int newWidthPx)
{
    if (m_applyingWidths || !m_headerPressed || col >= m_userWidthsPx.size())
        return;
    m_userWidthsPx[col] = newWidthPx;
    m_headerDragged = true;
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
