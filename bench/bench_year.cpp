#include "formats/catalogloader.h"
#include "plan/yearplan.h"

#include <benchmark/benchmark.h>

// A year planned at a mid-latitude site: the year's Sun and Moon, one object's nights on them
// (also through a telescope, with the Moon's light), and the best night of every object of the
// whole OpenNGC.

namespace {

YearQuery fredoniaYear(bool keepsMoonlight = false)
{
    return {{36.95, -112.5167}, 2024, [](const CalendarDate &) { return -7.0; }, DefaultDarkness, 20.0, nullptr, {},
            keepsMoonlight};
}

const EquatorialPosition Andromeda{10.6847, 41.2688};
const ObjectLight AndromedaLight{3.4, 190.0, 60.0};

// A suburban-to-rural sky and an eight-inch telescope with four eyepieces.
const ObserverSky Sky{21.0, 0.20};
const Telescope EightInch{200.0, {40.0, 80.0, 120.0, 200.0}};

void BM_YearSky(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(YearSky(fredoniaYear()));
}
BENCHMARK(BM_YearSky)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_YearSkyWithMoonlight(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(YearSky(fredoniaYear(true)));
}
BENCHMARK(BM_YearSkyWithMoonlight)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_ObjectYear(benchmark::State &state)
{
    const YearSky sky(fredoniaYear());
    for (auto _ : state)
        benchmark::DoNotOptimize(objectYear(Andromeda, sky));
}
BENCHMARK(BM_ObjectYear)->Unit(benchmark::kMicrosecond);

// Argument 0: Andromeda itself; 1: a faint galaxy at its place, which shows for only part of the
// dark (NGC 3184's light).
void BM_ObjectYearInTelescope(benchmark::State &state)
{
    const YearSky sky(fredoniaYear(true));
    const ObjectLight light = state.range(0) ? ObjectLight{9.8, 7.4, 6.9} : AndromedaLight;
    for (auto _ : state)
        benchmark::DoNotOptimize(objectYear(YearSeeing(Andromeda, light, Sky, EightInch, sky)));
}
BENCHMARK(BM_ObjectYearInTelescope)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_OpenNgcBestNights(benchmark::State &state)
{
    const Catalog catalog = loadCatalogFile(QStringLiteral(NOCTURO_SOURCE_DIR "/data/OpenNGC.csv")).value();
    std::vector<const CatalogObject *> objects;
    for (const CatalogObject &object : catalog.objects())
        objects.push_back(&object);
    const YearSky sky(fredoniaYear());
    for (auto _ : state)
        benchmark::DoNotOptimize(listedBestNights(objects, sky));
    state.SetItemsProcessed(state.iterations() * int64_t(objects.size()));
}
BENCHMARK(BM_OpenNgcBestNights)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
