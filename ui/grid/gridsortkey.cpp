#include "ui/grid/gridsortkey.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace {

std::optional<double> readNumber(const QString &cellText, const QLocale &locale)
{
    bool ok = false;
    const double value = locale.toDouble(cellText.trimmed(), &ok);
    // "nan" and "inf" read as numbers but have no place in an order.
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

}  // namespace

GridSortKey::GridSortKey(const QString &cellText, const QLocale &locale)
    : m_number(readNumber(cellText, locale))
{
    if (!m_number)
        m_foldedText = cellText.toCaseFolded();
}

std::weak_ordering operator<=>(const GridSortKey &a, const GridSortKey &b)
{
    if (a.m_number && b.m_number) {
        if (*a.m_number < *b.m_number)
            return std::weak_ordering::less;
        if (*a.m_number > *b.m_number)
            return std::weak_ordering::greater;
        return std::weak_ordering::equivalent;
    }
    if (a.m_number || b.m_number)
        return a.m_number ? std::weak_ordering::less : std::weak_ordering::greater;
    return a.m_foldedText.compare(b.m_foldedText) <=> 0;
}

QList<qsizetype> stableSortOrder(const QList<GridSortKey> &keys, Qt::SortOrder order)
{
    QList<qsizetype> positions(keys.size());
    std::iota(positions.begin(), positions.end(), 0);
    if (order == Qt::AscendingOrder) {
        std::stable_sort(positions.begin(), positions.end(),
                         [&keys](qsizetype a, qsizetype b) { return keys[a] < keys[b]; });
    } else {
        std::stable_sort(positions.begin(), positions.end(),
                         [&keys](qsizetype a, qsizetype b) { return keys[b] < keys[a]; });
    }
    return positions;
}
