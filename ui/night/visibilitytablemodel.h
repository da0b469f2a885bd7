#pragma once

#include "plan/sessionvisibility.h"
#include "sky/bestmoment.h"

#include <QAbstractTableModel>

#include <vector>

// The visibility windows of a list's objects as a table, one row an object, in the list's order
// until it is sorted by a column. The order a table was sorted in holds for the rows that follow.
// While the observer's sky and telescope are judged, the seeing columns follow (seeingcolumns.h).
class VisibilityTableModel : public QAbstractTableModel {
    Q_OBJECT

public:
    explicit VisibilityTableModel(QObject *parent = nullptr);

    // Times are shown as local time, numbers as the locale writes them. bestMoments: none when the
    // seeing is not judged, else one for each row.
    void setRows(std::vector<ListedVisibility> rows, std::optional<std::vector<std::optional<BestMoment>>> bestMoments,
                 const LocalClock &clock, const LocaleNumbers &numbers);

    // Whole rows by the column's values; rows whose values are equal keep their order.
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;
    // -1 while the rows are in the list's order.
    int sortColumn() const { return m_sortColumn; }
    Qt::SortOrder sortOrder() const { return m_sortOrder; }

    // The object's visibility; null when it has no row.
    const Visibility *visibilityOf(const CatalogObject *object) const;

    // The headings and the rows as shown, tab-separated, every line ended by CR LF.
    QString text() const;

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

private:
    struct Row {
        ListedVisibility visibility;
        std::optional<BestMoment> best;
        QStringList cells;
    };

    void showSeeing(bool shown);
    QStringList headings() const;
    SortKey sortKey(const Row &row) const;

    const Row &shownRow(int row) const { return m_rows[std::size_t(m_shownOrder[std::size_t(row)])]; }
    std::vector<int> sortedOrder(std::vector<int> order) const;

    std::vector<Row> m_rows;         // in the list's order
    std::vector<int> m_shownOrder;   // indexes into m_rows, as the table shows them
    bool m_seeingShown = false;
    LocalClock m_clock;
    int m_sortColumn = -1;
    Qt::SortOrder m_sortOrder = Qt::AscendingOrder;
};
