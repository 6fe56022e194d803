// The weekly timetable sheet: timetable A or B as a wall chart for the classroom, five weekday
// columns by eight periods, each cell with the subject in large letters and its length below.
// For grades 1 and 2 the headings are in hiragana so that the children can read them.

#include "fitted_text.h"
#include "model/notation.h"
#include "print_format.h"
#include "sheet_frame.h"
#include "sheets.h"

namespace mirune {

using namespace Qt::StringLiterals;

namespace {

constexpr int kLeft = 1300;
constexpr int kRight = 9250;
constexpr int kTop = 1800;
constexpr int kBottom = 15700;
constexpr int kPeriodColumnRight = 2000;
constexpr int kHeadingRowBottom = 2500;
constexpr int kColumnWidth = 1450;
constexpr int kRowHeight = 1650;
constexpr int kWeekdays = 5;
constexpr int kPeriods = 8;

// The cell's length caption by time code; any other code (of a file edited by hand) is printed
// as it is, and "0" not at all.
QString fncDurationText(const QString &code) {
    const int t = code.size() == 1 && code[0].isDigit() ? code[0].digitValue() : -1;
    if (t > 0 && fncIsTimeCode(t))
        return fncLessonLengthText(t);
    return code;
}

bool isNonZeroDigit(const QString &code) {
    return code.size() == 1 && code[0] >= u'1' && code[0] <= u'9';
}

void printCells(PageSurface &s, const ZuriWeekTotal &timetable) {
    for (const ZuriDayTime *day = timetable.objFirstDay.get(); day; day = day->objNextDay.get()) {
        const int c = day->intWeekName - 1;
        // Only Monday to Friday have a column; a Saturday would land right of the frame.
        if (c >= 0 && c < kWeekdays) {
            for (int p = 0; p < kPeriods; ++p) {
                const QString letter = day->strSubject.mid(p, 1);
                if (letter.isEmpty() || letter[0] == kNoSubject)
                    continue;
                const QString code = day->strCredit.mid(p, 1);
                if (isNonZeroDigit(code)) {
                    s.setFontSize(32);
                    s.printAt(2120 + kColumnWidth * c, 2800 + kRowHeight * p,
                              fncSubjectName(letter[0]));
                }
                const QString duration = fncDurationText(code);
                if (duration != u"0"_s && !duration.isEmpty()) {
                    s.setFontSize(10);
                    s.printAt(2500 + kColumnWidth * c, 3900 + kRowHeight * p, duration);
                }
            }
        }
        if (day == timetable.objLastDay.get())
            break;
    }
}

void drawGrid(PageSurface &s) {
    s.setLineWidth(8);
    s.drawLine(kLeft, kTop, kLeft, kBottom);
    s.drawLine(kRight, kTop, kRight, kBottom);
    s.drawLine(kLeft, kTop, kRight, kTop);
    s.drawLine(kLeft, kBottom, kRight, kBottom);
    s.setLineWidth(5);
    s.drawLine(kPeriodColumnRight, kTop, kPeriodColumnRight, kBottom);
    s.drawLine(kLeft, kHeadingRowBottom, kRight, kHeadingRowBottom);
    s.setLineWidth(2);
    for (int k = 1; k <= kWeekdays; ++k) {
        const int x = kPeriodColumnRight + kColumnWidth * k;
        s.drawLine(x, kTop, x, kBottom);
    }
    for (int k = 1; k <= kPeriods; ++k) {
        const int y = kHeadingRowBottom + kRowHeight * k;
        s.drawLine(kLeft, y, kRight, y);
    }
}

} // namespace

void subPrintWeekPlan(const AppState &state, PageSurface &s, int intWeekPlan) {
    const bool planB = intWeekPlan == 1;
    const QString planLetter = planB ? u"B"_s : u"A"_s;
    const WeekTotalRef &timetable = planB ? state.objWeekPlanB : state.objWeekPlanA;

    subStartSheet(s, PageOrientation::Portrait, kGothicFontName);

    // Grades 1 and 2 read hiragana.
    const bool young = state.intGrade < 3;
    const QString grade = fncGradeText(state.intGrade);
    const QString klass = fncClassText(state.strClass);
    const QString title =
        young ? grade + u"ねん"_s + klass + u"くみ   "_s + u"じかんわり "_s + planLetter
              : grade + u"年"_s + klass + u"組   "_s + u"時 間 割 "_s + planLetter;
    // The title and the teacher line above the chart keep within its width.
    printWithinRight(s, 1300, 500, title, 32, kRight);
    printWithinRight(s, 6000, 1400, (young ? u"せんせい　　"_s : u"担任　　"_s) + state.strTeacher,
                     18, kRight);

    for (int c = 0; c < kWeekdays; ++c)
        s.printAt(2550 + kColumnWidth * c, 2020, QString(fncWeekdayChar(1 + c)));
    for (int p = 0; p < kPeriods; ++p)
        s.printAt(1470, 3100 + kRowHeight * p, QString(fncPeriodChar(p)));

    if (timetable)
        printCells(s, *timetable);
    drawGrid(s);
    subEndSheet(s);
}

} // namespace mirune
