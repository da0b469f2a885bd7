#include "sky/bestmoment.h"
#include "sky/nightevents.h"
#include "wholesky.h"

#include <benchmark/benchmark.h>

namespace {

// Magnitudes and sizes across the catalog's range.
std::vector<std::optional<ObjectLight>> catalogLights()
{
    std::vector<std::optional<ObjectLight>> lights;
    for (int i = 0; i < WholeSkyCatalogSize; ++i)
        lights.push_back(ObjectLight{6.0 + i % 10, 0.2 + i % 60, 0.1 + i % 25});
    return lights;
}

// Ten hours from 18:00 at Denver, astronomical darkness, a 15 degree minimum elevation; the night
// of a new Moon, or of a full Moon, up all night.
VisibilityQuery denverSession(const CalendarDate &date)
{
    const Site denver{39.74, -104.99};
    const double startDays = daysSinceJ2000(date, {18, 0, 0}, -7.0);
    const TimeSpan session{startDays, startDays + 10.0 / 24.0};
    return {denver.latDeg, denver.lonDeg, session, 15.0, nullptr, {},
            sunBelow(denver, session, AstronomicalTwilightAltitudeDeg)};
}

const CalendarDate NewMoon{2024, 1, 11};
const CalendarDate FullMoon{2024, 1, 25};

// A suburban-to-rural sky and an eight-inch telescope with four eyepieces.
const ObserverSky Sky{21.0, 0.20};
const Telescope EightInch{200.0, {40.0, 80.0, 120.0, 200.0}};

// The reserve at the best moment alone, the visibility given: argument 0 the new Moon, 1 the full.
void BM_CatalogBestMoments(benchmark::State &state)
{
    const std::vector<EquatorialPosition> objects = wholeSkyCatalog();
    const std::vector<std::optional<ObjectLight>> lights = catalogLights();
    const VisibilityQuery query = denverSession(state.range(0) ? FullMoon : NewMoon);
    const std::vector<Visibility> visibilities = catalogVisibility(objects, query);
    const SessionSeeing seeing(query, Sky, EightInch);
    for (auto _ : state)
        benchmark::DoNotOptimize(catalogBestMoments(objects, lights, visibilities, seeing));
    state.SetItemsProcessed(state.iterations() * WholeSkyCatalogSize);
}
BENCHMARK(BM_CatalogBestMoments)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();

// All of it from the session: the shared minutes, the visibility and the best moments.
void BM_SessionBestMoments(benchmark::State &state)
{
    const std::vector<EquatorialPosition> objects = wholeSkyCatalog();
    const std::vector<std::optional<ObjectLight>> lights = catalogLights();
    const VisibilityQuery query = denverSession(state.range(0) ? FullMoon : NewMoon);
    for (auto _ : state) {
        const SessionSeeing seeing(query, Sky, EightInch);
        benchmark::DoNotOptimize(catalogBestMoments(objects, lights, catalogVisibility(objects, query), seeing));
    }
    state.SetItemsProcessed(state.iterations() * WholeSkyCatalogSize);
}
BENCHMARK(BM_SessionBestMoments)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
