#pragma once

#include "plan/catalog.h"
#include "sky/bestmoment.h"

#include <QDateTime>
#include <QLocale>
#include <QString>

#include <optional>

// What the observer will see of one listed object in the session: its surface brightness, the
// Moon beside it at the start, and its best moment with the sky, reserve and magnification then.
struct ObjectSeeing {
    std::optional<double> surfaceBrightness;         // none: no numeric magnitude or size
    std::optional<double> moonSeparationAtStartDeg;  // none: the Moon is down at the start
    std::optional<BestMoment> best;                  // none: never visible, or nothing to judge
    QString bestClockText;                           // the best moment on the observer's clock, "21:45"

    // The verdict's word at the best moment; none without one.
    std::optional<QString> verdict() const;
};

// The object's light from the catalog's magnitude and axes, a missing minor axis as the major.
std::optional<ObjectLight> objectLightOf(const CatalogObject &object);

// A magnification as the observer gives it: "120", "12.5" (in the locale's form), no groups.
QString magnificationText(double magnification, const QLocale &locale);
