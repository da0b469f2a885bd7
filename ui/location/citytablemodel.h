#pragma once

#include "formats/citiesfile.h"

#include <QAbstractTableModel>

// The cities of the cities file as a read-only table, in file order: the city's name, its
// latitude and its longitude, as the file has them. The name is left-aligned, the coordinates
// right-aligned, so that their decimal points line up.
class CityTableModel : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Column { NameColumn, LatitudeColumn, LongitudeColumn, ColumnCount };

    explicit CityTableModel(QList<City> cities, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    // row: 0 to rowCount() - 1.
    const City &city(int row) const { return m_cities.at(row); }

private:
    QList<City> m_cities;
};
