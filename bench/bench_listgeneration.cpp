#include "benchcatalog.h"
#include "benchmain.h"

#include "plan/listgeneration.h"
#include "sky/vectorstate.h"
#include "formats/catalogloader.h"
#include "sky/horizonprofile.h"
#include "ui/grid/flexgrid.h"
#include "ui/main/resultsgridlist.h"

#include <QLocale>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cmath>

// The list itself, at the shipped catalog's size and at the whole OpenNGC's: reading the file,
// the positions and filters, a whole regeneration into the grid, and a sort of the grid.

namespace {

struct LoadedCatalog {
    ObjectCatalog catalog;

    explicit LoadedCatalog(int objectCount) { loadCatalogLines(splitLines(everyObjectListableCatalog(objectCount)), catalog); }
    std::span<CatalogObject> objects() { return catalog.loaded(); }
};

// A profile of the kind observers draw: a degree apart, low hills and a few steep roofs. Sunk to
// the nadir, the same profile hides nothing, so that the list with it has as many rows to write
// as the list without one.
HorizonProfile gardenProfile(bool sunk)
{
    std::vector<HorizonPoint> points;
    for (int azDeg = 0; azDeg < 360; ++azDeg) {
        const double altDeg = 8.0 + 6.0 * std::sin(azDeg / 17.0) + (azDeg % 45 < 5 ? 20.0 : 0.0);
        points.push_back({double(azDeg), sunk ? altDeg / 100.0 - 90.0 : altDeg});
    }
    return HorizonProfile(points);
}

void BM_LoadCatalogFile(benchmark::State &state)
{
    const QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("catalog.csv"));
    writeTextFile(path, everyObjectListableCatalog(int(state.range(0))));
    ObjectCatalog catalog;
    for (auto _ : state) {
        if (!loadCatalogFile(path, catalog).ok())
            state.SkipWithError("the catalog did not load");
    }
}
BENCHMARK(BM_LoadCatalogFile)->Arg(ShippedObjects)->Arg(WholeSkyObjects)->Unit(benchmark::kMillisecond);

// Positions and filters for every object: no formatting, no grid.
void BM_ComputationOnly(benchmark::State &state)
{
    LoadedCatalog catalog(int(state.range(0)));
    const SessionInputs inputs = readSessionInputs(everythingListedSession(), QLocale::c()).inputs;
    for (auto _ : state) {
        const double siderealDeg = getSiderealTime(inputs.date, inputs.startTime, inputs.gmtDeviationHours, inputs.lonDeg);
        int listed = 0;
        for (CatalogObject &object : catalog.objects()) {
            clearUpperVectorState();  // as the list does
            const ObjectPlacement placement =
                placeObject(siderealDeg, object.RA, object.Dec, inputs.latDeg, inputs.sessionLengthHours);
            listed += passesFilters(object, placement, inputs) ? 1 : 0;
        }
        benchmark::DoNotOptimize(listed);
    }
}
BENCHMARK(BM_ComputationOnly)->Arg(ShippedObjects)->Arg(WholeSkyObjects)->Unit(benchmark::kMicrosecond);

// One whole regeneration with every object listed: inputs read, positions, filters, row texts
// and the grid filled. The second argument: 0 no horizon profile, 1 the garden's, which hides
// part of the sky, 2 the garden's sunk to the nadir, which hides nothing.
void BM_FullRegeneration(benchmark::State &state)
{
    LoadedCatalog catalog(int(state.range(0)));
    const HorizonProfile profile = gardenProfile(state.range(1) == 2);
    SessionParameters parameters = everythingListedSession();
    FlexGrid grid;
    grid.resize(609, 513);
    grid.show();
    ResultsGridList list(grid);
    for (auto _ : state) {
        const FlexGrid::UpdateBatch batch(grid);
        const ListOutcome outcome = generateList(parameters, catalog.objects(), list, QLocale::c(),
                                                 state.range(1) ? &profile : nullptr);
        benchmark::DoNotOptimize(outcome.ResultCount);
    }
}
BENCHMARK(BM_FullRegeneration)
    ->Args({ShippedObjects, 0})->Args({WholeSkyObjects, 0})->Args({WholeSkyObjects, 1})->Args({WholeSkyObjects, 2})
    ->Unit(benchmark::kMillisecond);

// A click on a heading of the full list: the identifiers (texts read naturally), the altitudes
// (numbers) and the right ascensions (hours and minutes), each sorted afresh.
void BM_SortColumn(benchmark::State &state)
{
    LoadedCatalog catalog(int(state.range(0)));
    FlexGrid grid;
    grid.resize(609, 513);
    grid.show();
    ResultsGridList list(grid);
    const ListOutcome outcome = generateList(everythingListedSession(), catalog.objects(), list, QLocale::c());
    if (outcome.ResultCount != int(state.range(0)))
        state.SkipWithError("not every object was listed");
    int order = FlexGrid::SortGenericAscending;
    for (auto _ : state) {
        order = 3 - order;  // never the order the rows already have
        grid.setCol(int(state.range(1)));
        grid.setRow(0);
        grid.setRowSel(0);
        grid.setSort(order);
    }
}
BENCHMARK(BM_SortColumn)
    ->ArgsProduct({{ShippedObjects, WholeSkyObjects}, {0, 4, 6}})
    ->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char **argv)
{
    return runBenchmarksInApplication(argc, argv);
}
