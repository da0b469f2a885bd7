#include "ui/location/citytablemodel.h"

#include <array>

namespace {

struct ColumnLook {
    QString heading;
    Qt::Alignment alignment;
};

// The blanks after each heading give its column a least width, room for a usual name or
// coordinate.
const std::array<ColumnLook, CityTableModel::ColumnCount> Columns{{
    {QStringLiteral("City                                    "), Qt::AlignLeft},
    {QStringLiteral("Lat        "), Qt::AlignRight},
    {QStringLiteral("Lon         "), Qt::AlignRight},
}};

// An int, which views of every Qt 6 version read as the alignment.
QVariant alignment(int column)
{
    return int(Columns[column].alignment | Qt::AlignVCenter);
}

}  // namespace

CityTableModel::CityTableModel(QList<City> cities, QObject *parent)
    : QAbstractTableModel(parent)
    , m_cities(std::move(cities))
{
}

int CityTableModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_cities.size());
}

int CityTableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant CityTableModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return {};
    if (role == Qt::TextAlignmentRole)
        return alignment(index.column());
    if (role != Qt::DisplayRole)
        return {};
    const City &city = m_cities[index.row()];
    switch (index.column()) {
    case NameColumn:
        return city.name();
    case LatitudeColumn:
        return city.latitude;
    default:
        return city.longitude;
    }
}

QVariant CityTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= ColumnCount)
        return QAbstractTableModel::headerData(section, orientation, role);
    if (role == Qt::TextAlignmentRole)
        return alignment(section);
    return role == Qt::DisplayRole ? QVariant(Columns[section].heading) : QVariant();
}
