#include "benchcatalog.h"

#include "formats/catalogloader.h"
#include "formats/resultstext.h"
#include "plan/listcolumns.h"
#include "plan/planner.h"
#include "plan/session.h"
#include "sky/horizonprofile.h"
#include "sky/vectorstate.h"

#include <QLocale>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cmath>

// The list itself, at the shipped catalog's size and at the whole OpenNGC's: reading the file,
// the positions and filters, a whole list made from the session's texts, its results text, a
// column sorted, and the planner's list with what the telescope shows.

namespace {

Catalog loadedCatalog(int objectCount)
{
    Result<Catalog> loaded = loadCatalogLines(splitLines(everyObjectListableCatalog(objectCount)));
    return loaded.ok() ? loaded.value() : Catalog();
}

Session everythingListed()
{
    return readSession(everythingListedSession(), QLocale::c()).value();
}

// A profile of the kind observers draw: a degree apart, low hills and a few steep roofs. Sunk to
// the nadir, the same profile hides nothing, so that the list with it has as many rows as the
// list without one.
HorizonProfile gardenProfile(bool sunk)
{
    std::vector<HorizonPoint> points;
    for (int azDeg = 0; azDeg < 360; ++azDeg) {
        const double altDeg = 8.0 + 6.0 * std::sin(azDeg / 17.0) + (azDeg % 45 < 5 ? 20.0 : 0.0);
        points.push_back({double(azDeg), sunk ? altDeg / 100.0 - 90.0 : altDeg});
    }
    return HorizonProfile(points);
}

void checkEverythingListed(benchmark::State &state, const ObservingList &list)
{
    if (list.size() != int(state.range(0)))
        state.SkipWithError("not every object was listed");
}

void BM_LoadCatalogFile(benchmark::State &state)
{
    const QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("catalog.csv"));
    writeTextFile(path, everyObjectListableCatalog(int(state.range(0))));
    for (auto _ : state) {
        if (!loadCatalogFile(path).ok())
            state.SkipWithError("the catalog did not load");
    }
}
BENCHMARK(BM_LoadCatalogFile)->Arg(ShippedObjects)->Arg(WholeSkyObjects)->Unit(benchmark::kMillisecond);

// Positions and filters for every object: nothing kept, no text.
void BM_ComputationOnly(benchmark::State &state)
{
    const Catalog catalog = loadedCatalog(int(state.range(0)));
    const Session session = everythingListed();
    for (auto _ : state) {
        const double siderealDeg = getSiderealTime(session.date, session.startTime, session.gmtDeviationHours, session.lonDeg);
        int listed = 0;
        for (const CatalogObject &object : catalog.objects()) {
            clearUpperVectorState();  // as the list does
            const ObjectPlacement placement =
                placeObject(siderealDeg, object.raDeg, object.decDeg, session.latDeg, session.sessionLengthHours);
            listed += passesFilters(object, placement, session, nullptr) ? 1 : 0;
        }
        benchmark::DoNotOptimize(listed);
    }
}
BENCHMARK(BM_ComputationOnly)->Arg(ShippedObjects)->Arg(WholeSkyObjects)->Unit(benchmark::kMicrosecond);

// One whole list with every object listed: the texts read, the positions and the filters. The
// second argument: 0 no horizon profile, 1 the garden's, which hides part of the sky, 2 the
// garden's sunk to the nadir, which hides nothing.
void BM_GenerateList(benchmark::State &state)
{
    const Catalog catalog = loadedCatalog(int(state.range(0)));
    const HorizonProfile profile = gardenProfile(state.range(1) == 2);
    const SessionTexts texts = everythingListedSession();
    for (auto _ : state) {
        const Result<Session> session = readSession(texts, QLocale::c());
        const ObservingList list = generateList(session.value(), catalog, state.range(1) ? &profile : nullptr);
        benchmark::DoNotOptimize(list.rows.data());
    }
}
BENCHMARK(BM_GenerateList)
    ->Args({ShippedObjects, 0})->Args({WholeSkyObjects, 0})->Args({WholeSkyObjects, 1})->Args({WholeSkyObjects, 2})
    ->Unit(benchmark::kMillisecond);

