// The data file: one value per line, CP932, CR LF, no version field. Today's form, as files
// teachers already have are laid out (S is the number of special holidays in use):
//
//   1                 "トワラ"
//   2, 3              school year, grade (numbers as " 2026": a blank in the sign's place)
//   4, 5              class, teacher
//   6 .. 29           the twelve vacation and movable-holiday dates, a month line and a day line
//   30, 31            "True"/"False": 2nd and 4th Saturdays off, every Saturday off
//   32                S
//   33 ..             special holidays in slots 0 to S (one spare slot), two lines each
//   then 21 lines     the base plan: the hour fields of the 2002 curriculum in alphabetical order
//                     (classicDataFileOrder), each as " 816 " with a blank after it
//   then 6 + 6 lines  the subjects of timetables A and B, Monday to Saturday
//   then 5 + 5 lines  the time codes of timetables A and B, Monday to Friday
//   then 3 x 21 lines the plans of terms 1, 2 and 3, as the base plan
//   then 6 lines      per registered day in date order: month, day, subjects, time codes,
//                     comment, withdrawn flag ("True" for a withdrawn day), to the end
//
// The extended form, written for a plan that uses 外国語 or 外国語活動 (a figure in a plan, or
// "英" or "外" in a timetable or a day) and for a plan read from such a file, is the same line
// for line but for two things: line 1 is "トワラ2", which a program that knows only today's form
// refuses as not its own, and each of the four plan records has 23 lines, today's 21 followed by
// gaikokugo (外国語) and gaikokugokatsudou (外国語活動) (extendedDataFileOrder). Days and
// timetables carry the codes "英" and "外" as they carry any other.

#include "cp932.h"
#include "data_file.h"
#include "data_file_layout.h"
#include "file_messages.h"
#include "model/curriculum_rows.h"
#include "model/hour_fields.h"
#include "model/term_rule.h"
#include "model/units.h"
#include "whole_file_write.h"

#include <iterator>

namespace mirune {

using namespace Qt::StringLiterals;

namespace {

class LineWriter {
  public:
    void text(QStringView value) {
        if (firstBadLine == 0 && hasLineBreak(value))
            firstBadLine = lineCount + 1;
        longestText = qMax(longestText, value.size());
        out += value;
        endLine();
    }
    // Numbers are put straight into the text, the largest file has some 2000 of them: the plain
    // form (" 2004", "-3") and the padded form of the hour fields, one blank after it (" 816 ").
    void number(int value) {
        appendNumber(value);
        endLine();
    }
    void padded(int value) {
        appendNumber(value);
        out += u' ';
        endLine();
    }
    void flag(Flag value) { text(isTrue(value) ? u"True" : u"False"); }
    // A date is its month and day; the year follows from the school year when read back.
    void date(const QDate &value) {
        int month = 0;
        int day = 0;
        (value.isValid() ? value : zeroDate()).getDate(nullptr, &month, &day);
        number(month);
        number(day);
    }
    template <typename Order> void plan(const HourTotalsRecord &record, const Order &order) {
        for (HourField f : order)
            padded(record.hours[f]);
    }
    void plan(const HourTotalsRecord &record, bool extended) {
        if (extended)
            plan(record, extendedDataFileOrder());
        else
            plan(record, classicDataFileOrder());
    }
    // The six subject lines of a timetable, Monday to Saturday.
    void timetable(const ZuriWeekTotal *week) {
        const ZuriDayTime *d = week ? week->objFirstDay.get() : nullptr;
        for (int i = 0; i < 6; ++i) {
            text(d ? d->strSubject : QString());
            if (d)
                d = d->objNextDay.get();
        }
    }

    QString out;
    int lineCount = 0;
    int firstBadLine = 0;      // a value with a line break would shift every later line
    qsizetype longestText = 0; // in characters, each one or two bytes in the file

  private:
    static bool hasLineBreak(QStringView value) {
        for (QChar c : value)
            if (c == u'\r' || c == u'\n')
                return true;
        return false;
    }
    // The plain number form: a blank in the place of the sign of a value of 0 or more.
    void appendNumber(int value) {
        char16_t digits[12];
        char16_t *p = std::end(digits);
        unsigned magnitude = value < 0 ? 0u - unsigned(value) : unsigned(value);
        do {
            *--p = char16_t(u'0' + magnitude % 10);
            magnitude /= 10;
        } while (magnitude != 0);
        *--p = value < 0 ? u'-' : u' ';
        out += QStringView(p, std::end(digits));
    }
    void endLine() {
        out += u"\r\n";
        ++lineCount;
    }
};

// The 1-based number of the first line of the file's bytes longer than `limit` bytes; 0 when
// there is none.
int firstLineLongerThan(const QByteArray &bytes, qsizetype limit) {
    int line = 1;
    qsizetype start = 0;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (bytes[i] != '\n')
            continue;
        if (i - start - 1 > limit) // without the CR
            return line;
        ++line;
        start = i + 1;
    }
    return 0;
}

} // namespace

