#include "plan/nighteventlines.h"

#include "plan/localtime.h"

#include <algorithm>
#include <optional>
#include <vector>

namespace {

struct NamedEvent {
    QLatin1String name;
    std::optional<double> atDays;  // none: it does not happen this night
};

// A moon event that does not happen this night is one "none" line.
void appendEach(std::vector<NamedEvent> &named, QLatin1String name, const std::vector<double> &instants)
{
    if (instants.empty())
        named.push_back({name, std::nullopt});
    for (const double atDays : instants)
        named.push_back({name, atDays});
}

std::vector<NamedEvent> inFixedOrder(const NightEvents &events)
{
    std::vector<NamedEvent> named = {
        {QLatin1String("sunset"), events.sunset},
        {QLatin1String("civil dusk"), events.civilDusk},
        {QLatin1String("nautical dusk"), events.nauticalDusk},
        {QLatin1String("astronomical dusk"), events.astronomicalDusk},
        {QLatin1String("astronomical dawn"), events.astronomicalDawn},
        {QLatin1String("nautical dawn"), events.nauticalDawn},
        {QLatin1String("civil dawn"), events.civilDawn},
        {QLatin1String("sunrise"), events.sunrise},
    };
    appendEach(named, QLatin1String("moonrise"), events.moonrises);
    appendEach(named, QLatin1String("moonset"), events.moonsets);
    return named;
}

bool happensEarlier(const NamedEvent &first, const NamedEvent &second)
{
    if (!first.atDays || !second.atDays)
        return first.atDays.has_value() && !second.atDays.has_value();
    return *first.atDays < *second.atDays;
}

}  // namespace

QStringList nightEventLines(const NightEvents &events, const LocalClock &clock, EventOrder order)
{
    std::vector<NamedEvent> named = inFixedOrder(events);
    if (order == EventOrder::Time)
        std::ranges::stable_sort(named, happensEarlier);
    QStringList lines;
    for (const NamedEvent &event : named)
        lines << event.name + u'\t'
                     + (event.atDays ? clock.text(*event.atDays, DateAndClockFormat)
                                     : QStringLiteral("none"));
    lines << QStringLiteral("moon illumination\t%1").arg(events.moonIlluminationPercent);
    return lines;
}
