#include "ui/results/resultsmodel.h"

ResultsModel::ResultsModel(QObject *parent)
    : QAbstractTableModel(parent)
{
}

int ResultsModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_shownRows.size());
}

int ResultsModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_columns.size());
}

QVariant ResultsModel::data(const QModelIndex &index, int role) const
{
    const ListedObject *row = rowObject(index.row());
    if (!row || index.column() < 0 || index.column() >= columnCount())
        return {};
    if (role == Qt::DisplayRole)
        return listCell(*row, listColumnAt(index.column()), m_numbers);
    if (role == Qt::TextAlignmentRole)
        return int(Qt::AlignLeft | Qt::AlignVCenter);  // an int, which every Qt 6 view reads
    return {};
}

QVariant ResultsModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal)
        return QAbstractTableModel::headerData(section, orientation, role);
    if (section < 0 || section >= columnCount())
        return {};
    if (role == Qt::DisplayRole)
        return heading(section);
    if (role == Qt::TextAlignmentRole)
        return int(Qt::AlignLeft | Qt::AlignVCenter);
    return {};
}

Qt::ItemFlags ResultsModel::flags(const QModelIndex &index) const
{
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

void ResultsModel::showList(const ObservingList &list, const QList<ListColumn> &columns, const QLocale &locale)
{
    beginResetModel();
    m_list = list;
    m_columns = columns;
    if (m_sortColumn && !m_columns.contains(*m_sortColumn))
        m_sortColumn.reset();
    m_numbers = LocaleNumbers(locale);
    m_shownRows = orderForSort();
    endResetModel();
}

void ResultsModel::sortByColumn(int column)
{
    if (column < 0 || column >= columnCount())
        return;
    const bool sortedAscendingByIt = m_columns[column] == m_sortColumn && m_sortOrder == Qt::AscendingOrder;
    m_sortOrder = sortedAscendingByIt ? Qt::DescendingOrder : Qt::AscendingOrder;
    m_sortColumn = m_columns[column];

    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    std::vector<int> shownRowOfListRow(m_list.rows.size());
    const std::vector<int> newShownRows = orderForSort();
    for (int shownRow = 0; shownRow < int(newShownRows.size()); ++shownRow)
        shownRowOfListRow[std::size_t(newShownRows[std::size_t(shownRow)])] = shownRow;
    // The current row and the selection follow their objects to where they were sorted.
    const QModelIndexList before = persistentIndexList();
    QModelIndexList after;
    after.reserve(before.size());
    for (const QModelIndex &index : before) {
        const int listRow = m_shownRows[std::size_t(index.row())];
        after.append(createIndex(shownRowOfListRow[std::size_t(listRow)], index.column()));
    }
    m_shownRows = newShownRows;
    changePersistentIndexList(before, after);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
    emit headerDataChanged(Qt::Horizontal, 0, columnCount() - 1);
}

const ListedObject *ResultsModel::rowObject(int viewRow) const
{
    if (viewRow < 0 || viewRow >= rowCount())
        return nullptr;
    return &m_list.rows[std::size_t(m_shownRows[std::size_t(viewRow)])];
}

std::vector<int> ResultsModel::displayOrder() const
{
    return m_shownRows;
}

int ResultsModel::viewRowOf(const QString &identifier) const
{
    for (int viewRow = 0; viewRow < rowCount(); ++viewRow) {
        if (rowObject(viewRow)->object->identifier == identifier)
            return viewRow;
    }
    return -1;
}

std::vector<int> ResultsModel::orderForSort() const
{
    return m_sortColumn ? sortedRows(m_list, int(*m_sortColumn), m_sortOrder) : listOrder(m_list);
}

QString ResultsModel::heading(int column) const
{
    const QString text = QString::fromUtf16(listColumnEntry(listColumnAt(column)).gridHeading);
    if (m_columns[column] != m_sortColumn)
        return text;
    return (m_sortOrder == Qt::AscendingOrder ? QStringLiteral("> ") : QStringLiteral("< ")) + text;
}
