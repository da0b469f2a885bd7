#pragma once

#include "plan/catalog.h"
#include "plan/localenumbers.h"
#include "plan/sortkey.h"
#include "sky/bestmoment.h"

#include <QString>

#include <array>
#include <optional>

// The columns the Night window adds while the observer's sky and telescope are judged: at each
// object's best moment, its angle from the Moon, the sky at it, the contrast reserve, what the
// reserve means and the magnification that gives it; "-" for an object never visible or
// without a magnitude and size, and in Moon while the Moon is down.
struct SeeingColumnEntry {
    const char16_t *gridHeading;  // its trailing blanks widen the column
    const char16_t *textHeading;
    Qt::Alignment alignment;
    QString (*cell)(const BestMoment &best, const LocaleNumbers &numbers);
    SortKey (*sortKey)(const BestMoment &best);  // "-" sorts after every value
};

inline constexpr int SeeingColumnCount = 5;
extern const std::array<SeeingColumnEntry, SeeingColumnCount> SeeingColumns;

QString seeingCell(const std::optional<BestMoment> &best, const SeeingColumnEntry &entry, const LocaleNumbers &numbers);
SortKey seeingSortKey(const std::optional<BestMoment> &best, const SeeingColumnEntry &entry);

// What the catalog gives of an object's light: none without a numeric magnitude and size.
std::optional<ObjectLight> catalogObjectLight(const CatalogObject &object);
