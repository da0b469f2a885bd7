#pragma once

#include <QList>
#include <QLocale>
#include <QString>
#include <QStringView>

#include <compare>

// A cell text prepared once for the grid's generic sort, so that the order is the one an
// observer reads:
// - a number in the grid's locale compares by its value, and so does a whole number followed by
//   a blank and a second number, read as a value and its sixtieths ("5 35.2" is 5 h 35.2 min,
//   "-21 30" is -21 degrees plus 30 minutes, as the list writes them);
// - numbers come before every text;
// - texts compare without case and with the numbers in them by value ("NGC 224" before
//   "NGC 1976", "M 2" before "M 10").
class GridSortKey {
public:
    GridSortKey(QStringView cellText, const QLocale &locale);

    bool isNumber() const { return m_isNumber; }

    friend std::weak_ordering operator<=>(const GridSortKey &a, const GridSortKey &b);
    friend bool operator==(const GridSortKey &a, const GridSortKey &b) { return (a <=> b) == 0; }

private:
    bool m_isNumber = false;
    double m_number = 0.0;
    QString m_textKey;  // folded case, each run of digits as its length and its digits
};

// The positions of keys in sorted order. Descending is the reverse order of the comparison; in
// both directions keys that compare equal keep the order they had.
QList<qsizetype> stableSortOrder(const QList<GridSortKey> &keys, Qt::SortOrder order);
