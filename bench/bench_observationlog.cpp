#include "formats/observationlog.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

// The observing log at the size of a long observing life: the last date of every object observed
// out of 10,000 observations, which the list's "Observed" column reads, and one observation kept,
// its commit waiting for the disk.

namespace {

constexpr int LoggedObservations = 10000;
constexpr int ObservedObjects = 3000;

// Observations over ten years, from places an hour and a half apart in their offsets, one in
// three looked for in vain.
QList<Observation> longLog()
{
    QList<Observation> observations;
    for (int n = 0; n < LoggedObservations; ++n) {
        Observation observation;
        observation.objectIdentifier = QStringLiteral("NGC %1").arg(n * 7 % ObservedObjects);
        observation.localTime = QDateTime(QDate(2015, 1, 1).addDays(n * 3650 / LoggedObservations), QTime(21, 0),
                                          Qt::OffsetFromUTC, (n % 4 - 1) * 1800);
        observation.latDeg = 45.2;
        observation.lonDeg = 6.1;
        observation.apertureMm = 254;
        observation.verdict = ObservationVerdicts[n % 3].verdict;
        observations << observation;
    }
    return observations;
}

void BM_LastObservedDates(benchmark::State &state)
{
    const QTemporaryDir folder;
    Result<std::unique_ptr<ObservationLog>> log = ObservationLog::open(folder.filePath(ObservationLogFile));
    if (!log.ok() || !log.value()->add(longLog()).ok())
        state.SkipWithError("the log could not be made");
    for (auto _ : state)
        benchmark::DoNotOptimize(log.value()->lastObservedDates().value().size());
}
BENCHMARK(BM_LastObservedDates)->Unit(benchmark::kMillisecond);

void BM_AddOne(benchmark::State &state)
{
    const QTemporaryDir folder;
    Result<std::unique_ptr<ObservationLog>> log = ObservationLog::open(folder.filePath(ObservationLogFile));
    if (!log.ok())
        state.SkipWithError("the log could not be made");
    const QList<Observation> one = longLog().mid(0, 1);
    for (auto _ : state)
        benchmark::DoNotOptimize(log.value()->add(one).ok());
}
BENCHMARK(BM_AddOne)->Unit(benchmark::kMillisecond);

}  // namespace

// Qt loads its SQLite driver as a plugin, which needs an application object.
int main(int argc, char **argv)
{
    QCoreApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
