#pragma once

// Runs a program once per benchmark iteration, as a script would, its output thrown away: the
// command-line benchmarks time whole processes from start to exit.

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

} // namespace mirune::bench
