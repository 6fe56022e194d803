#pragma once

// The main routine of the benchmarks that write recovery copies: the copies go to the test
// folders, never to a teacher's own data folder, and are removed afterwards.

#include "storage/recovery_copy.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <benchmark/benchmark.h>

inline int runRecoveryBenchmarks(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    QStandardPaths::setTestModeEnabled(true);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    QDir(QFileInfo(mirune::fncRecoveryCopyPath(QString())).absolutePath()).removeRecursively();
    return 0;
}
