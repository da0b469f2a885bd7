#include "ui/results/resultsview.h"

#include "plan/listcolumns.h"
#include "ui/results/resultsmodel.h"

#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyle>

#include <algorithm>

ResultsView::ResultsView(ResultsModel *model, QWidget *parent)
    : QTableView(parent)
    , m_results(model)
{
    setModel(model);
    // A reset rebuilds the header's sections at their default width: the widths are put back
    // after each, and the current object is found again.
    connect(model, &QAbstractItemModel::modelReset, this, [this] {
        fitAllColumns();
        keepCurrentObject();
    });
    connect(model, &QAbstractItemModel::headerDataChanged, this, &ResultsView::widenForHeadings);

    setUpTextTable(*this);
    setSelectionMode(QAbstractItemView::SingleSelection);
    QHeaderView *header = horizontalHeader();
    // A click on a heading sorts on the release of any button (see headingMouseEvent); the
    // header itself neither selects a column nor shows a pressed section.
    header->setSectionsClickable(false);
    header->viewport()->installEventFilter(this);
    connect(header, &QHeaderView::sectionResized, this,
            [this](int column, int, int newWidthPx) { noteSectionResized(column, newWidthPx); });
    fitToFont();
}

bool ResultsView::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == horizontalHeader()->viewport()) {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseButtonRelease:
            headingMouseEvent(*static_cast<QMouseEvent *>(event));
            break;
        default:
            break;
        }
    }
    return QTableView::eventFilter(watched, event);
}

// Each release over a heading is a click, so the two releases of a double click are two; a
// press that moved the pointer, or that dragged a border, is no click.
void ResultsView::headingMouseEvent(const QMouseEvent &event)
{
    const QPoint pos = event.position().toPoint();
    if (event.type() != QEvent::MouseButtonRelease) {
        m_headingPressPos = pos;
        m_headingPressed = true;
        m_headingDragged = false;
        return;
    }
    m_headingDragged = m_headingDragged
                       || (m_headingPressed
                           && (pos - m_headingPressPos).manhattanLength() >= QApplication::startDragDistance());
    m_headingPressed = false;
    const int column = horizontalHeader()->logicalIndexAt(pos.x());
    if (!m_headingDragged && column >= 0)
        m_results->sortByColumn(column);
}

// Any button, as for the headings; a double click below the last row asks for nothing.
void ResultsView::mouseDoubleClickEvent(QMouseEvent *event)
{
    QTableView::mouseDoubleClickEvent(event);
    const QModelIndex index = indexAt(event->position().toPoint());
    if (index.isValid())
        emit objectActivated(identifierAt(index.row()));
}

void ResultsView::keyPressEvent(QKeyEvent *event)
{
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && currentIndex().isValid()) {
        emit objectActivated(identifierAt(currentIndex().row()));
        return;
    }
    QTableView::keyPressEvent(event);
}

// The current row is always the selected one, also where the view makes a row current without
// selecting it, as on taking the focus.
void ResultsView::currentChanged(const QModelIndex &current, const QModelIndex &previous)
{
    QTableView::currentChanged(current, previous);
    if (current.isValid() && !selectionModel()->isRowSelected(current.row()))
        selectionModel()->select(current, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    const QString identifier = identifierAt(current.row());
    if (identifier == m_currentIdentifier)
        return;
    m_currentIdentifier = identifier;
    emit currentObjectChanged(identifier);
}

void ResultsView::changeEvent(QEvent *event)
{
    QTableView::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange)
        fitToFont();
}

int ResultsView::sizeHintForColumn(int column) const
{
    return column >= 0 && column < int(m_contentWidthsPx.size()) ? m_contentWidthsPx[std::size_t(column)] : 0;
}

QString ResultsView::identifierAt(int viewRow) const
{
    const ListedObject *row = m_results->rowObject(viewRow);
    return row ? row->object->identifier : QString();
}

// A new list takes away the current row: the object that was current is current again while it
// is listed.
void ResultsView::keepCurrentObject()
{
    if (m_currentIdentifier.isEmpty())
        return;
    const int viewRow = m_results->viewRowOf(m_currentIdentifier);
    if (viewRow >= 0) {
        setCurrentIndex(m_results->index(viewRow, 0));
        return;
    }
    m_currentIdentifier.clear();
    emit currentObjectChanged(m_currentIdentifier);
}

// Rows are one text line with a little air, so that a long list shows many rows at once.
void ResultsView::fitToFont()
{
    verticalHeader()->setDefaultSectionSize(fontMetrics().lineSpacing() + 4);
    m_textWidth.emplace(font());
    fitAllColumns();
}

void ResultsView::fitAllColumns()
{
    const int columnCount = m_results->columnCount();
    m_contentWidthsPx.assign(std::size_t(columnCount), 0);
    m_userWidthsPx.resize(std::size_t(columnCount), 0);
    const int paddingPx = textPaddingPx(*this);
    for (int column = 0; column < columnCount; ++column)
        widenFor(column, m_results->headerData(column, Qt::Horizontal).toString(), paddingPx);
    QString cell;  // one buffer for every cell, never shared, so that it keeps its capacity
    cell.reserve(64);
    for (const ListedObject &row : m_results->m_list.rows) {
        for (int column = 0; column < columnCount; ++column) {
            cell.resize(0);
            listColumnEntry(m_results->listColumnAt(column)).appendCell(cell, row, m_results->m_numbers);
            widenFor(column, cell, paddingPx);
        }
    }
    applyColumnWidths();
}

// A sort moves the heading's marker: the column that gets it grows if it must, and none
// shrinks before the next list.
void ResultsView::widenForHeadings()
{
    const int paddingPx = textPaddingPx(*this);
    for (int column = 0; column < int(m_contentWidthsPx.size()); ++column)
        widenFor(column, m_results->headerData(column, Qt::Horizontal).toString(), paddingPx);
    applyColumnWidths();
}

void ResultsView::widenFor(int column, const QString &text, int paddingPx)
{
    int &contentWidthPx = m_contentWidthsPx[std::size_t(column)];
    contentWidthPx = std::max(contentWidthPx, m_textWidth->widthPx(text) + paddingPx);
}

void ResultsView::applyColumnWidths()
{
    QHeaderView *header = horizontalHeader();
    const int count = std::min(int(m_contentWidthsPx.size()), header->count());
    const int limitPx = automaticColumnWidthLimitPx(*this);
    m_applyingWidths = true;
    for (int column = 0; column < count; ++column) {
        const std::size_t at = std::size_t(column);
        header->resizeSection(column, std::max(std::min(m_contentWidthsPx[at], limitPx), m_userWidthsPx[at]));
    }
    m_applyingWidths = false;
}

// Only a resize while a heading is held down is the observer's; the header resizes its sections
// on its own too, when the model resets.
void ResultsView::noteSectionResized(int column, int newWidthPx)
{
    if (m_applyingWidths || !m_headingPressed || column >= int(m_userWidthsPx.size()))
        return;
    m_userWidthsPx[std::size_t(column)] = newWidthPx;
    m_headingDragged = true;
}
