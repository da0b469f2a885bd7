#pragma once

#include "plan/sortkey.h"

#include <QAbstractTableModel>
#include <QDate>

#include <vector>

// An object's best night of the year: the one with the most moonless minutes in the dark.
struct BestNightRow {
    QString identifier;
    QDate night;
    int moonlessMinutes = 0;
};

// The best nights of a list's objects as a table, one row an object, in the list's order until
// it is sorted by a column; the order a table was sorted in holds for the rows that follow.
class BestNightsTableModel : public QAbstractTableModel {
    Q_OBJECT

public:
    explicit BestNightsTableModel(QObject *parent = nullptr);

    void setRows(std::vector<BestNightRow> rows);

    // Whole rows by the column's values; rows whose values are equal keep their order.
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;
    int sortColumn() const { return m_sortColumn; }
    Qt::SortOrder sortOrder() const { return m_sortOrder; }

    // The headings and the rows as shown, tab-separated, every line ended by CR LF.
    QString text() const;

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

private:
    static QString cell(const BestNightRow &row, int column);
    SortKey sortKey(const BestNightRow &row) const;
    void sortRows();

    std::vector<BestNightRow> m_rows;  // as shown
    int m_sortColumn = -1;
    Qt::SortOrder m_sortOrder = Qt::AscendingOrder;
};
