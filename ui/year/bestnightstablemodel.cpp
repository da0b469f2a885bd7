#include "ui/year/bestnightstablemodel.h"

#include <algorithm>
#include <array>

namespace {

const QString LineEnd = QStringLiteral("\r\n");

enum Column { Identifier, Night, MoonlessMinutes, ColumnCount };

const std::array<QString, ColumnCount> Headings = {
    QStringLiteral("Identifier"), QStringLiteral("Best night"), QStringLiteral("Moonless minutes")};

}  // namespace

BestNightsTableModel::BestNightsTableModel(QObject *parent)
    : QAbstractTableModel(parent)
{
}

void BestNightsTableModel::setRows(std::vector<BestNightRow> rows)
{
    beginResetModel();
    m_rows = std::move(rows);
    sortRows();
    endResetModel();
}

void BestNightsTableModel::sort(int column, Qt::SortOrder order)
{
    if (column < 0 || column >= ColumnCount)
        return;
    m_sortColumn = column;
    m_sortOrder = order;
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    sortRows();
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

// Each row's key worked out once: texts take long to compare.
void BestNightsTableModel::sortRows()
{
    if (m_sortColumn < 0)
        return;
    std::vector<std::pair<SortKey, BestNightRow>> keyed;
    keyed.reserve(m_rows.size());
    for (BestNightRow &row : m_rows)
        keyed.emplace_back(sortKey(row), std::move(row));
    const auto before = [](const auto &a, const auto &b) { return a.first < b.first; };
    if (m_sortOrder == Qt::AscendingOrder)
        std::ranges::stable_sort(keyed, before);
    else
        std::ranges::stable_sort(keyed, [&before](const auto &a, const auto &b) { return before(b, a); });
    for (std::size_t index = 0; index < keyed.size(); ++index)
        m_rows[index] = std::move(keyed[index].second);
}

SortKey BestNightsTableModel::sortKey(const BestNightRow &row) const
{
    switch (m_sortColumn) {
    case Night:
        return SortKey::number(double(row.night.toJulianDay()));
    case MoonlessMinutes:
        return SortKey::number(row.moonlessMinutes);
    default:
        return SortKey::text(row.identifier);
    }
}

QString BestNightsTableModel::cell(const BestNightRow &row, int column)
{
    switch (column) {
    case Night:
        return row.night.toString(Qt::ISODate);
    case MoonlessMinutes:
        return QString::number(row.moonlessMinutes);
    default:
        return row.identifier;
    }
}

QString BestNightsTableModel::text() const
{
    QStringList headings(Headings.begin(), Headings.end());
    QString text = headings.join(u'\t') + LineEnd;
    for (const BestNightRow &row : m_rows)
        text += cell(row, Identifier) + u'\t' + cell(row, Night) + u'\t' + cell(row, MoonlessMinutes) + LineEnd;
    return text;
}

int BestNightsTableModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int BestNightsTableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

// Numbers to the right, as in the other tables.
QVariant BestNightsTableModel::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    if (role == Qt::DisplayRole)
        return cell(m_rows[std::size_t(index.row())], index.column());
    if (role == Qt::TextAlignmentRole)
        return int((index.column() == MoonlessMinutes ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
    return {};
}

QVariant BestNightsTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= ColumnCount)
        return QAbstractTableModel::headerData(section, orientation, role);
    if (role == Qt::DisplayRole)
        return Headings[std::size_t(section)];
    if (role == Qt::TextAlignmentRole)
        return int((section == MoonlessMinutes ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
    return {};
}

Qt::ItemFlags BestNightsTableModel::flags(const QModelIndex &index) const
{
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}
