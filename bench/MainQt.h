#pragma once

#include <QApplication>
#include <benchmark/benchmark.h>

// The main of a benchmark binary that measures windows: an offscreen Qt application
// around the benchmark runner.
inline int ejecutaBenchmarksQt(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
