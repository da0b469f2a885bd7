#include "sky/nightevents.h"

#include <benchmark/benchmark.h>

// The Night window's work for one night, at an ordinary mid-latitude site.

namespace {

const Site Fredonia{36.95, -112.5167};
constexpr CalendarDate NightDate{2023, 3, 10};
constexpr double GmtDeviationHours = -7.0;
constexpr int CurvePoints = 300;

void BM_NightEvents(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(nightEvents(Fredonia, NightDate, GmtDeviationHours));
}
BENCHMARK(BM_NightEvents)->Unit(benchmark::kMicrosecond);

double sampleCurves(const NightSky &sky)
{
    const TimeSpan &night = sky.span();
    double altitudeSumDeg = 0.0;
    for (int point = 0; point < CurvePoints; ++point) {
        const double days = night.startDays + point * night.lengthDays() / (CurvePoints - 1);
        altitudeSumDeg += sky.sunAltAz(days).Alt + sky.moonAltAz(days).Alt;
    }
    return altitudeSumDeg;
}

// A redraw that builds the night's sky afresh.
void BM_NightCurvesWithSky(benchmark::State &state)
{
    const TimeSpan night = nightOf(NightDate, GmtDeviationHours);
    for (auto _ : state)
        benchmark::DoNotOptimize(sampleCurves(NightSky(Fredonia, night)));
}
BENCHMARK(BM_NightCurvesWithSky)->Unit(benchmark::kMicrosecond);

// A redraw from the sky kept for the night.
void BM_NightCurves(benchmark::State &state)
{
    const NightSky sky(Fredonia, nightOf(NightDate, GmtDeviationHours));
    for (auto _ : state)
        benchmark::DoNotOptimize(sampleCurves(sky));
}
BENCHMARK(BM_NightCurves)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
