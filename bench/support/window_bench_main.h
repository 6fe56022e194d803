#pragma once

// The main routine of a benchmark of windows: the offscreen platform unless another is asked
// for, one QApplication, whatever the benchmark sets up once the application exists, then the
// benchmarks named on the command line.

#include <QApplication>
#include <benchmark/benchmark.h>

namespace mirune::bench {

template <class SetUp> int runWindowBenchmarks(int argc, char **argv, SetUp setUp) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    setUp();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

} // namespace mirune::bench
