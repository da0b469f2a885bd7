#pragma once

#include <QList>
#include <QLocale>
#include <QString>

#include <compare>
#include <optional>

// A cell text prepared once for the grid's generic sort. A text that reads as a number in the
// grid's locale compares by its value and comes before every text that does not; other texts
// compare case-insensitively.
class GridSortKey {
public:
    GridSortKey(const QString &cellText, const QLocale &locale);

    bool isNumber() const { return m_number.has_value(); }

    friend std::weak_ordering operator<=>(const GridSortKey &a, const GridSortKey &b);
    friend bool operator==(const GridSortKey &a, const GridSortKey &b) { return (a <=> b) == 0; }

private:
    std::optional<double> m_number;
    QString m_foldedText;  // empty for a number
};

// The positions of keys in sorted order. Descending is the reverse order of the comparison; in
// both directions keys that compare equal keep the order they had.
QList<qsizetype> stableSortOrder(const QList<GridSortKey> &keys, Qt::SortOrder order);
