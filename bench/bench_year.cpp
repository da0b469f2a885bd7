#include "formats/catalogloader.h"
#include "plan/yearplan.h"

#include <benchmark/benchmark.h>

// A year planned at a mid-latitude site: the year's Sun and Moon, one object's nights on them,
// and the best night of every object of the whole OpenNGC.

namespace {

YearQuery fredoniaYear()
{
    return {{36.95, -112.5167}, 2024, [](const CalendarDate &) { return -7.0; }, DefaultDarkness, 20.0, nullptr, {}};
}

const EquatorialPosition Andromeda{10.6847, 41.2688};

void BM_YearSky(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(YearSky(fredoniaYear()));
}
BENCHMARK(BM_YearSky)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_ObjectYear(benchmark::State &state)
{
    const YearSky sky(fredoniaYear());
    for (auto _ : state)
        benchmark::DoNotOptimize(objectYear(Andromeda, sky));
}
BENCHMARK(BM_ObjectYear)->Unit(benchmark::kMicrosecond);

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
