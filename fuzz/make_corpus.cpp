// Writes the seed corpus of fuzz_data_file: data files the program writes for a few states, and
// broken variants of them, one fault each.
//
//   fuzz_make_corpus OUT_DIR
//
// The committed fuzz/corpus/ is this program's output; nothing is random.

#include "sample_states.h"
#include "storage/data_file.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QList>
#include <cstdio>

using namespace Qt::StringLiterals;
using namespace mirune;

namespace {

QList<QByteArray> splitLines(const QByteArray &bytes) {
    QList<QByteArray> lines = bytes.split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    for (QByteArray &line : lines)
        line.chop(1); // the CR
    return lines;
}

QByteArray joinLines(const QList<QByteArray> &lines, const QByteArray &lineBreak = "\r\n") {
    QByteArray bytes;
    for (const QByteArray &line : lines)
        bytes += line + lineBreak;
    return bytes;
}

QByteArray withLine(const QByteArray &file, int line, const QByteArray &text) {
    QList<QByteArray> lines = splitLines(file);
    lines[line - 1] = text;
    return joinLines(lines);
}

bool write(const QDir &dir, const QString &name, const QByteArray &bytes) {
    QFile file(dir.filePath(name));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "fuzz_make_corpus: cannot write %s\n", qUtf8Printable(name));
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char **argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: fuzz_make_corpus OUT_DIR\n");
        return 2;
    }
    const QDir dir(QString::fromLocal8Bit(argv[1]));
    if (!dir.mkpath(u"."_s))
        return 1;

    // A plan just made, with two days (one in January, so of the next calendar year).
    AppState small = sample::classState(2004);
    sample::fillPlans(small);
    small.objFirstDay->appendDay(
        makeRegisteredDay(QDate(2004, 4, 8), sample::weekdaySubjects(0), u"13333200"_s));
    DayRef january = makeRegisteredDay(QDate(2005, 1, 7), u"国　　"_s, u"300"_s);
    january->strComment = u"雪のため"_s;
    january->boolNowPlanning = kTrue;
    small.objFirstDay->appendDay(january);
    const QByteArray smallFile = encodeDataFile(small).bytes;

    AppState term = sample::classState(2003, 1);
    sample::fillPlans(term);
    sample::addTeacherHolidays(term, 17);
    sample::registerDays(term, QDate(2004, 1, 8), QDate(2004, 3, 24), 6);

    bool ok = true;
    ok &= write(dir, u"valid_fresh_plan.zr2"_s, encodeDataFile(sample::classState(2010)).bytes);
    ok &= write(dir, u"valid_two_days.zr2"_s, smallFile);
    ok &= write(dir, u"valid_third_term_leap.zr2"_s, encodeDataFile(term).bytes);
    ok &= write(dir, u"valid_largest.zr2"_s, encodeDataFile(sample::largestState()).bytes);
    // The extended form: a grade 5 of today's curriculum with 外国語 planned and taught and
    // 外国語活動 in timetable B.
    AppState extended = sample::classState(2026, 5);
    sample::fillPlans(extended);
    (*extended.objYearPlan)[HourField::gaikokugo] = 210;
    (*extended.objSeasonPlan->terms()[0])[HourField::gaikokugo] = 70;
    extended.objWeekPlanB->objFirstDay->strSubject = u"　英外社体学　　"_s;
    extended.objFirstDay->appendDay(
        makeRegisteredDay(QDate(2026, 4, 13), u"　英国算体学　　"_s, u"13333200"_s));
    ok &= write(dir, u"valid_extended.zr2"_s, encodeDataFile(extended).bytes);

    // Files the reader takes although the program would write them otherwise.
    QByteArray lfOnly = smallFile;
    ok &= write(dir, u"odd_lf_only.zr2"_s, lfOnly.replace("\r\n", "\n"));
    QByteArray crOnly = smallFile;
    ok &= write(dir, u"odd_cr_only_no_last_break.zr2"_s, crOnly.replace("\r\n", "\r").chopped(1));
    QList<QByteArray> lines = splitLines(smallFile);
    QList<QByteArray> swapped = lines.mid(0, 168) + lines.mid(174, 6) + lines.mid(168, 6);
    ok &= write(dir, u"odd_days_out_of_order.zr2"_s, joinLines(swapped));
    ok &= write(dir, u"odd_same_day_twice.zr2"_s, joinLines(lines + lines.mid(168, 6)));

    // One fault each.
    ok &= write(dir, u"broken_wrong_header.zr2"_s,
                withLine(smallFile, 1, "\x83\x67\x83\x8f\x83\x89 "));
    ok &= write(dir, u"broken_header_only.zr2"_s, "\x83\x67\x83\x8f\x83\x89\r\n");
    ok &= write(dir, u"broken_february_30.zr2"_s, withLine(withLine(smallFile, 6, " 2"), 7, " 30"));
    ok &= write(dir, u"broken_holiday_count_201.zr2"_s, withLine(smallFile, 32, " 201"));
    ok &= write(dir, u"broken_number_too_large.zr2"_s, withLine(smallFile, 63, " 32768 "));
    ok &= write(dir, u"broken_not_cp932.zr2"_s, withLine(smallFile, 5, "\x85\x40"));
    ok &= write(dir, u"broken_ends_in_day.zr2"_s, joinLines(lines.mid(0, 171)));
    return ok ? 0 : 1;
}
