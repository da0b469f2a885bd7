#pragma once

#include <QApplication>

#include <benchmark/benchmark.h>

// The benchmarks use widgets, so they run inside an application object.
inline int runBenchmarksInApplication(int argc, char **argv)
{
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
