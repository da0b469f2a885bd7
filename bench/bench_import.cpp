#include "benchcatalog.h"

#include "formats/catalogloader.h"
#include "formats/observinglistfile.h"
#include "plan/observingplan.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

// An observing list of 10,000 lines imported against the whole sky's catalog: the file read and
// split into entries, the catalog's names indexed once, and every entry looked up.

namespace {

constexpr int ListLines = 10000;

Catalog wholeSkyCatalog()
{
    Result<Catalog> loaded = loadCatalogLines(splitLines(everyObjectListableCatalog(WholeSkyObjects)));
    return loaded.ok() ? loaded.value() : Catalog();
}

// The catalog's identifiers as observers type them: squeezed, in lower case, with a leading
// zero, as Messier numbers, and one line in ten a name the catalog does not know.
QString typedList(const Catalog &catalog)
{
    QStringList lines;
    for (int n = 0; n < ListLines; ++n) {
        const QString identifier = catalog.objects()[n % catalog.size()].identifier;
        switch (n % 5) {
        case 0: lines << identifier; break;
        case 1: lines << identifier.toLower().remove(u' '); break;
        case 2: lines << QString(identifier).replace(u' ', QStringLiteral(" 0")); break;
        case 3: lines << QStringLiteral("Messier %1").arg(1 + n % 110); break;
        default: lines << (n % 10 == 4 ? QStringLiteral("Unknown %1").arg(n) : identifier.toUpper()); break;
        }
    }
    return joinLinesCrLf(lines);
}

void BM_ImportList(benchmark::State &state)
{
    const Catalog catalog = wholeSkyCatalog();
    const QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("list.txt"));
    if (catalog.size() != WholeSkyObjects || writeTextFile(path, typedList(catalog)))
        state.SkipWithError("the list could not be made");
    for (auto _ : state) {
        const Result<ImportedList> list = readObservingListFile(path);
        const ObservingPlan plan = planFromList(list.value(), ObjectNameIndex(catalog));
        benchmark::DoNotOptimize(plan.entries.size());
    }
}
BENCHMARK(BM_ImportList)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
