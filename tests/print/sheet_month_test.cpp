// The month sheet 月別時数表: its header in the term summary's frame, a row per month with its
// school days and actual hours, the block of plan, due, actual, difference and the subjects
// behind, the frame closed under it and the school days said below.

#include "hand_worked_year.h"
#include "model/hours_pace.h"
#include "print/figure_table.h"
#include "print/print_dispatch.h"
#include "print/print_format.h"
#include "print/recording_surface.h"
#include "print/sheet_fonts.h"
#include "print/sheets.h"
#include "print/term_total_columns.h"
#include "print_test_support.h"
#include "sheet_test_support.h"

#include <QTest>

using namespace mirune;
using namespace mirune::test;
using namespace Qt::StringLiterals;

namespace {

using F = HourField;

const QDate kToday(2026, 12, 11);

// The month rows start under the heading; the block starts under the twelfth.
constexpr int kRowsTop = 3306;
constexpr int kRowHeight = 323;
constexpr int kBlockTop = kRowsTop + 12 * kRowHeight;
constexpr int kFrameBottom = kBlockTop + 5 * kRowHeight + 38;

// The left rule of a column of the 2002 rows: 23 slots of 560 from 1406.
constexpr int columnLeft(int slot) {
    return 1406 + 560 * slot;
}

RecordingSurface drawnSheet(AppState &state, const QDate &today = kToday) {
    RecordingSurface s;
    subPrintMonths(state, s, today);
    return s;
}

// A grade-5 class of 2026 that planned 70 hours of 外国語 and taught two lessons of it by
// 11 December, on pace in 国語.
AppState foreignLanguageBehind() {
    AppState state = classState(2026, 5, u"1"_s, u"佐藤"_s);
    registerDay(state, QDate(2026, 4, 7), u"英英国　　　　　"_s, u"33300000"_s);
    setPlan(state, 3, F::gaikokugo, 210);
    setPlan(state, 3, F::kokugo, 3);
    state.objSeasonPlan->calculate();
    return state;
}

} // namespace

class SheetMonthTest : public QObject {
    Q_OBJECT

  private slots:
    void header();
    void monthRows_data();
    void monthRows();
    void block_data();
    void block();
    void behindMarkInItsColumn();
    void handWorkedPace();
    void frameAndSchoolDays();
    void printedFromTheSelection();
};

void SheetMonthTest::header() {
    AppState state = smallState();
    const RecordingSurface s = drawnSheet(state);
    QCOMPARE(s.orientations(), QList<PageOrientation>{PageOrientation::Landscape});
    QCOMPARE(s.fontNames(), QList<QString>{u"ＭＳ 明朝"_s});
    expectText(s, 1140, 380, u"2026 年 度　　月 別 時 数 表   ４年２組"_s, 16);
    expectText(s, 1140, 703, u"2026年12月11日現在"_s, 12);
    expectText(s, 10830, 703, u"担任　 山田"_s, 12);
    expectText(s, 4206, 1064, u"集　　　　　　計　　　　　　表"_s, 12);
    // The term summary's heading: the columns' stacks and the left part's 月 and 日数.
    expectText(s, columnLeft(0) + 76, 1729, u"国"_s, 12);
    expectText(s, columnLeft(17) + 598, 1406, u"Ａ"_s, 12);
    expectText(s, 608, 2698, u"月"_s, 12);
    expectText(s, 1026, 3021, u"数"_s, 12);
    expectLine(s, 570, 1045, 14286, 1045, 4);
    expectLine(s, 570, kRowsTop, 14286, kRowsTop, 2);
    expectLine(s, 988, 2660, 988, kRowsTop, 2);
    expectSheetEnd(s);
}

void SheetMonthTest::monthRows_data() {
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("month");
    QTest::addColumn<QString>("days");
    QTest::addColumn<int>("slot");
    QTest::addColumn<QString>("figure");
    // April: 国 3 units on the 7th, 6 on Saturday the 11th; 8 April was withdrawn. School days
    // from Monday 6 April, less 昭和の日.
    QTest::newRow("April 国語") << 0 << u" 4"_s << u"18"_s << 0 << u" 3.0"_s;
    QTest::newRow("April 算数") << 0 << u" 4"_s << u"18"_s << 2 << u" 1.0"_s;
    // The summer vacation covers August.
    QTest::newRow("August") << 4 << u" 8"_s << u" 0"_s << 2 << u" 0.0"_s;
    // September less 敬老の日, the 国民の休日 between it and 秋分の日, and 秋分の日.
    QTest::newRow("September 算数") << 5 << u" 9"_s << u"19"_s << 2 << u" 2.0"_s;
    QTest::newRow("December, to the 24th") << 8 << u"12"_s << u"18"_s << 0 << u" 0.0"_s;
    QTest::newRow("March of 2027, to the 18th") << 11 << u" 3"_s << u"14"_s << 0 << u" 0.0"_s;
}

