// libFuzzer target of the data file reader. Any input may be refused, but none may crash the
// reader or make it read past its tables, and what it does load must hold together:
//  - a failed read leaves no file name, an empty day chain and the week and year data reset;
//  - a loaded state can be written, has 140 + 2N + 6D lines (8 more in the extended form, whose
//    four plan records carry two more fields each) and a chain in strictly ascending date order,
//    and writing it, reading that back and writing again gives the same bytes.
// Any breach aborts with a description, so that libFuzzer keeps the input.

#include "storage/data_file.h"

#include <QBuffer>
#include <QByteArray>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

using namespace Qt::StringLiterals;
using namespace mirune;

namespace {

[[noreturn]] void breach(const char *what, const QString &detail = QString()) {
    std::fprintf(stderr, "fuzz_data_file: %s %s\n", what, qUtf8Printable(detail));
    std::abort();
}

LoadResult readBytes(const QByteArray &bytes, AppState &state) {
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    return readDataFile(buffer, state);
}

AppState startedState() {
    AppState state;
    subInitApp(state);
    state.strFileName = u"/fuzz/input.zr2"_s;
    state.boolDaySelected = 1;
    return state;
}

void checkFailedRead(const LoadResult &result, const AppState &state) {
    if (result.message.isEmpty())
        breach("failure without message");
    if (state.boolDaySelected != 0)
        breach("boolDaySelected not reset");
    if (result.status == LoadResult::Status::NotADataFile)
        return;
    if (result.status != LoadResult::Status::Failed)
        breach("unexpected status");
    if (result.line < 2 || result.line > 3002)
        breach("failure line out of the file", result.message);
    if (!state.strFileName.isEmpty())
        breach("file name kept after a failed read");
    if (state.objFirstDay->objNextDay || state.intSpecialCount != kNationalHolidayRows)
        breach("week data not reset after a failed read");
}

void checkLoadedState(const AppState &state) {
    if (state.intSpecialCount < 0 || state.intSpecialCount > kMaxSpecialCount)
        breach("special-holiday count out of its table");
    int days = 0;
    QDate previous;
    for (const ZuriDayTime *d = state.objFirstDay->objNextDay.get(); d; d = d->objNextDay.get()) {
        if (!d->dateThisDay.isValid() || (previous.isValid() && !(previous < d->dateThisDay)))
            breach("day chain not in strictly ascending date order");
        previous = d->dateThisDay;
        ++days;
    }

    const EncodeResult once = encodeDataFile(state);
    if (!once.error.isEmpty())
        breach("a loaded state cannot be written:", once.error);
    const qsizetype lines = once.bytes.count("\r\n");
    const bool extended = once.bytes.startsWith("\x83\x67\x83\x8f\x83\x89"
                                                "2\r\n"); // トワラ2
    if (lines != 140 + (extended ? 8 : 0) + 2 * state.intSpecialCount + 6 * days)
        breach("written line count does not follow the layout");

    AppState again = startedState();
    const LoadResult reread = readBytes(once.bytes, again);
    if (!reread.ok())
        breach("the written file cannot be read back:", reread.message);
    const EncodeResult twice = encodeDataFile(again);
    if (twice.bytes != once.bytes)
        breach("write, read, write gives other bytes");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    AppState state = startedState();
    const LoadResult result = readBytes(bytes, state);
    if (result.ok()) {
        if (!result.message.isEmpty() || state.strFileName != u"/fuzz/input.zr2"_s)
            breach("loaded, yet with a message or without its file name");
        checkLoadedState(state);
    } else {
        checkFailedRead(result, state);
    }
    return 0;
}
