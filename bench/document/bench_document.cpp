// The document's share of the teacher's work: opening a file with its lock and its recovery
// check against the bare load, and one step of the recording work or of the settings in the
// largest plan (the plan changed, the undo step kept, the recovery copy written).

#include "document/class_document.h"
#include "model/class_settings.h"
#include "model/year_plan_entry.h"
#include "sample_states.h"
#include "storage/data_file.h"
#include "storage/file_commands.h"
#include "storage/recovery_copy.h"
#include "support/recovery_bench_main.h"

#include <QTemporaryDir>
#include <QUndoStack>
#include <benchmark/benchmark.h>

using namespace Qt::StringLiterals;
using namespace mirune;

namespace {

// The largest plan saved in a folder of its own.
QString largestFile(const QTemporaryDir &dir) {
    AppState state = sample::largestState();
    state.strFileName = dir.filePath(u"largest.zr2"_s);
    subSaveFile(state);
    return state.strFileName;
}

// A program's empty state, made before anything that reads it.
struct InitialState {
    InitialState() { subInitApp(state); }
    AppState state;
};

// The largest plan in a folder of its own, and a document of an empty state to open it with.
struct LargestPlan : InitialState {
    QTemporaryDir dir;
    QString path = largestFile(dir);
    ClassDocument document{state};
};

// The load alone, as Open did it before there was a document.
void BM_LoadAlone(benchmark::State &bench) {
    QTemporaryDir dir;
    const QString path = largestFile(dir);
    for (auto _ : bench) {
        AppState state;
        subInitApp(state);
        if (!subOpenFile(state, path).ok())
            bench.SkipWithError("not loaded");
    }
}
BENCHMARK(BM_LoadAlone)->Unit(benchmark::kMillisecond);

// Opening through the document: the lock taken, the file loaded, what it holds kept for the
// modified test, the waiting copy looked for; closed again each time, as Open follows Close.
void BM_OpenThroughDocument(benchmark::State &bench) {
    LargestPlan plan;
    for (auto _ : bench) {
        if (!plan.document.open(plan.path).ok())
            bench.SkipWithError("not opened");
        benchmark::DoNotOptimize(plan.document.waitingCopy());
        bench.PauseTiming();
        plan.document.close();
        bench.ResumeTiming();
    }
}

// The same with the lock already held (the file opened again): the lock file's cost apart.
void BM_OpenThroughDocumentLocked(benchmark::State &bench) {
    LargestPlan plan;
    plan.document.open(plan.path);
    for (auto _ : bench) {
        if (!plan.document.open(plan.path).ok())
            bench.SkipWithError("not opened");
        benchmark::DoNotOptimize(plan.document.waitingCopy());
    }
}
BENCHMARK(BM_OpenThroughDocument)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenThroughDocumentLocked)->Unit(benchmark::kMillisecond);

// One step of the recording work in the largest plan: a day withdrawn or registered again, with
// its undo step and the recovery copy written.
void BM_RecordingStepLargest(benchmark::State &bench) {
    LargestPlan plan;
    ClassDocument &document = plan.document;
    document.open(plan.path);
    const QDate day(2027, 10, 12);
    bool registered = document.column(day).kind == ClassDocument::ColumnKind::Registered;
    for (auto _ : bench) {
        const bool done = registered ? document.withdrawDay(day) : document.registerDay(day);
        if (!done)
            bench.SkipWithError("no step");
        registered = !registered;
    }
    bench.counters["steps kept"] = document.undoStack()->count();
}
BENCHMARK(BM_RecordingStepLargest)->Unit(benchmark::kMillisecond);

// One settings step in the largest plan, as a click or a keystroke on a settings page makes it:
// the change, its undo step and the recovery copy written, told to no window. Must stay under
// 5 ms. 0: a timetable cell's subject (a step each); 1: a teacher's holiday given back or added;
// 2: a plan figure typed (each keystroke merged into the step of its box, made again from the
// plan before the typing); 3: the vacation days typed (the law's holidays made again).
void BM_SettingsStepLargest(benchmark::State &bench) {
    LargestPlan plan;
    ClassDocument &document = plan.document;
    document.open(plan.path);
    // One of the teacher's holidays (the table is full): given back and made a holiday again.
    const QDate day = document.state().dateSpecial[kNationalHolidayRows];
    PlanTexts texts = fncPlanTexts(document.state());
    VacationDays days = fncVacationDaysOf(document.state());
    const int summerFirst = days.summerFirstDay;
    bool flip = false;
    for (auto _ : bench) {
        bool done = false;
        switch (bench.range(0)) {
        case 0:
            done = document.setTimetableSubject(TimetableChoice::A, 2, 3, flip ? u'国' : u'算');
            break;
        case 1:
            done = flip ? document.addTeacherHoliday(day) == AddHolidayResult::Added
                        : document.removeTeacherHoliday(day);
            break;
        case 2:
            texts.terms[planTermBox(0, 0)] = flip ? u"64"_s : u"64.1"_s;
            done = document.setPlanTexts(texts, kPlanRows + planTermBox(0, 0));
            break;
        default:
            days.summerFirstDay = flip ? summerFirst : summerFirst - 1;
            done = document.setVacationDays(days);
            break;
        }
        if (!done)
            bench.SkipWithError("no step");
        flip = !flip;
    }
    bench.counters["steps kept"] = document.undoStack()->count();
}
BENCHMARK(BM_SettingsStepLargest)->Arg(0)->Arg(1)->Arg(2)->Arg(3)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv) {
    return runRecoveryBenchmarks(argc, argv);
}