void SheetMonthTest::monthRows() {
    QFETCH(int, row);
    QFETCH(QString, month);
    QFETCH(QString, days);
    QFETCH(int, slot);
    QFETCH(QString, figure);
    AppState state = smallState();
    const RecordingSurface s = drawnSheet(state);
    const int y = kRowsTop + row * kRowHeight;
    expectText(s, 608, y + 38, month, 12);
    expectText(s, 1026, y + 38, days, 10);
    expectText(s, columnLeft(slot) + 38, y + 95, figure, 9);
    // Each month closed by a rule across the whole table.
    expectLine(s, 570, y + kRowHeight, 14286, y + kRowHeight, 1);
}

void SheetMonthTest::block_data() {
    QTest::addColumn<int>("slot");
    QTest::addColumn<int>("plan");   // year plan in units
    QTest::addColumn<int>("actual"); // units taught in the year
    // 国語 10 hours planned, 3 taught; 算数 1 planned, 3 taught; 社会 none planned, 1 taught;
    // 生活 none either way.
    QTest::newRow("国語") << 0 << 30 << 9;
    QTest::newRow("算数") << 2 << 3 << 9;
    QTest::newRow("社会") << 1 << 0 << 3;
    QTest::newRow("生活") << 4 << 0 << 0;
}

void SheetMonthTest::block() {
    QFETCH(int, slot);
    QFETCH(int, plan);
    QFETCH(int, actual);
    AppState state = smallState();
    const RecordingSurface s = drawnSheet(state);
    const MonthlyPace pace = fncMonthlyPace(state, kToday);
    const int due = fncDueUnits(plan, pace.daysPast, pace.totals.yearSchoolDays);
    const int x = columnLeft(slot) + 10;

    const QStringList labels = {u"計画"_s, QString(), u"実績"_s, u"増減"_s, u"遅れ"_s};
    for (int row : {0, 2, 3, 4})
        expectText(s, 608, kBlockTop + row * kRowHeight + 38, labels[row], 12);
    // The due row named as every other output names it, in two lines of eight points.
    expectText(s, 608, kBlockTop + kRowHeight + 8, u"今日まで"_s, 8);
    expectText(s, 608, kBlockTop + kRowHeight + 163, u"の計画"_s, 8);
    const auto figureAt = [&](int row) { return kBlockTop + row * kRowHeight + 95; };
    expectText(s, x, figureAt(0), fncCtoS(plan, 5), 9);
    expectText(s, x, figureAt(1), fncCtoS(due, 5), 9);
    expectText(s, x, figureAt(2), fncCtoS(actual, 5), 9);
    expectText(s, x, figureAt(3), fncCtoS(actual - due, 5), 9);
    const QColor colour = actual < due ? textRed() : actual > due ? textBlue() : textBlack();
    QCOMPARE(s.textAt(x, figureAt(3))->colour, colour);

    // 国語 is far more than a lesson short by December: marked, in red; the others are not.
    const QList<RecordedText> marks =
        s.textsIn(columnLeft(slot), figureAt(4), columnLeft(slot + 1), figureAt(4));
    const bool behind = fncIsBehind(plan, actual, due, pace.totals.yearSchoolDays);
    QCOMPARE(behind, slot == 0);
    QCOMPARE(marks.size(), behind ? 1 : 0);
    if (behind) {
        QCOMPARE(marks.first().text, u"遅れ"_s);
        QCOMPARE(marks.first().colour, textRed());
        // Centred in its column.
        QCOMPARE(marks.first().x, columnLeft(slot) + (560 - 2 * 180) / 2);
    }
}

