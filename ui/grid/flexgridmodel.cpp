#include "ui/grid/flexgridmodel.h"

#include "ui/grid/gridsortkey.h"

#include <algorithm>

FlexGridModel::FlexGridModel(QObject *parent)
    : QAbstractTableModel(parent)
{
}

int FlexGridModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : gridRowCount() - 1;
}

int FlexGridModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_alignments.size());
}

QVariant FlexGridModel::data(const QModelIndex &index, int role) const
{
    const int gridRow = index.row() + 1;
    if (!index.isValid() || !contains(gridRow, index.column()))
        return {};
    if (role == Qt::DisplayRole)
        return m_rows[gridRow].cell(index.column()).toString();
    if (role == Qt::TextAlignmentRole)
        return alignmentData(index.column());
    return {};
}

QVariant FlexGridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal)
        return QAbstractTableModel::headerData(section, orientation, role);
    if (section < 0 || section >= columnCount())
        return {};
    if (role == Qt::DisplayRole)
        return m_rows[0].cell(section).toString();
    if (role == Qt::TextAlignmentRole)
        return alignmentData(section);
    return {};
}

Qt::ItemFlags FlexGridModel::flags(const QModelIndex &index) const
{
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

void FlexGridModel::setGridRowCount(int gridRowCount)
{
    const int oldCount = this->gridRowCount();
    const int newCount = std::max(gridRowCount, 1);
    if (newCount == oldCount)
        return;
    if (inBatch()) {
        noteBatchedChange();
        m_rows.resize(newCount);
    } else if (newCount > oldCount) {
        beginInsertRows({}, oldCount - 1, newCount - 2);
        m_rows.resize(newCount);
        endInsertRows();
    } else {
        beginRemoveRows({}, newCount - 1, oldCount - 2);
        m_rows.resize(newCount);
        endRemoveRows();
    }
}

void FlexGridModel::setColumns(const QList<GridColumnFormat> &columns)
{
    beginStructureChange();
    const int columnCount = int(columns.size());
    QStringList headings;
    m_alignments.clear();
    for (const GridColumnFormat &column : columns) {
        headings.append(column.heading);
        m_alignments.append(column.alignment);
    }
    m_rows[0] = GridRow::fromCells(headings);
    for (GridRow &row : m_rows)
        row.truncate(columnCount);
    endStructureChange();
}

void FlexGridModel::appendGridRows(QStringList rowTexts)
{
    if (rowTexts.isEmpty())
        return;
    const int first = gridRowCount();
    if (inBatch())
        noteBatchedChange();
    else
        beginInsertRows({}, first - 1, first - 1 + int(rowTexts.size()) - 1);
    m_rows.reserve(m_rows.size() + rowTexts.size());
    for (QString &text : rowTexts)
        m_rows.append(GridRow(std::move(text), columnCount()));
    if (!inBatch())
        endInsertRows();
}

void FlexGridModel::insertGridRow(int gridRow, const QString &rowText)
{
    const int at = std::clamp(gridRow, 1, gridRowCount());
    if (inBatch()) {
        noteBatchedChange();
        m_rows.insert(at, GridRow(rowText, columnCount()));
        return;
    }
    beginInsertRows({}, at - 1, at - 1);
    m_rows.insert(at, GridRow(rowText, columnCount()));
    endInsertRows();
}

QString FlexGridModel::text(int gridRow, int col) const
{
    return cell(gridRow, col).toString();
}

QStringView FlexGridModel::cell(int gridRow, int col) const
{
    return contains(gridRow, col) ? m_rows[gridRow].cell(col) : QStringView();
}

void FlexGridModel::setText(int gridRow, int col, const QString &text)
{
    if (!contains(gridRow, col))
        return;
    if (inBatch())
        noteBatchedChange();
    m_rows[gridRow].setCell(col, text);
    if (inBatch())
        return;
    if (gridRow == 0) {
        emit headerDataChanged(Qt::Horizontal, col, col);
    } else {
        const QModelIndex changed = index(gridRow - 1, col);
        emit dataChanged(changed, changed, {Qt::DisplayRole});
    }
}

void FlexGridModel::clearTexts()
{
    if (inBatch())
        noteBatchedChange();
    std::fill(m_rows.begin(), m_rows.end(), GridRow());
    if (inBatch() || columnCount() == 0)
        return;
    emit headerDataChanged(Qt::Horizontal, 0, columnCount() - 1);
    if (rowCount() > 0)
        emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1), {Qt::DisplayRole});
}

void FlexGridModel::sortRows(int firstRow, int lastRow, int keyCol, Qt::SortOrder order,
                             const QLocale &locale)
{
    firstRow = std::max(firstRow, 1);
    lastRow = std::min(lastRow, gridRowCount() - 1);
    if (keyCol < 0 || keyCol >= columnCount() || lastRow <= firstRow)
        return;

    QList<GridSortKey> keys;
    keys.reserve(lastRow - firstRow + 1);
    for (int row = firstRow; row <= lastRow; ++row)
        keys.append(GridSortKey(m_rows[row].cell(keyCol), locale));
    const QList<qsizetype> sortedPositions = stableSortOrder(keys, order);

    if (inBatch()) {
        noteBatchedChange();
        placeRowsInOrder(firstRow, sortedPositions);
        return;
    }
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    placeRowsInOrder(firstRow, sortedPositions);

    // Selections and other persistent indexes follow their rows to where they were sorted.
    QList<int> newPositionOf(sortedPositions.size());
    for (int newPosition = 0; newPosition < sortedPositions.size(); ++newPosition)
        newPositionOf[sortedPositions[newPosition]] = newPosition;
    const QModelIndexList before = persistentIndexList();
    QModelIndexList after;
    after.reserve(before.size());
    for (const QModelIndex &index : before) {
        const int position = index.row() + 1 - firstRow;
        const bool wasSorted = position >= 0 && position < newPositionOf.size();
        after.append(wasSorted ? createIndex(firstRow + newPositionOf[position] - 1, index.column())
                               : index);
    }
    changePersistentIndexList(before, after);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

void FlexGridModel::beginBatch()
{
    ++m_batchDepth;
}

void FlexGridModel::endBatch()
{
    if (m_batchDepth == 0 || --m_batchDepth > 0)
        return;
    if (m_resetPending) {
        m_resetPending = false;
        endResetModel();
    }
}

// The first change of a batch opens the one reset that the batch ends with, so that views
// leave the model alone meanwhile.
void FlexGridModel::noteBatchedChange()
{
    if (m_resetPending)
        return;
    m_resetPending = true;
    beginResetModel();
}

void FlexGridModel::beginStructureChange()
{
    if (inBatch())
        noteBatchedChange();
    else
        beginResetModel();
}

void FlexGridModel::endStructureChange()
{
    if (!inBatch())
        endResetModel();
}

bool FlexGridModel::contains(int gridRow, int col) const
{
    return gridRow >= 0 && gridRow < gridRowCount() && col >= 0 && col < columnCount();
}

// An int, which views of every Qt 6 version read as the alignment.
QVariant FlexGridModel::alignmentData(int col) const
{
    return int(m_alignments[col] | Qt::AlignVCenter);
}

void FlexGridModel::placeRowsInOrder(int firstRow, const QList<qsizetype> &sortedPositions)
{
    QList<GridRow> sortedRows;
    sortedRows.reserve(sortedPositions.size());
    for (const qsizetype position : sortedPositions)
        sortedRows.append(std::move(m_rows[firstRow + position]));
    std::move(sortedRows.begin(), sortedRows.end(), m_rows.begin() + firstRow);
}
