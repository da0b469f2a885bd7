#include "benchcatalog.h"

#include "formats/catalogloader.h"
#include "formats/listexport.h"
#include "plan/listcolumns.h"
#include "plan/session.h"

#include <QLocale>

#include <benchmark/benchmark.h>

// The list exported for another program at the whole OpenNGC's size, every object listed, in the
// order of a sorted column and, for the spreadsheet, with every optional column too. The goal is
// 200 ms a format.

namespace {

struct ListedSky {
    Catalog catalog;
    ObservingList list;

    ListedSky()
        : catalog(loadCatalogLines(splitLines(everyObjectListableCatalog(WholeSkyObjects))).value())
        , list(generateList(readSession(everythingListedSession(), QLocale::c()).value(), catalog, nullptr))
    {
    }
};

void BM_ExportList(benchmark::State &state)
{
    static const ListedSky sky;
    const auto format = ExportFormat(state.range(0));
    const QList<ListColumn> columns = listColumnsWith({ListColumn::MoonSeparation, ListColumn::Reserve});
    const ListExport exported{sky.list, sortedRows(sky.list, int(ListColumn::Magnitude), Qt::AscendingOrder), columns,
                              defaultListName(sky.list.session), QDateTime::currentDateTime()};
    for (auto _ : state)
        benchmark::DoNotOptimize(exportedList(format, exported).size());
    if (sky.list.size() != WholeSkyObjects)
        state.SkipWithError("not every object was listed");
    state.SetLabel(QString::fromUtf16(exportFormatEntry(format).name).toStdString());
}
BENCHMARK(BM_ExportList)->DenseRange(0, int(ExportFormats.size()) - 1)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