// The planner making the list again for a 10-hour session with every object listed: as always
// (0), with the six columns of what the telescope shows (1), with "Visible any time in the
// session" (2), with the columns for a start a minute later or earlier each time, so that
// nothing worked out for the last list serves (3), and with an observing log that has 10,000 of
// the objects observed, shown in the "Observed" column and hidden (4).
void BM_PlannerRegeneration(benchmark::State &state)
{
    Planner planner(QLocale::c());
    planner.setCatalog(loadedCatalog(int(state.range(0))));
    SessionTexts texts = everythingListedSession();
    texts[SessionField::SessionLength] = QStringLiteral("10");
    texts.visibleAnyTime = state.range(1) == 2;
    planner.setSessionTexts(texts);
    if (state.range(1) == 1 || state.range(1) == 3)
        planner.setShownOptionalColumns({ListColumn::MoonSeparation, ListColumn::SurfaceBrightness,
                                         ListColumn::BestMoment, ListColumn::Reserve, ListColumn::Verdict,
                                         ListColumn::Magnification});
    if (state.range(1) == 4) {
        QHash<QString, QDate> lastObserved;
        for (const CatalogObject &object : planner.catalog().objects().first(10'000))
            lastObserved.insert(object.identifier, QDate(2026, 12, 7));
        planner.setObservedDates(lastObserved);
        planner.setShownOptionalColumns({ListColumn::Observed});
        planner.setHideObserved(true);
    }
    bool later = false;
    for (auto _ : state) {
        if (state.range(1) == 3) {
            later = !later;
            texts[SessionField::StartTime] = later ? QStringLiteral("21:31:0") : QStringLiteral("21:30:0");
            planner.setSessionTexts(texts);
        } else {
            planner.generateList();
        }
    }
    state.counters["listed"] = double(planner.list().size());
}
BENCHMARK(BM_PlannerRegeneration)
    ->Args({WholeSkyObjects, 0})->Args({WholeSkyObjects, 1})->Args({WholeSkyObjects, 2})->Args({WholeSkyObjects, 3})
    ->Args({WholeSkyObjects, 4})->Unit(benchmark::kMillisecond);

// The whole list as Copy and Save write it.
void BM_ResultsText(benchmark::State &state)
{
    const ObservingList list = generateList(everythingListed(), loadedCatalog(int(state.range(0))), nullptr);
    checkEverythingListed(state, list);
    const LocaleNumbers numbers{QLocale::c()};
    const std::vector<int> order = listOrder(list);
    for (auto _ : state)
        benchmark::DoNotOptimize(resultsText(list, order, numbers).size());
}
BENCHMARK(BM_ResultsText)->Arg(ShippedObjects)->Arg(WholeSkyObjects)->Unit(benchmark::kMillisecond);

// A click on a heading of the full list: the identifiers (texts read naturally), the altitudes
// (numbers) and the right ascensions (hours and minutes), each sorted afresh.
void BM_SortedRows(benchmark::State &state)
{
    const ObservingList list = generateList(everythingListed(), loadedCatalog(int(state.range(0))), nullptr);
    checkEverythingListed(state, list);
    Qt::SortOrder order = Qt::AscendingOrder;
    for (auto _ : state) {
        order = order == Qt::AscendingOrder ? Qt::DescendingOrder : Qt::AscendingOrder;
        benchmark::DoNotOptimize(sortedRows(list, int(state.range(1)), order).data());
    }
}
BENCHMARK(BM_SortedRows)
    ->ArgsProduct({{ShippedObjects, WholeSkyObjects}, {int(ListColumn::Identifier), int(ListColumn::Altitude),
                                                       int(ListColumn::RightAscension)}})
    ->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
