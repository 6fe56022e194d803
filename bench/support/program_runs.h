#pragma once

// Runs a program once per benchmark iteration, as a script would, its output thrown away: the
// command-line benchmarks time whole processes from start to exit.

#include <QCoreApplication>
#include <QProcess>
#include <QStringList>
#include <benchmark/benchmark.h>

namespace mirune::bench {

inline void runProgramEachIteration(benchmark::State &bench, const QString &program,
                                    const QStringList &args, int timeoutMs) {
    for (auto _ : bench) {
        QProcess process;
        process.setStandardOutputFile(QProcess::nullDevice());
        process.start(program, args);
        if (!process.waitForFinished(timeoutMs) || process.exitCode() != 0) {
            bench.SkipWithError("the program failed");
            return;
        }
    }
}

// The main routine of a command-line benchmark: an application object for Qt's file and process
// classes, then the benchmarks the arguments ask for.
inline int runBenchmarksWithCoreApplication(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

} // namespace mirune::bench
