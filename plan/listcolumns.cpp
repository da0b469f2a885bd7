#include "plan/listcolumns.h"

#include "plan/coordinateformat.h"
#include "plan/localtime.h"
#include "sky/verdict.h"

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

// The optional columns' value where a row has none: not computed, not visible, nothing to judge.
const QString NoValue = QStringLiteral("-");

// A number of the row's seeing, if it has one.
using SeeingNumber = std::optional<double> (*)(const ListedObject &row);

std::optional<double> moonSeparation(const ListedObject &row)
{
    return row.seeing ? row.seeing->moonSeparationAtStartDeg : std::nullopt;
}

std::optional<double> surfaceBrightnessOf(const ListedObject &row)
{
    return row.seeing ? row.seeing->surfaceBrightness : std::nullopt;
}

const BestMoment *bestOf(const ListedObject &row)
{
    return row.seeing && row.seeing->best ? &*row.seeing->best : nullptr;
}

std::optional<double> reserveOf(const ListedObject &row)
{
    const BestMoment *best = bestOf(row);
    return best ? std::optional(best->seeing.reserve.logReserve) : std::nullopt;
}

std::optional<double> magnificationOf(const ListedObject &row)
{
    const BestMoment *best = bestOf(row);
    return best ? std::optional(best->seeing.reserve.magnification) : std::nullopt;
}

template <SeeingNumber number, int decimals>
void appendSeeingNumber(QString &text, const ListedObject &row, const LocaleNumbers &numbers)
{
    if (const auto value = number(row))
        numbers.appendFixed(text, *value, decimals);
    else
        text += NoValue;
}

// By the value shown; rows without one after every value.
template <SeeingNumber number, int decimals>
SortKey seeingNumberKey(const ListedObject &row)
{
    const auto value = number(row);
    if (!value)
        return SortKey::text(NoValue);
    const double scale = std::pow(10.0, decimals);
    return SortKey::number(std::round(*value * scale) / scale);
}

// The verdict's band, 0 for "not visible".
std::optional<double> reserveBandOf(const ListedObject &row)
{
    const auto reserve = reserveOf(row);
    if (!reserve)
        return std::nullopt;
    return double(&verdictBand(*reserve) - VerdictBands.data());
}

// By the instant, to the minute the clock shows: across a change of the clock in the night the
// wall times are not in time order.
std::optional<double> bestMinute(const ListedObject &row)
{
    const BestMoment *best = bestOf(row);
    return best ? std::optional(std::round(best->atDays * 1440.0)) : std::nullopt;
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
    {ListColumn::MoonSeparation, u"Moon  ", u"Moon", appendSeeingNumber<moonSeparation, 1>,
     seeingNumberKey<moonSeparation, 1>},
    {ListColumn::SurfaceBrightness, u"SB     ", u"SB", appendSeeingNumber<surfaceBrightnessOf, 2>,
     seeingNumberKey<surfaceBrightnessOf, 2>},
    {ListColumn::BestMoment, u"Best ", u"Best",
     [](QString &text, const ListedObject &row, const LocaleNumbers &) {
         text += bestOf(row) ? row.seeing->bestClockText : NoValue;
     },
     seeingNumberKey<bestMinute, 0>},
    {ListColumn::Reserve, u"Reserve", u"Reserve", appendSeeingNumber<reserveOf, 2>, seeingNumberKey<reserveOf, 2>},
    {ListColumn::Verdict, u"Verdict     ", u"Verdict",
     [](QString &text, const ListedObject &row, const LocaleNumbers &) {
         text += row.seeing ? row.seeing->verdict().value_or(NoValue) : NoValue;
     },
     // From the faintest verdict to the easiest, as the reserve orders them.
     seeingNumberKey<reserveBandOf, 0>},
    {ListColumn::Magnification, u"Magnification", u"Magnification",
     [](QString &text, const ListedObject &row, const LocaleNumbers &numbers) {
         const auto magnification = magnificationOf(row);
         text += magnification ? magnificationText(*magnification, numbers.locale()) : NoValue;
     },
     [](const ListedObject &row) {
         const auto magnification = magnificationOf(row);
         return magnification ? SortKey::number(*magnification) : SortKey::text(NoValue);
     }},
    {ListColumn::Observed, u"Observed  ", u"Observed",
     [](QString &text, const ListedObject &row, const LocaleNumbers &) {
         text += row.lastObserved.isValid() ? row.lastObserved.toString(Qt::ISODate) : NoValue;
     },
     [](const ListedObject &row) {
         return row.lastObserved.isValid() ? SortKey::number(double(row.lastObserved.toJulianDay()))
                                           : SortKey::text(NoValue);
     }},
}};

QList<ListColumn> listColumnsWith(const QList<ListColumn> &optionalColumns)
{
    QList<ListColumn> columns;
    for (const ListColumnEntry &entry : ListColumns) {
        if (!isOptionalColumn(entry.column) || optionalColumns.contains(entry.column))
            columns << entry.column;
    }
    return columns;
}

std::optional<ListColumn> listColumnNamed(QStringView name)
{
    for (const ListColumnEntry &entry : ListColumns) {
        if (name == QStringView(entry.textHeading))
            return entry.column;
    }
    return std::nullopt;
}

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
