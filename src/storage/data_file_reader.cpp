#include "cp932.h"
#include "data_file.h"
#include "data_file_layout.h"
#include "file_kind.h"
#include "file_messages.h"
#include "model/hour_fields.h"
#include "model/units.h"

#include <QFile>
#include <QList>

namespace mirune {

using namespace Qt::StringLiterals;

namespace {

// Raised inside the reader only, to leave it at the first bad line; never crosses a layer.
struct ReadFailure {
    int line;
    QString reason;
};

// The file's lines, each still in the file's bytes. A line ends at CR LF, as the program writes
// it, or at a lone LF or a lone CR, as other editors may leave it; the break is never part of a
// value, so whatever is read can be written back line for line. A last line without line break
// is taken as it is. Splitting stops after the first line longer than the reader takes.
struct SplitLines {
    QList<QByteArrayView> lines;
    int firstLongLine = 0; // 1-based number of a line above kMaxLineBytes; 0 when none
};

SplitLines splitLines(const QByteArray &bytes) {
    SplitLines split;
    QList<QByteArrayView> &lines = split.lines;
    lines.reserve(qMin<qsizetype>(bytes.count('\n') + 1, data_file::kMaxLines + 1));
    const char *const data = bytes.constData();
    const qsizetype size = bytes.size();
    qsizetype start = 0;
    while (start < size) {
        qsizetype end = start;
        while (end < size && data[end] != '\n' && data[end] != '\r')
            ++end;
        lines.append(QByteArrayView(data + start, end - start));
        if (end - start > data_file::kMaxLineBytes) {
            split.firstLongLine = int(lines.size());
            break;
        }
        if (lines.size() > data_file::kMaxLines)
            break; // the reader holds no more; the caller refuses the file
        if (end + 1 < size && data[end] == '\r' && data[end + 1] == '\n')
            ++end;
        start = end + 1;
    }
    return split;
}

// The device's bytes up to one past the size limit, so that a larger input shows as such
// without being taken in whole. A file is read in one go; a pipe, which cannot say how much it
// holds, in chunks. `failed` tells a read error (a bad sector, a lost network share) from the
// end of the input, so that a file cut short by the disk is not taken for one cut short by its
// writer.
QByteArray readUpToLimit(QIODevice &device, bool &failed) {
    failed = false;
    constexpr qint64 kLimit = data_file::kMaxFileBytes + 1;
    constexpr qint64 kChunk = 64 * 1024;
    QByteArray bytes;
    while (bytes.size() < kLimit) {
        const qint64 available = device.bytesAvailable();
        const qint64 wanted = qMin(kLimit - bytes.size(), available > 0 ? available : kChunk);
        const qsizetype before = bytes.size();
        bytes.resize(before + wanted);
        const qint64 got = device.read(bytes.data() + before, wanted);
        bytes.resize(before + qMax<qint64>(got, 0));
        if (got < 0)
            failed = true;
        if (got <= 0)
            break;
    }
    return bytes;
}

// Hands out the file's lines in order and turns each into the kind of value it holds.
class LineReader {
  public:
    explicit LineReader(const QList<QByteArrayView> &lines) : m_lines(lines) {}

    int nextLineNumber() const { return m_next + 1; }
    bool atEnd() const { return m_next >= m_lines.size(); }
    int remaining() const { return int(m_lines.size()) - m_next; }

    void setPart(const QString &part) { m_part = part; }

    QString text() {
        if (atEnd())
            throw ReadFailure{nextLineNumber(), file_messages::endsInsideGroup(m_part)};
        std::optional<QString> value = cp932::decode(m_lines[m_next]);
        ++m_next;
        if (!value)
            throw ReadFailure{m_next, file_messages::notShiftJis()};
        return *std::move(value);
    }

    qint16 number() {
        const QString line = text();
        const auto value = fncNumericValue16(line);
        if (!value)
            throw ReadFailure{m_next, file_messages::numberOutOfRange(line)};
        return *value;
    }

    Flag flag() { return fncTextToBool(text()); }

    // A month line and a day line, rebuilt into a date of the school year of yearText.
    QDate date(const QString &yearText) {
        const int monthLine = nextLineNumber();
        const QString month = text();
        const QString day = text();
        const QDate date = fncSchoolDate(yearText, month, day);
        if (!date.isValid())
            throw ReadFailure{monthLine, file_messages::invalidDate(fncNumericValue(month),
                                                                    fncNumericValue(day))};
        return date;
    }

