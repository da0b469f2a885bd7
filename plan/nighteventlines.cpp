#include "plan/nighteventlines.h"

#include "plan/localtime.h"

#include <optional>
#include <utility>

namespace {


QString eventText(const std::optional<double> &atDays, double gmtDeviationHours)
{
    return atDays ? localTimeText(*atDays, gmtDeviationHours, DateAndClockFormat) : QStringLiteral("none");
}

void appendEach(QStringList &lines, const char *name, const std::vector<double> &instants, double gmtDeviationHours)
{
    if (instants.empty())
        lines << QLatin1String(name) + QStringLiteral("\tnone");
    for (const double atDays : instants)
        lines << QLatin1String(name) + u'\t' + eventText(atDays, gmtDeviationHours);
}

}  // namespace

QStringList nightEventLines(const NightEvents &events, double gmtDeviationHours)
{
    const std::pair<const char *, const std::optional<double> *> sunEvents[] = {
        {"sunset", &events.sunset},
        {"civil dusk", &events.civilDusk},
        {"nautical dusk", &events.nauticalDusk},
        {"astronomical dusk", &events.astronomicalDusk},
        {"astronomical dawn", &events.astronomicalDawn},
        {"nautical dawn", &events.nauticalDawn},
        {"civil dawn", &events.civilDawn},
        {"sunrise", &events.sunrise},
    };
    QStringList lines;
    for (const auto &[name, atDays] : sunEvents)
        lines << QLatin1String(name) + u'\t' + eventText(*atDays, gmtDeviationHours);
    appendEach(lines, "moonrise", events.moonrises, gmtDeviationHours);
    appendEach(lines, "moonset", events.moonsets, gmtDeviationHours);
    lines << QStringLiteral("moon illumination\t%1").arg(events.moonIlluminationPercent);
    return lines;
}