// With 外国語 planned the columns narrow; the mark stays between the rules of its own column.
void SheetMonthTest::behindMarkInItsColumn() {
    AppState state = foreignLanguageBehind();
    const RecordingSurface s = drawnSheet(state);
    const int y = kBlockTop + 4 * kRowHeight + 95;
    const QList<RecordedText> marks = s.textsIn(1406, y, 14286, y);
    // 外国語 and the lesson totals it pulls down; 国語 is on pace.
    QCOMPARE(marks.size(), 4);
    const QList<RecordedText> heads = s.textsEqualTo(u"外"_s);
    QVERIFY(!heads.isEmpty());
    const int left = heads.first().x - 76;
    const int right = s.textsEqualTo(u"教"_s).first().x - 76;
    QVERIFY(right - left < 560);
    const RecordedText &mark = marks.first();
    QVERIFY2(mark.x >= left + 10 &&
                 mark.x + fncFixedPitchTextWidth(mark.text, mark.fontSize) <= right - 10,
             qPrintable(u"%1 between %2 and %3"_s.arg(mark.x).arg(left).arg(right)));
}

// The year worked out by hand, on 15 April: every column's plan, due, actual and difference as
// worked out, each subtotal's due the sum of its rows', and only 外国語 marked behind.
void SheetMonthTest::handWorkedPace() {
    namespace hw = hand_worked;
    AppState state = hw::state();
    const RecordingSurface s = drawnSheet(state, hw::kPaceDay);
    const FigureTable figures(state, kTermTotalFigureTable);
    const auto rowY = [](int row) { return kBlockTop + row * kRowHeight + 95; };
    const auto textIn = [&](const FigureTable::Column &c, int row) {
        const QList<RecordedText> found =
            s.textsIn(c.cell.left, rowY(row), c.cell.right, rowY(row));
        return found.size() == 1 ? found.first().text.trimmed() : u"(%1 texts)"_s.arg(found.size());
    };
    int checked = 0;
    for (const FigureTable::Column &c : figures.columns()) {
        for (const hw::PaceCase &pace : hw::kPaceCases) {
            if (pace.field != c.field)
                continue;
            const QString name = subjectInfo(c.field).summaryName.toString();
            QVERIFY2(textIn(c, 0) == QString::fromUtf16(pace.plan), qPrintable(name));
            QVERIFY2(textIn(c, 1) == QString::fromUtf16(pace.due), qPrintable(name));
            QVERIFY2(textIn(c, 2) == QString::fromUtf16(pace.actual), qPrintable(name));
            QVERIFY2(textIn(c, 3) == QString::fromUtf16(pace.difference), qPrintable(name));
            QCOMPARE(s.textsIn(c.cell.left, rowY(4), c.cell.right, rowY(4)).size(),
                     pace.behind ? 1 : 0);
            ++checked;
        }
    }
    QCOMPARE(checked, int(hw::kPaceCases.size()));
    expectText(s, 1140, 703, u"2026年4月15日現在"_s, 12);
    expectText(s, 608, kFrameBottom + 330, u"授業日数　 194日（うち過ぎた日   7日）"_s, 12);
}

void SheetMonthTest::frameAndSchoolDays() {
    AppState state = smallState();
    const RecordingSurface s = drawnSheet(state);
    const MonthlyPace pace = fncMonthlyPace(state, kToday);
    expectLine(s, 570, kBlockTop, 14286, kBlockTop, 2);
    expectLine(s, 1406, kRowsTop, 1406, kBlockTop + 5 * kRowHeight, 2);
    expectLine(s, 570, kFrameBottom - 38, 14286, kFrameBottom - 38, 1);
    expectLine(s, 570, kFrameBottom, 14286, kFrameBottom, 4);
    expectLine(s, 570, 1045, 570, kFrameBottom, 4);
    expectLine(s, 14286, 1045, 14286, kFrameBottom, 4);
    expectText(s, 608, kFrameBottom + 330,
               u"授業日数　 %1日（うち過ぎた日 %2日）"_s.arg(pace.totals.yearSchoolDays)
                   .arg(pace.daysPast),
               12);
    QVERIFY(pace.daysPast > 100 && pace.daysPast < pace.totals.yearSchoolDays);
    // Nothing below the notes: the sheet ends well inside A4's printable height.
    QVERIFY(s.extent().bottom < 10500);
}

// The tenth option of the print selection draws this sheet on the day it is given.
void SheetMonthTest::printedFromTheSelection() {
    AppState state = smallState();
    const int option = fncPrintOptionIndex(u"month");
    QCOMPARE(option, 9);
    QCOMPARE(printOptions()[option].caption, u"月別時数表");
    RecordingSurface s;
    QCOMPARE(subPrintOption(state, option, s, {}, QDate(2027, 1, 12)), PrintOutcome::Printed);
    expectText(s, 1140, 703, u"2027年1月12日現在"_s, 12);
}

QTEST_APPLESS_MAIN(SheetMonthTest)
#include "sheet_month_test.moc"
