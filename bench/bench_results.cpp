#include "benchmain.h"

#include "formats/catalogloader.h"
#include "plan/listcolumns.h"
#include "plan/observinglist.h"
#include "ui/results/resultsmodel.h"
#include "ui/results/resultsview.h"

#include <QLocale>

#include <benchmark/benchmark.h>

// The list on the screen at the shipped catalog's size and at the whole OpenNGC's: showing a new
// list (every cell formatted and measured for the column widths), in the list's own order and in
// an order the observer chose, and a click on a heading. A frame is 16 ms.

namespace {

constexpr int ShippedObjects = 501;
constexpr int WholeSkyObjects = 14000;

// The shipped catalog's objects repeated to objectCount, with identifiers of their own, every one
// of them listed where it stands at a sidereal time of 0 from latitude 43.
ObservingList everyObjectListed(int objectCount)
{
    const Result<Catalog> shipped = loadCatalogFile(QStringLiteral(NOCTURO_SOURCE_DIR "/data/Objects.csv"));
    if (!shipped.ok())
        return {};
    std::vector<CatalogObject> objects;
    for (int n = 0; n < objectCount; ++n) {
        CatalogObject object = shipped.value().objects()[std::size_t(n % ShippedObjects)];
        if (n >= ShippedObjects)
            object.identifier += QStringLiteral("-%1").arg(n / ShippedObjects);
        objects.push_back(std::move(object));
    }
    ObservingList list{{}, Catalog(std::move(objects)), {}};
    for (const CatalogObject &object : list.catalog.objects())
        list.rows.push_back({&object, placeObject(0.0, object.raDeg, object.decDeg, 43.0, 2.0)});
    return list;
}

struct ShownList {
    ResultsModel model;
    ResultsView view{&model};
    ObservingList list;

    explicit ShownList(int objectCount) : list(everyObjectListed(objectCount)) { view.resize(800, 600); }
};

void BM_ShowList(benchmark::State &state)
{
    ShownList shown(int(state.range(0)));
    for (auto _ : state)
        shown.model.showList(shown.list, listColumnsWith({}), QLocale::c());
    if (shown.model.rowCount() != state.range(0))
        state.SkipWithError("the catalog was not read");
}
BENCHMARK(BM_ShowList)->Arg(ShippedObjects)->Arg(WholeSkyObjects)->Unit(benchmark::kMillisecond);

void BM_ShowSortedList(benchmark::State &state)
{
    ShownList shown(int(state.range(0)));
    shown.model.sortByColumn(0);  // identifiers: the slowest keys
    for (auto _ : state)
        shown.model.showList(shown.list, listColumnsWith({}), QLocale::c());
}
BENCHMARK(BM_ShowSortedList)->Arg(ShippedObjects)->Arg(WholeSkyObjects)->Unit(benchmark::kMillisecond);

void BM_SortByHeading(benchmark::State &state)
{
    ShownList shown(int(state.range(0)));
    shown.model.showList(shown.list, listColumnsWith({}), QLocale::c());
    for (auto _ : state)
        shown.model.sortByColumn(4);  // altitude, ascending and descending in turn
}
BENCHMARK(BM_SortByHeading)->Arg(ShippedObjects)->Arg(WholeSkyObjects)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char **argv)
{
    return runBenchmarksInApplication(argc, argv);
}
