// The largest data file a teacher can make (200 special holidays, every day of the leap school
// year 2027 registered: 2736 lines): reading it, writing it, and the floor under reading, which
// is cutting the bytes into lines and decoding each line. Also the actual totals of that year.

#include "model/term_rule.h"
#include "sample_states.h"
#include "storage/data_file.h"

#include <QBuffer>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using namespace Qt::StringLiterals;
using namespace mirune;

namespace {

const AppState &largest() {
    static const AppState state = sample::largestState();
    return state;
}

const QByteArray &largestFile() {
    static const QByteArray bytes = encodeDataFile(largest()).bytes;
    return bytes;
}

void checkLargestFile(benchmark::State &bench) {
    if (largestFile().count("\r\n") != 2736)
        bench.SkipWithError("the largest file does not have 2736 lines");
}

// Reading from memory: what readDataFile does with the file's bytes.
void BM_LoadLargest(benchmark::State &bench) {
    checkLargestFile(bench);
    AppState state;
    subInitApp(state);
    for (auto _ : bench) {
        QBuffer buffer;
        buffer.setData(largestFile());
        buffer.open(QIODevice::ReadOnly);
        const LoadResult result = readDataFile(buffer, state);
        if (!result.ok())
            bench.SkipWithError("the largest file did not load");
        benchmark::DoNotOptimize(state.objFirstDay.get());
    }
    bench.SetBytesProcessed(bench.iterations() * largestFile().size());
}
BENCHMARK(BM_LoadLargest)->Unit(benchmark::kMicrosecond);

// The floor: the same bytes cut into lines, each line decoded from CP932 on its own.
void BM_DecodeLinesBaseline(benchmark::State &bench) {
    checkLargestFile(bench);
    const QByteArray &bytes = largestFile();
    for (auto _ : bench) {
        QStringDecoder decoder("CP932", QStringConverter::Flag::Stateless);
        QList<QString> lines;
        lines.reserve(2736);
        qsizetype start = 0;
        while (start < bytes.size()) {
            qsizetype end = bytes.indexOf("\r\n", start);
            if (end < 0)
                end = bytes.size();
            lines.append(decoder.decode(QByteArrayView(bytes).sliced(start, end - start)));
            start = end + 2;
        }
        if (decoder.hasError() || lines.size() != 2736)
            bench.SkipWithError("the lines did not decode");
        benchmark::DoNotOptimize(lines.data());
    }
}
BENCHMARK(BM_DecodeLinesBaseline)->Unit(benchmark::kMicrosecond);

// Reading from disk through subLoadFile.
void BM_LoadLargestFile(benchmark::State &bench) {
    checkLargestFile(bench);
    QTemporaryDir dir;
    AppState state = largest();
    state.strFileName = dir.filePath(u"2027.zr2"_s);
    if (!subSaveFile(state).ok())
        bench.SkipWithError("cannot write the file");
    const QString path = state.strFileName;
    for (auto _ : bench) {
        state.strFileName = path;
        if (!subLoadFile(state).ok())
            bench.SkipWithError("the largest file did not load");
    }
}
BENCHMARK(BM_LoadLargestFile)->Unit(benchmark::kMicrosecond);

// Writing in memory: the state as the file's bytes.
void BM_EncodeLargest(benchmark::State &bench) {
    checkLargestFile(bench);
    for (auto _ : bench) {
        const EncodeResult result = encodeDataFile(largest());
        benchmark::DoNotOptimize(result.bytes.constData());
    }
}
BENCHMARK(BM_EncodeLargest)->Unit(benchmark::kMicrosecond);

// Saving to disk through subSaveFile: a temporary file, written and renamed over the previous.
void BM_SaveLargest(benchmark::State &bench) {
    checkLargestFile(bench);
    QTemporaryDir dir;
    AppState state = largest();
    state.strFileName = dir.filePath(u"2027.zr2"_s);
    for (auto _ : bench) {
        if (!subSaveFile(state).ok())
            bench.SkipWithError("cannot save");
    }
}
BENCHMARK(BM_SaveLargest)->Unit(benchmark::kMicrosecond);

// The refresh of the summary window and the year and term sheets: the term rule over a year of
// registered days, then every term recomputed and the year summed.
void BM_TermRuleAndFullCalculate(benchmark::State &bench) {
    AppState state = largest();
    if (chainLength(*state.objFirstDay) != 366)
        bench.SkipWithError("not a full leap year of days");
    for (auto _ : bench) {
        subRefreshActualTotals(state);
        benchmark::DoNotOptimize(state.objYearTotal->hours.units.data());
    }
}
BENCHMARK(BM_TermRuleAndFullCalculate)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
