#pragma once

#include <QString>
#include <QStringView>

#include <compare>
#include <optional>

// What a column sorts by, in the order an observer reads: numbers by value and before every
// text; texts without case and with the numbers in them by value ("NGC 224" before "NGC 1976",
// "M 2" before "M 10").
class SortKey {
public:
    static SortKey number(double value);
    // A text that is a number written with a point ("12.5") sorts as that number.
    static SortKey text(QStringView text);
    // The number when there is one, else the text.
    static SortKey numberOrText(const std::optional<double> &value, QStringView text);

    friend std::weak_ordering operator<=>(const SortKey &a, const SortKey &b);
    friend bool operator==(const SortKey &a, const SortKey &b) { return (a <=> b) == 0; }

private:
    bool m_isNumber = false;
    double m_number = 0.0;
    QString m_textKey;  // folded case, each run of digits as its length and its digits
};
