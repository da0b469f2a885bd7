#include "benchcatalog.h"
#include "benchmain.h"

#include "astro/listgeneration.h"
#include "catalog/catalogloader.h"
#include "ui/grid/flexgrid.h"
#include "ui/main/resultsgridlist.h"

#include <QApplication>
#include <QLocale>

#include <benchmark/benchmark.h>

namespace {

struct LoadedCatalog {
    ObjectCatalog catalog;

    LoadedCatalog() { loadCatalogLines(splitLines(everyObjectListableCatalog()), catalog); }
    std::span<CatalogObject> objects() { return catalog.loaded(); }
};

// Positions and filters for every object: no formatting, no grid.
void BM_ComputationOnly(benchmark::State &state)
{
    LoadedCatalog catalog;
    const SessionInputs inputs = readSessionInputs(everythingListedSession(), QLocale::c()).inputs;
    for (auto _ : state) {
        const double siderealDeg =
            getSiderealTime(inputs.date, inputs.startTime, inputs.gmtDeviationHours, inputs.lonDeg);
        int listed = 0;
        for (CatalogObject &object : catalog.objects()) {
            const ObjectPlacement placement =
                placeObject(siderealDeg, object.RA, object.Dec, inputs.latDeg, inputs.sessionLengthHours);
            listed += passesFilters(object, placement, inputs) ? 1 : 0;
        }
        benchmark::DoNotOptimize(listed);
    }
    state.SetItemsProcessed(state.iterations() * catalog.objects().size());
}
BENCHMARK(BM_ComputationOnly)->Unit(benchmark::kMicrosecond);

// One whole regeneration with all 501 objects listed: inputs read, positions, filters,
// row texts and the grid filled.
void BM_FullRegeneration(benchmark::State &state)
{
    LoadedCatalog catalog;
    FlexGrid grid;
    grid.resize(609, 513);
    grid.show();
    const SessionParameters parameters = everythingListedSession();
    const QLocale locale = QLocale::c();
    ResultsGridList list(grid);
    for (auto _ : state) {
        const FlexGrid::UpdateBatch batch(grid);
        const ListOutcome outcome = generateList(parameters, catalog.objects(), list, locale);
        if (outcome.ResultCount != 501)
            state.SkipWithError("not every object was listed");
    }
}
BENCHMARK(BM_FullRegeneration)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char **argv)
{
    return runBenchmarksInApplication(argc, argv);
}
