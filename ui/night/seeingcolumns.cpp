#include "ui/night/seeingcolumns.h"

#include "plan/fieldnumber.h"
#include "plan/objectseeing.h"
#include "sky/verdict.h"

#include <cmath>

namespace {

const QString Never = QStringLiteral("-");

// Keys by the value shown, so that rows that read the same keep their order.
SortKey roundedKey(double value, int decimals)
{
    const double scale = std::pow(10.0, decimals);
    return SortKey::number(std::round(value * scale) / scale);
}

}  // namespace

const std::array<SeeingColumnEntry, SeeingColumnCount> SeeingColumns = {{
    {u"Moon ", u"Moon", Qt::AlignRight,
     [](const BestMoment &best, const LocaleNumbers &numbers) {
         return best.moonSeparationDeg ? numbers.fixed(*best.moonSeparationDeg, 1) : Never;
     },
     [](const BestMoment &best) {
         return best.moonSeparationDeg ? roundedKey(*best.moonSeparationDeg, 1) : SortKey::text(Never);
     }},
    {u"Sky  ", u"Sky", Qt::AlignRight,
     [](const BestMoment &best, const LocaleNumbers &numbers) { return numbers.fixed(best.seeing.skyMagPerArcsec2, 2); },
     [](const BestMoment &best) { return roundedKey(best.seeing.skyMagPerArcsec2, 2); }},
    {u"Reserve", u"Reserve", Qt::AlignRight,
     [](const BestMoment &best, const LocaleNumbers &numbers) { return numbers.fixed(best.seeing.reserve.logReserve, 2); },
     [](const BestMoment &best) { return roundedKey(best.seeing.reserve.logReserve, 2); }},
    {u"Verdict    ", u"Verdict", Qt::AlignLeft,
     [](const BestMoment &best, const LocaleNumbers &) {
         const std::string_view word = verdict(best.seeing.reserve.logReserve);
         return QString::fromLatin1(word.data(), qsizetype(word.size()));
     },
     // From the faintest band to the easiest, as the reserve orders them.
     [](const BestMoment &best) {
         const VerdictBand &band = verdictBand(best.seeing.reserve.logReserve);
         return SortKey::number(double(&band - VerdictBands.data()));
     }},
    {u"Magnification", u"Magnification", Qt::AlignRight,
     [](const BestMoment &best, const LocaleNumbers &numbers) {
         return magnificationText(best.seeing.reserve.magnification, numbers.locale());
     },
     [](const BestMoment &best) { return SortKey::number(best.seeing.reserve.magnification); }},
}};

QString seeingCell(const std::optional<BestMoment> &best, const SeeingColumnEntry &entry, const LocaleNumbers &numbers)
{
    return best ? entry.cell(*best, numbers) : Never;
}

SortKey seeingSortKey(const std::optional<BestMoment> &best, const SeeingColumnEntry &entry)
{
    return best ? entry.sortKey(*best) : SortKey::text(Never);
}

std::optional<ObjectLight> catalogObjectLight(const CatalogObject &object)
{
    return objectLight(object.magnitude, object.sizeArcmin, readPlainNumber(object.minorSizeText));
}
