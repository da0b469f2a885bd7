#include "ui/night/visibilitytablemodel.h"

#include "ui/night/seeingcolumns.h"

#include <algorithm>
#include <numeric>

namespace {

const QString LineEnd = QStringLiteral("\r\n");

// An int, which views of every Qt 6 version read as the alignment.
QVariant alignmentData(int column)
{
    const Qt::Alignment alignment = column < VisibilityColumnCount
                                        ? visibilityColumnEntry(column).alignment
                                        : SeeingColumns[std::size_t(column - VisibilityColumnCount)].alignment;
    return int(alignment | Qt::AlignVCenter);
}

}  // namespace

VisibilityTableModel::VisibilityTableModel(QObject *parent)
    : QAbstractTableModel(parent)
{
}

void VisibilityTableModel::setRows(std::vector<ListedVisibility> rows,
                                   std::optional<std::vector<std::optional<BestMoment>>> bestMoments,
                                   const LocalClock &clock, const LocaleNumbers &numbers)
{
    showSeeing(bestMoments.has_value());
    if (!m_rows.empty()) {
        beginRemoveRows({}, 0, rowCount() - 1);
        m_rows.clear();
        m_shownOrder.clear();
        endRemoveRows();
    }
    if (rows.empty())
        return;
    beginInsertRows({}, 0, int(rows.size()) - 1);
    m_clock = clock;
    m_rows.reserve(rows.size());
    for (std::size_t index = 0; index < rows.size(); ++index) {
        QStringList cells = visibilityCells(rows[index], clock, numbers);
        std::optional<BestMoment> best = bestMoments ? (*bestMoments)[index] : std::nullopt;
        if (m_seeingShown) {
            for (const SeeingColumnEntry &entry : SeeingColumns)
                cells << seeingCell(best, entry, numbers);
        }
        m_rows.push_back({std::move(rows[index]), best, std::move(cells)});
    }
    std::vector<int> listOrder(m_rows.size());
    std::iota(listOrder.begin(), listOrder.end(), 0);
    m_shownOrder = sortedOrder(std::move(listOrder));
    endInsertRows();
}

// Other columns: the rows go, and come again with the columns.
void VisibilityTableModel::showSeeing(bool shown)
{
    if (shown == m_seeingShown)
        return;
    beginResetModel();
    m_rows.clear();
    m_shownOrder.clear();
    m_seeingShown = shown;
    if (m_sortColumn >= VisibilityColumnCount && !shown)
        m_sortColumn = -1;  // sorted by a column that has gone: the list's order
    endResetModel();
}

void VisibilityTableModel::sort(int column, Qt::SortOrder order)
{
    if (column < 0 || column >= columnCount())
        return;
    m_sortColumn = column;
    m_sortOrder = order;
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    const std::vector<int> sorted = sortedOrder(m_shownOrder);
    // Selections and other persistent indexes follow their rows.
    std::vector<int> newPositionOf(m_rows.size());
    for (std::size_t position = 0; position < sorted.size(); ++position)
        newPositionOf[std::size_t(sorted[position])] = int(position);
    const QModelIndexList before = persistentIndexList();
    QModelIndexList after;
    after.reserve(before.size());
    for (const QModelIndex &index : before)
        after << createIndex(newPositionOf[std::size_t(m_shownOrder[std::size_t(index.row())])], index.column());
    m_shownOrder = sorted;
    changePersistentIndexList(before, after);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

// The rows in the given order sorted stably by the sort column, so that rows with equal values
// stay in the order they were shown in.
std::vector<int> VisibilityTableModel::sortedOrder(std::vector<int> order) const
{
    if (m_sortColumn < 0)
        return order;
    std::vector<SortKey> keys;
    keys.reserve(m_rows.size());
    for (const Row &row : m_rows)
        keys.push_back(sortKey(row));
    const auto before = [&keys](int a, int b) { return keys[std::size_t(a)] < keys[std::size_t(b)]; };
    if (m_sortOrder == Qt::AscendingOrder)
        std::stable_sort(order.begin(), order.end(), before);
    else
        std::stable_sort(order.begin(), order.end(), [&before](int a, int b) { return before(b, a); });
    return order;
}

SortKey VisibilityTableModel::sortKey(const Row &row) const
{
    if (m_sortColumn < VisibilityColumnCount)
        return visibilityColumnEntry(m_sortColumn).sortKey(row.visibility, m_clock);
    return seeingSortKey(row.best, SeeingColumns[std::size_t(m_sortColumn - VisibilityColumnCount)]);
}

QStringList VisibilityTableModel::headings() const
{
    QStringList headings = visibilityHeadings();
    if (m_seeingShown) {
        for (const SeeingColumnEntry &entry : SeeingColumns)
            headings << QString::fromUtf16(entry.textHeading);
    }
    return headings;
}

const Visibility *VisibilityTableModel::visibilityOf(const CatalogObject *object) const
{
    const auto row = std::ranges::find(m_rows, object, [](const Row &row) { return row.visibility.object; });
    return row == m_rows.end() ? nullptr : &row->visibility.visibility;
}

QString VisibilityTableModel::text() const
{
    QString text = headings().join(u'\t') + LineEnd;
    for (const int index : m_shownOrder)
        text += m_rows[std::size_t(index)].cells.join(u'\t') + LineEnd;
    return text;
}

int VisibilityTableModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int VisibilityTableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : VisibilityColumnCount + (m_seeingShown ? SeeingColumnCount : 0);
}

QVariant VisibilityTableModel::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    if (role == Qt::DisplayRole)
        return shownRow(index.row()).cells.at(index.column());
    if (role == Qt::TextAlignmentRole)
        return alignmentData(index.column());
    return {};
}

QVariant VisibilityTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= columnCount())
        return QAbstractTableModel::headerData(section, orientation, role);
    if (role == Qt::DisplayRole)
        return QString::fromUtf16(section < VisibilityColumnCount
                                      ? visibilityColumnEntry(section).gridHeading
                                      : SeeingColumns[std::size_t(section - VisibilityColumnCount)].gridHeading);
    if (role == Qt::TextAlignmentRole)
        return alignmentData(section);
    return {};
}

Qt::ItemFlags VisibilityTableModel::flags(const QModelIndex &index) const
{
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}