EncodeResult encodeDataFile(const AppState &state) {
    EncodeResult result;
    if (state.intSpecialCount < 0 || state.intSpecialCount > kMaxSpecialCount) {
        result.error =
            file_messages::specialCountOutOfRange(state.intSpecialCount, kMaxSpecialCount);
        return result;
    }

    // A plan that uses neither 外国語 nor 外国語活動 is written exactly as it always was; one that
    // does, or that came from an extended file, in the extended form.
    const bool extended = isTrue(state.boolExtendedForm) || fncPlanUsesLaterCurriculum(state);
    LineWriter w;
    w.out.reserve(64 * 1024);
    w.text(extended ? data_file::extendedHeaderLine() : data_file::headerLine());
    w.number(state.intYear);
    w.number(state.intGrade);
    w.text(state.strClass);
    w.text(state.strTeacher);
    for (const QDate &d : state.dateHoliday)
        w.date(d);
    w.flag(state.boolSat1);
    w.flag(state.boolSat2);
    w.number(state.intSpecialCount);
    // Slots 0 to N: the file carries one spare slot after the holidays in use.
    for (int k = 0; k <= state.intSpecialCount; ++k)
        w.date(state.dateSpecial[k]);
    w.plan(state.objYearPlan ? *state.objYearPlan : ZuriYearTotal(), extended);
    w.timetable(state.objWeekPlanA.get());
    w.timetable(state.objWeekPlanB.get());
    for (int i = 0; i < kStoredWeekCredits; ++i)
        w.text(state.strWeekCreditA[i]);
    for (int i = 0; i < kStoredWeekCredits; ++i)
        w.text(state.strWeekCreditB[i]);
    for (const SeasonTotalRef &term : fncPlanTerms(state))
        w.plan(*term, extended);
    for (const ZuriDayTime *d = state.objFirstDay ? state.objFirstDay->objNextDay.get() : nullptr;
         d; d = d->objNextDay.get()) {
        w.date(d->dateThisDay);
        w.text(d->strSubject);
        w.text(d->strCredit);
        w.text(d->strComment);
        w.flag(d->boolNowPlanning);
    }

    if (w.firstBadLine != 0) {
        result.line = w.firstBadLine;
        result.error = file_messages::lineBreakInText(w.firstBadLine);
        return result;
    }

    std::optional<QByteArray> encoded = cp932::encode(w.out);
    if (!encoded) {
        // Find the line that cannot be written, so the message can name it (a lone surrogate at
        // the end of a line is one too).
        const QStringList lines = w.out.split(u"\r\n"_s);
        for (int i = 0; i < lines.size(); ++i) {
            if (!cp932::encode(lines[i])) {
                result.line = i + 1;
                break;
            }
        }
        result.error = file_messages::cannotEncode(result.line);
        return result;
    }
    result.bytes = *std::move(encoded);

    // What the reader would refuse is not saved: a file it reads back is the only safe one.
    if (w.longestText * 2 > data_file::kMaxLineBytes) {
        if (const int line = firstLineLongerThan(result.bytes, data_file::kMaxLineBytes)) {
            result.bytes.clear();
            result.line = line;
            result.error = file_messages::textTooLong(line, data_file::kMaxLineBytes);
            return result;
        }
    }
    if (result.bytes.size() > data_file::kMaxFileBytes) {
        result.bytes.clear();
        result.error = file_messages::dataTooLarge(data_file::kMaxFileBytes);
    }
    return result;
}

SaveResult subSaveFile(const AppState &state) {
    if (state.strFileName.isEmpty() || state.intYear == 0) {
        SaveResult result;
        result.status = SaveResult::Status::NothingToSave;
        result.message = file_messages::nothingToSave();
        return result;
    }
    const QString &path = state.strFileName;

    const EncodeResult encoded = encodeDataFile(state);
    if (!encoded.error.isEmpty()) {
        SaveResult result;
        result.status = SaveResult::Status::Failed;
        result.message = encoded.error;
        return result;
    }

    const FileWriteResult written = writeWholeFile(path, encoded.bytes);
    if (!written.ok()) {
        SaveResult result;
        result.status = SaveResult::Status::Failed;
        result.errorNumber = written.errorNumber;
        result.message = written.message;
        return result;
    }
    return {};
}

} // namespace mirune
