#include "sky/siderealtime.h"
#include "sky/visibility.h"
#include "wholesky.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <numbers>

namespace {

// Rolling hills between 0 and 30 degrees, one point a degree, with a wall every 36 degrees.
HorizonProfile hillyProfile()
{
    const auto hillDeg = [](double azDeg) {
        const double az = azDeg * std::numbers::pi / 180.0;
        return 15.0 + 10.0 * std::sin(2.0 * az) + 5.0 * std::sin(7.0 * az);
    };
    std::vector<HorizonPoint> points;
    for (int az = 0; az < 360; ++az) {
        if (az % 36 == 18)
            points.push_back({az - 1.0, 30.0 - hillDeg(az - 1.0)});
        else
            points.push_back({double(az), hillDeg(az)});
    }
    return HorizonProfile(std::move(points));
}

// A twelve-hour winter session at 45 degrees north with eight dark hours inside it.
VisibilityQuery winterSession(const HorizonProfile &profile)
{
    VisibilityQuery query;
    query.latDeg = 45.0;
    query.lonDeg = 10.0;
    const double startDays = daysSinceJ2000({2024, 1, 15}, {17, 0, 0}, 1.0);
    query.session = {startDays, startDays + 12.0 / 24.0};
    query.darkSpans = {{startDays + 2.0 / 24.0, startDays + 10.0 / 24.0}};
    query.profile = &profile;
    return query;
}

void BM_CatalogVisibility(benchmark::State &state)
{
    const std::vector<EquatorialPosition> objects = wholeSkyCatalog();
    const HorizonProfile profile = hillyProfile();
    const VisibilityQuery query = winterSession(profile);
    for (auto _ : state)
        benchmark::DoNotOptimize(catalogVisibility(objects, query));
    state.SetItemsProcessed(state.iterations() * WholeSkyCatalogSize);
}
BENCHMARK(BM_CatalogVisibility)->Unit(benchmark::kMillisecond)->UseRealTime();

// The same on one core, for the cost of one object.
void BM_CatalogOneByOne(benchmark::State &state)
{
    const std::vector<EquatorialPosition> objects = wholeSkyCatalog();
    const HorizonProfile profile = hillyProfile();
    const VisibilityQuery query = winterSession(profile);
    for (auto _ : state) {
        for (const EquatorialPosition &object : objects)
            benchmark::DoNotOptimize(objectVisibility(object, query));
    }
    state.SetItemsProcessed(state.iterations() * WholeSkyCatalogSize);
}
BENCHMARK(BM_CatalogOneByOne)->Unit(benchmark::kMillisecond);

void BM_ProfileAltitude(benchmark::State &state)
{
    const HorizonProfile profile = hillyProfile();
    constexpr int Lookups = 3600;
    for (auto _ : state) {
        for (int i = 0; i < Lookups; ++i)
            benchmark::DoNotOptimize(profile.altitudeDeg(i * 0.1));
    }
    state.SetItemsProcessed(state.iterations() * Lookups);
}
BENCHMARK(BM_ProfileAltitude)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
