// mirune-cli school over a whole school's worth of class files, 1,000 full recorded years, side by
// side with the bare Qt Core program reading and decoding the same files in one process, in every
// format, and the same by month. Each iteration starts the program and waits for it.

#include "sample_states.h"
#include "storage/data_file.h"
#include "support/program_runs.h"

#include <QDir>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using namespace Qt::StringLiterals;
using namespace mirune;

namespace {

constexpr int kClassFiles = 1000;

// 1,000 classes of 2026: six grades, classes numbered on, every day of the year registered and
// a full plan. The files are made once, by the program's own writer.
const QString &schoolFolder() {
    static QTemporaryDir dir;
    static const QString folder = [] {
        for (int i = 0; i < kClassFiles; ++i) {
            AppState state =
                sample::classState(2026, 1 + i % 6, QString::number(1 + i / 6), u"担任"_s);
            sample::fillPlans(state);
            sample::registerDays(state, QDate(2026, 4, 1), QDate(2027, 3, 31), 17);
            state.strFileName = dir.filePath(u"class%1.zr2"_s.arg(i, 4, 10, QChar(u'0')));
            if (!subSaveFile(state).ok())
                return QString();
        }
        return dir.path();
    }();
    return folder;
}

QStringList schoolFiles() {
    QStringList files;
    const QDir dir(schoolFolder());
    for (const QString &name : dir.entryList({u"*.zr2"_s}, QDir::Files, QDir::Name))
        files += dir.filePath(name);
    return files;
}

void runProgram(benchmark::State &bench, const QString &program, const QStringList &args) {
    if (schoolFolder().isEmpty()) {
        bench.SkipWithError("the class files could not be written");
        return;
    }
    mirune::bench::runProgramEachIteration(bench, program, args, 120000);
}

const QString kBare = QStringLiteral(MIRUNE_BARE_READ_PATH);
const QString kCli = QStringLiteral(MIRUNE_CLI_PATH);

// Where a workbook goes: each iteration replaces the one before, as the program's own.
QString workbookPath(const QString &name) {
    static QTemporaryDir dir;
    return dir.filePath(name);
}
const QString kByMonth = u"--by=month"_s;
const QString kDay = u"--date=2026-12-11"_s;

void BM_BareReadSchool(benchmark::State &bench) {
    runProgram(bench, kBare, schoolFiles());
}
void BM_CliSchoolJson(benchmark::State &bench) {
    runProgram(bench, kCli, {u"school"_s, schoolFolder(), u"--format=json"_s});
}
void BM_CliSchoolText(benchmark::State &bench) {
    runProgram(bench, kCli, {u"school"_s, schoolFolder()});
}
void BM_CliSchoolCsv(benchmark::State &bench) {
    runProgram(bench, kCli, {u"school"_s, schoolFolder(), u"--format=csv"_s});
}
void BM_CliSchoolXlsx(benchmark::State &bench) {
    runProgram(bench, kCli, {u"school"_s, schoolFolder(), u"-o"_s, workbookPath(u"year.xlsx"_s)});
}
// By month: each class's months and pace on top of its year, and a table twelve months wide.
void BM_CliSchoolByMonthJson(benchmark::State &bench) {
    runProgram(
        bench, kCli,
        {u"school"_s, schoolFolder(), u"--by=month"_s, u"--date=2026-12-11"_s, u"--format=json"_s});
}
void BM_CliSchoolByMonthText(benchmark::State &bench) {
    runProgram(bench, kCli, {u"school"_s, schoolFolder(), kByMonth, kDay});
}
void BM_CliSchoolByMonthCsv(benchmark::State &bench) {
    runProgram(bench, kCli, {u"school"_s, schoolFolder(), kByMonth, kDay, u"--format=csv"_s});
}
void BM_CliSchoolByMonthXlsx(benchmark::State &bench) {
    runProgram(
        bench, kCli,
        {u"school"_s, schoolFolder(), kByMonth, kDay, u"-o"_s, workbookPath(u"months.xlsx"_s)});
}

} // namespace

BENCHMARK(BM_BareReadSchool)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_CliSchoolJson)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_CliSchoolText)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_CliSchoolByMonthJson)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_CliSchoolByMonthText)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_CliSchoolCsv)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_CliSchoolByMonthCsv)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_CliSchoolXlsx)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_CliSchoolByMonthXlsx)->Unit(benchmark::kMillisecond)->UseRealTime();

int main(int argc, char **argv) {
    return mirune::bench::runBenchmarksWithCoreApplication(argc, argv);
}
