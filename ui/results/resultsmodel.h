#pragma once

#include "plan/listcolumns.h"
#include "plan/localenumbers.h"
#include "plan/observinglist.h"

#include <QAbstractTableModel>
#include <QLocale>
#include <QString>

#include <optional>
#include <vector>

// The observing list as a table: one row per listed object, one column per list column shown
// (the standard ones, then the optional ones asked for), the headings as the grid shows them. The observer's sort order holds for every list shown until
// another heading is chosen; the heading sorted by carries "> " while ascending and "< " while
// descending.
class ResultsModel : public QAbstractTableModel {
    Q_OBJECT

public:
    explicit ResultsModel(QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

    // Shows a new list in the columns given, its numbers written as the locale writes them, in the
    // kept sort order; sorted by a column no longer shown, in the list's own order.
    void showList(const ObservingList &list, const QList<ListColumn> &columns, const QLocale &locale);

    // What a click on a heading does: another column sorts ascending, the column sorted by
    // ascending sorts descending, and descending turns to ascending again.
    void sortByColumn(int column);

    // The object shown in a row of the view; nullptr outside the rows.
    const ListedObject *rowObject(int viewRow) const;
    // The list's row indices in the order shown, for the results text.
    std::vector<int> displayOrder() const;
    // The view row of the object with this identifier, -1 when it is not listed.
    int viewRowOf(const QString &identifier) const;

private:
    // The view measures every cell for its column widths straight from the list: through data()
    // a list of the whole sky would take most of a frame.
    friend class ResultsView;

    std::vector<int> orderForSort() const;
    QString heading(int column) const;
    int listColumnAt(int column) const { return int(m_columns[column]); }

    ObservingList m_list;
    QList<ListColumn> m_columns = listColumnsWith({});
    LocaleNumbers m_numbers{QLocale::c()};
    std::vector<int> m_shownRows;  // view row -> list row
    std::optional<ListColumn> m_sortColumn;  // none until the observer chooses one
    Qt::SortOrder m_sortOrder = Qt::AscendingOrder;
};
