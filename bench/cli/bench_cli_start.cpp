// How long a data command of mirune-cli takes from start to exit, side by side with a bare Qt
// Core program that reads and decodes the same file (the largest data file a teacher can make).
// Each iteration starts the program and waits for it; starting takes the same in both.

#include "sample_states.h"
#include "storage/data_file.h"
#include "support/program_runs.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using namespace Qt::StringLiterals;
using namespace mirune;

namespace {

const QString &largestFilePath() {
    static QTemporaryDir dir;
    static const QString path = [] {
        AppState state = sample::largestState();
        state.strFileName = dir.filePath(u"largest.zr2"_s);
        return subSaveFile(state).ok() ? state.strFileName : QString();
    }();
    return path;
}

void runProgram(benchmark::State &bench, const QString &program, const QStringList &args) {
    if (largestFilePath().isEmpty()) {
        bench.SkipWithError("the largest file could not be written");
        return;
    }
    mirune::bench::runProgramEachIteration(bench, program, args, 30000);
}

const QString kBare = QStringLiteral(MIRUNE_BARE_READ_PATH);
const QString kCli = QStringLiteral(MIRUNE_CLI_PATH);

void BM_BareQtCoreRead(benchmark::State &bench) {
    runProgram(bench, kBare, {largestFilePath()});
}
void BM_CliInfo(benchmark::State &bench) {
    runProgram(bench, kCli, {u"info"_s, largestFilePath()});
}
void BM_CliSummary(benchmark::State &bench) {
    runProgram(bench, kCli, {u"summary"_s, largestFilePath(), u"--term"_s, u"3"_s});
}
void BM_CliSchooldays(benchmark::State &bench) {
    runProgram(bench, kCli, {u"schooldays"_s, largestFilePath()});
}

} // namespace

BENCHMARK(BM_BareQtCoreRead)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_CliInfo)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_CliSummary)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_CliSchooldays)->Unit(benchmark::kMillisecond)->UseRealTime();

int main(int argc, char **argv) {
    return mirune::bench::runBenchmarksWithCoreApplication(argc, argv);
}