    void plan(HourTotalsRecord &record, bool extended) {
        if (extended)
            plan(record, extendedDataFileOrder());
        else
            plan(record, classicDataFileOrder());
    }

    WeekTotalRef timetable() {
        WeekTotalRef week = makeEmptyTimetable();
        for (ZuriDayTime *d = week->objFirstDay.get(); d; d = d->objNextDay.get())
            d->strSubject = text();
        return week;
    }

  private:
    template <typename Order> void plan(HourTotalsRecord &record, const Order &order) {
        for (HourField f : order)
            record.hours[f] = number();
    }

    const QList<QByteArrayView> &m_lines;
    int m_next = 0;
    QString m_part;
};

// Everything after the header, into `loaded`, whose week and year data are fresh. The extended
// form differs only in its plan records, which carry 外国語 and 外国語活動 after today's lines.
void readBody(LineReader &in, AppState &loaded, bool extended) {
    in.setPart(file_messages::partHeader());
    const QString yearText = in.text(); // dates are rebuilt from the year as it is written
    const std::optional<qint16> year = fncNumericValue16(yearText);
    if (!year)
        throw ReadFailure{2, file_messages::numberOutOfRange(yearText)};
    // Every date of the file is built from this year: a year no date can have is wrong here,
    // not at the first date.
    if (*year < data_file::kFirstSchoolYear || *year > data_file::kLastSchoolYear)
        throw ReadFailure{2, file_messages::schoolYearOutOfRange(*year, data_file::kFirstSchoolYear,
                                                                 data_file::kLastSchoolYear)};
    loaded.intYear = *year;
    loaded.intGrade = in.number();
    loaded.strClass = in.text();
    loaded.strTeacher = in.text();

    in.setPart(file_messages::partHolidays());
    for (int k = 0; k < kHolidaySlots; ++k)
        setHolidayDate(loaded, k, in.date(yearText));
    loaded.boolSat1 = in.flag();
    loaded.boolSat2 = in.flag();
    const int countLine = in.nextLineNumber();
    const qint16 count = in.number();
    if (count < 0 || count > kMaxSpecialCount)
        throw ReadFailure{countLine,
                          file_messages::specialCountOutOfRange(count, kMaxSpecialCount)};
    loaded.intSpecialCount = count;
    for (int k = 0; k <= count; ++k)
        setSpecialDate(loaded, k, in.date(yearText));

    in.setPart(file_messages::partBasePlan());
    in.plan(*loaded.objYearPlan, extended);

    in.setPart(file_messages::partTimetables());
    loaded.objWeekPlanA = in.timetable();
    loaded.objWeekPlanB = in.timetable();
    for (int i = 0; i < kStoredWeekCredits; ++i)
        loaded.strWeekCreditA[i] = in.text();
    for (int i = 0; i < kStoredWeekCredits; ++i)
        loaded.strWeekCreditB[i] = in.text();
    // Saturday takes slot 5, which the file does not carry and which is empty after the reset.
    subApplyWeekCredits(*loaded.objWeekPlanA, loaded.strWeekCreditA);
    subApplyWeekCredits(*loaded.objWeekPlanB, loaded.strWeekCreditB);

    in.setPart(file_messages::partTermPlans());
    loaded.objSeasonPlan = makeYearWithTerms();
    for (const SeasonTotalRef &term : loaded.objSeasonPlan->terms())
        in.plan(*term, extended);
    loaded.objSeasonPlan->calculate();

    in.setPart(file_messages::partDay());
    ZuriDayTime &head = *loaded.objFirstDay;
    DayRef last; // days come in date order: most go straight after the last one
    while (!in.atEnd()) {
        if (in.remaining() < data_file::kLinesPerDay)
            throw ReadFailure{in.nextLineNumber() + in.remaining(),
                              file_messages::endsInsideGroup(file_messages::partDay())};
        const QDate date = in.date(yearText);
        const QString subjects = in.text();
        const QString credits = in.text();
        DayRef day = makeRegisteredDay(date, subjects, credits);
        day->strComment = in.text();
        day->boolNowPlanning = in.flag();
        if (last && last->dateThisDay < date)
            last->objNextDay = day;
        else
            head.appendDay(day);
        if (!day->objNextDay)
            last = day;
    }
}

// A read that failed after the header check leaves no plan half read and no file name.
void resetAfterFailure(AppState &state) {
    subInitWeekData(state);
    subInitYearData(state);
    state.strFileName.clear();
}

// A failure of the file as a whole, at no line of its own; the plan read so far goes.
LoadResult failedWhole(AppState &state, const QString &message) {
    resetAfterFailure(state);
    LoadResult result;
    result.status = LoadResult::Status::Failed;
    result.message = message;
    return result;
}

LoadResult failed(int line, const QString &reason) {
    LoadResult result;
    result.status = LoadResult::Status::Failed;
    result.line = line;
    result.message = file_messages::readFailedAt(line, reason);
    return result;
}

} // namespace

LoadResult readDataFile(QIODevice &device, AppState &state, QByteArray *bytesRead) {
    state.boolDaySelected = 0;
    const auto notADataFile = [] {
        LoadResult result;
        result.status = LoadResult::Status::NotADataFile;
        result.message = file_messages::notADataFile();
        return result;
    };

    // A file that does not even begin with the header's bytes (which the extended header starts
    // with too) is refused before it is read: it may be any file of any size.
    static const QByteArray headerBytes = cp932::encode(data_file::headerLine()).value_or("");
    if (!device.peek(headerBytes.size()).startsWith(headerBytes))
        return notADataFile();

    bool readError = false;
    const QByteArray bytes = readUpToLimit(device, readError);
    if (readError)
        return failedWhole(state, file_messages::readError(device.errorString()));
    const SplitLines split = splitLines(bytes);
    const QList<QByteArrayView> &lines = split.lines;

    // Line 1 must be the header of one of the two forms exactly; an empty file has none. Each
    // line is decoded on its own: a lead byte at the end of one never pairs with the next's first.
    const QString header =
        lines.isEmpty() ? QString() : cp932::decode(lines.first()).value_or(u""_s);
    if (header != data_file::headerLine() && header != data_file::extendedHeaderLine())
        return notADataFile();
    const bool extended = header == data_file::extendedHeaderLine();

    if (bytes.size() > data_file::kMaxFileBytes)
        return failedWhole(state, file_messages::fileTooLarge(data_file::kMaxFileBytes));

    // Read into a copy whose week and year data are fresh, so that a failure part way leaves
    // nothing half replaced; the working state (file name, selections) comes along unchanged.
    AppState loaded = state;
    subInitWeekData(loaded);
    subInitYearData(loaded);

    try {
        if (split.firstLongLine != 0)
            throw ReadFailure{split.firstLongLine,
                              file_messages::lineTooLong(data_file::kMaxLineBytes)};
        if (lines.size() > data_file::kMaxLines)
            throw ReadFailure{data_file::kMaxLines + 1,
                              file_messages::tooManyLines(data_file::kMaxLines)};
        LineReader in(lines);
        (void)in.text(); // the header, checked above
        readBody(in, loaded, extended);
        loaded.boolExtendedForm = extended ? kTrue : kFalse;
    } catch (const ReadFailure &failure) {
        resetAfterFailure(state);
        return failed(failure.line, failure.reason);
    }

    state = std::move(loaded);
    if (bytesRead)
        *bytesRead = bytes;
    return {};
}

LoadResult subLoadFile(AppState &state, QByteArray *bytesRead) {
    const auto cannotOpen = [&state](const QString &reason) {
        state.boolDaySelected = 0;
        LoadResult result;
        result.status = LoadResult::Status::CannotOpen;
        result.message = state.strFileName.isEmpty()
                             ? reason
                             : file_messages::cannotOpen(state.strFileName, reason);
        state.strFileName.clear();
        return result;
    };
    // Without a name there is nothing to open (and Qt would warn of it on stderr).
    if (state.strFileName.isEmpty())
        return cannotOpen(file_messages::noFileName());
    // A pipe or a device may never end, or block on opening: only a regular file is read.
    const FileKind kind = fileKind(state.strFileName);
    if (kind != FileKind::Regular && kind != FileKind::Missing)
        return cannotOpen(file_messages::notARegularFile(file_messages::kindName(kind)));

    QFile file(state.strFileName);
    if (!file.open(QIODevice::ReadOnly))
        return cannotOpen(file.errorString());
    LoadResult result = readDataFile(file, state, bytesRead);
    if (!result.ok())
        state.strFileName.clear();
    return result;
}

} // namespace mirune
