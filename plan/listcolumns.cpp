#include "plan/listcolumns.h"

#include "plan/coordinateformat.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace {

void appendFixed2(QString &text, double value, const LocaleNumbers &numbers)
{
    numbers.appendFixed(text, value, 2);
}

// A number as the column writes it with two decimals, so that rows that read the same keep their
// order.
SortKey shownHundredths(double value)
{
    return SortKey::number(std::round(value * 100.0) / 100.0);
}

const CatalogObject &objectOf(const ListedObject &row)
{
    return *row.object;
}

}  // namespace

const std::array<ListColumnEntry, ListColumnCount> ListColumns = {{
    {ListColumn::Identifier, u"Identifier       ", u"Identifier",
     [](QString &text, const ListedObject &row, const LocaleNumbers &) { text += objectOf(row).identifier; },
     [](const ListedObject &row) { return SortKey::text(objectOf(row).identifier); }},
    {ListColumn::Messier, u"M#      ", u"Messier",
     [](QString &text, const ListedObject &row, const LocaleNumbers &) { text += objectOf(row).messier; },
     [](const ListedObject &row) { return SortKey::text(objectOf(row).messier); }},
    {ListColumn::Type, u"Type                   ", u"Type",
     [](QString &text, const ListedObject &row, const LocaleNumbers &) { text += objectOf(row).typeText; },
     [](const ListedObject &row) { return SortKey::text(objectOf(row).typeText); }},
    {ListColumn::Size, u"Size", u"Size",
     [](QString &text, const ListedObject &row, const LocaleNumbers &) { text += objectOf(row).sizeText; },
     [](const ListedObject &row) { return SortKey::numberOrText(objectOf(row).sizeArcmin, objectOf(row).sizeText); }},
    {ListColumn::Altitude, u"Alt     ", u"Altitude",
     [](QString &text, const ListedObject &row, const LocaleNumbers &numbers) {
         appendFixed2(text, row.placement.start.Alt, numbers);
     },
     [](const ListedObject &row) { return shownHundredths(row.placement.start.Alt); }},
    {ListColumn::Azimuth, u"Az       ", u"Azimuth",
     [](QString &text, const ListedObject &row, const LocaleNumbers &numbers) {
         appendFixed2(text, row.placement.start.Az, numbers);
     },
     [](const ListedObject &row) { return shownHundredths(row.placement.start.Az); }},
    {ListColumn::RightAscension, u"Ra         ", u"RA",
     [](QString &text, const ListedObject &row, const LocaleNumbers &numbers) {
         appendRA(text, objectOf(row).raDeg, numbers);
     },
     [](const ListedObject &row) { return SortKey::number(shownRAHours(objectOf(row).raDeg)); }},
    {ListColumn::Declination, u"Dec    ", u"DEC",
     [](QString &text, const ListedObject &row, const LocaleNumbers &numbers) {
         appendDec(text, objectOf(row).decDeg, numbers);
     },
     [](const ListedObject &row) { return SortKey::number(shownDecDeg(objectOf(row).decDeg)); }},
    {ListColumn::HoursToTransit, u"hrs to Transit", u"hrs to Transit",
     [](QString &text, const ListedObject &row, const LocaleNumbers &numbers) {
         appendFixed2(text, row.placement.hoursToTransit, numbers);
     },
     [](const ListedObject &row) { return shownHundredths(row.placement.hoursToTransit); }},
    {ListColumn::Magnitude, u"Mag ", u"Magnitude",
     [](QString &text, const ListedObject &row, const LocaleNumbers &) { text += objectOf(row).magnitudeText; },
     [](const ListedObject &row) {
         return SortKey::numberOrText(objectOf(row).magnitude, objectOf(row).magnitudeText);
     }},
    {ListColumn::Constellation, u"Constellation       ", u"Constellation",
     [](QString &text, const ListedObject &row, const LocaleNumbers &) { text += objectOf(row).constellation; },
     [](const ListedObject &row) { return SortKey::text(objectOf(row).constellation); }},
}};

QString listCell(const ListedObject &row, int column, const LocaleNumbers &numbers)
{
    QString text;
    listColumnEntry(column).appendCell(text, row, numbers);
    return text;
}

std::vector<int> listOrder(const ObservingList &list)
{
    std::vector<int> order(list.rows.size());
    std::iota(order.begin(), order.end(), 0);
    return order;
}

std::vector<int> sortedRows(const ObservingList &list, int column, Qt::SortOrder order)
{
    std::vector<SortKey> keys;
    keys.reserve(list.rows.size());
    for (const ListedObject &row : list.rows)
        keys.push_back(listColumnEntry(column).sortKey(row));
    std::vector<int> rows = listOrder(list);
    if (order == Qt::AscendingOrder)
        std::stable_sort(rows.begin(), rows.end(), [&keys](int a, int b) { return keys[a] < keys[b]; });
    else
        std::stable_sort(rows.begin(), rows.end(), [&keys](int a, int b) { return keys[b] < keys[a]; });
    return rows;
}
