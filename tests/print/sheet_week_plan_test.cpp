// The weekly timetable sheet: the title and teacher line (in hiragana for grades 1 and 2), the
// headings, the cells with subject name and length, and the grid.

#include "print/recording_surface.h"
#include "print/sheet_fonts.h"
#include "print/sheets.h"
#include "print_test_support.h"
#include "sheet_test_support.h"

#include <QTest>

using namespace mirune;
using namespace mirune::test;
using namespace Qt::StringLiterals;

namespace {

// A timetable whose Monday holds the cases of one column: 算 45 minutes, 算 without time, no
// subject, 行 (no sheet name) 45 minutes, ク 15 minutes, 国 60 minutes and 30 minutes.
AppState timetableState(int grade, const QString &klass) {
    AppState state = classState(2026, grade, klass, u"佐藤"_s);
    setTimetableDay(*state.objWeekPlanA, 0, u"算算　行ク国国"_s);
    setTimetableDay(*state.objWeekPlanB, 2, u"音"_s);
    WeekCredits credits;
    credits[0] = u"30331420"_s;
    credits[2] = u"13333000"_s;
    subApplyWeekCredits(*state.objWeekPlanA, credits);
    subApplyWeekCredits(*state.objWeekPlanB, credits);
    return state;
}

constexpr int kColumn = 1450;
constexpr int kRow = 1650;

} // namespace

class SheetWeekPlanTest : public QObject {
    Q_OBJECT

  private slots:
    void titles_data();
    void titles();
    void headings();
    void cells_data();
    void cells();
    void laterCurriculumNames();
    void otherTimetableColumn();
    void emptyTimetable();
    void saturdayHasNoColumn();
    void grid();
};

void SheetWeekPlanTest::titles_data() {
    QTest::addColumn<int>("grade");
    QTest::addColumn<QString>("klass");
    QTest::addColumn<int>("plan");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("teacher");
    QTest::addColumn<int>("titleSize"); // below 32 where the title would pass the frame
    QTest::newRow("grade 4, B") << 4 << u"2"_s << 1 << u"４年２組   時 間 割 B"_s
                                << u"担任　　佐藤"_s << 32;
    QTest::newRow("grade 3, A") << 3 << u"1"_s << 0 << u"３年１組   時 間 割 A"_s
                                << u"担任　　佐藤"_s << 32;
    QTest::newRow("grade 6, class 10")
        << 6 << u"10"_s << 0 << u"６年10組   時 間 割 A"_s << u"担任　　佐藤"_s << 32;
    // Hiragana take more room: 27 half-width ems, 8,640 twips in 32 point, reach x = 9940.
    QTest::newRow("grade 1 in hiragana")
        << 1 << u"2"_s << 0 << u"１ねん２くみ   じかんわり A"_s << u"せんせい　　佐藤"_s << 29;
    // 31 half-width ems: 9,920 twips in 32 point from x = 1300, past the frame at 9250.
    QTest::newRow("grade 2 in hiragana, B, named class")
        << 2 << u"さくら"_s << 1 << u"２ねんさくらくみ   じかんわり B"_s << u"せんせい　　佐藤"_s
        << 25;
}

void SheetWeekPlanTest::titles() {
    QFETCH(int, grade);
    QFETCH(QString, klass);
    QFETCH(int, plan);
    QFETCH(QString, title);
    QFETCH(QString, teacher);
    QFETCH(int, titleSize);
    AppState state = timetableState(grade, klass);
    RecordingSurface s;
    subPrintWeekPlan(state, s, plan);
    QCOMPARE(s.orientations(), QList<PageOrientation>{PageOrientation::Portrait});
    QCOMPARE(s.fontNames(), QList<QString>{u"ＭＳ ゴシック"_s});
    // A smaller title stays centred on the line of the full-size one.
    expectText(s, 1300, 500 + (32 - titleSize) * 10, title, titleSize);
    expectText(s, 6000, 1400, teacher, 18);
    expectSheetEnd(s);
}

void SheetWeekPlanTest::headings() {
    AppState state = timetableState(4, u"2"_s);
    RecordingSurface s;
    subPrintWeekPlan(state, s, 0);
    const QString weekdays = u"月火水木金"_s;
    for (int c = 0; c < 5; ++c)
        expectText(s, 2550 + kColumn * c, 2020, weekdays.mid(c, 1), 18);
    const QString periods = u"０１２３４５６７"_s;
    for (int p = 0; p < 8; ++p)
        expectText(s, 1470, 3100 + kRow * p, periods.mid(p, 1), 18);
}

void SheetWeekPlanTest::cells_data() {
    QTest::addColumn<int>("period");
    QTest::addColumn<QString>("name");     // at the name position; empty: none printed
    QTest::addColumn<QString>("duration"); // at the length position; empty: none printed
    QTest::newRow("算 45 minutes") << 0 << u"算数"_s << u"４５分"_s;
    QTest::newRow("算 without time stays empty") << 1 << QString() << QString();
    QTest::newRow("no subject stays empty") << 2 << QString() << QString();
    QTest::newRow("行 has no name but a length") << 3 << QString() << u"４５分"_s;
    QTest::newRow("ク 15 minutes") << 4 << u"ｸﾗﾌﾞ"_s << u"１５分"_s;
    QTest::newRow("国 60 minutes") << 5 << u"国語"_s << u"６０分"_s;
    QTest::newRow("国 30 minutes") << 6 << u"国語"_s << u"３０分"_s;
    QTest::newRow("beyond the subjects") << 7 << QString() << QString();
}

void SheetWeekPlanTest::cells() {
    QFETCH(int, period);
    QFETCH(QString, name);
    QFETCH(QString, duration);
    AppState state = timetableState(4, u"2"_s);
    RecordingSurface s;
    subPrintWeekPlan(state, s, 0);

    const int nameX = 2120;
    const int nameY = 2800 + kRow * period;
    QString printedName;
    for (const RecordedText &t : s.textsAt(nameX, nameY)) {
        QCOMPARE(t.fontSize, 32);
        printedName += t.text;
    }
    QCOMPARE(printedName, name);
    const auto length = s.textAt(2500, 3900 + kRow * period);
    if (duration.isEmpty()) {
        QVERIFY(!length || length->text.isEmpty());
    } else {
        QVERIFY(length);
        QCOMPARE(length->text, duration);
        QCOMPARE(length->fontSize, 10);
    }
}

void SheetWeekPlanTest::laterCurriculumNames() {
    // 英 and 外 print the table's two-character names, inside their 1450-twip column at 32
    // points like every other name.
    AppState state = classState(2026, 5, u"1"_s, u"佐藤"_s);
    setTimetableDay(*state.objWeekPlanA, 1, u"英外"_s);
    WeekCredits credits;
    credits[1] = u"33000000"_s;
    subApplyWeekCredits(*state.objWeekPlanA, credits);
    RecordingSurface s;
    subPrintWeekPlan(state, s, 0);
    const int x = 2120 + kColumn;
    for (const auto &[period, name] : {std::pair{0, u"英語"_s}, std::pair{1, u"外活"_s}}) {
        expectText(s, x, 2800 + kRow * period, name, 32);
        expectText(s, 2500 + kColumn, 3900 + kRow * period, u"４５分"_s, 10);
        QVERIFY(x + fncFixedPitchTextWidth(name, 32) <= 2000 + 2 * kColumn);
    }
}

void SheetWeekPlanTest::otherTimetableColumn() {
    // Timetable B has only Wednesday's first period; A's Monday must not show on B.
    AppState state = timetableState(4, u"2"_s);
    RecordingSurface s;
    subPrintWeekPlan(state, s, 1);
    expectText(s, 2120 + 2 * kColumn, 2800, u"音楽"_s, 32);
    expectText(s, 2500 + 2 * kColumn, 3900, u"１５分"_s, 10);
    QVERIFY(s.textsAt(2120, 2800).isEmpty());
}

void SheetWeekPlanTest::emptyTimetable() {
    AppState state = classState(2026, 4, u"2"_s, u"佐藤"_s);
    RecordingSurface s;
    subPrintWeekPlan(state, s, 0);
    // Title, teacher, five weekday names and eight period numbers; nothing in the cells.
    QCOMPARE(s.texts().size(), 2 + 5 + 8);
    QCOMPARE(s.lines().size(), 4 + 2 + 5 + 8);
}

void SheetWeekPlanTest::saturdayHasNoColumn() {
    // A Saturday timetable record with subjects (a data file may carry one) would print right
    // of the frame: the sheet leaves it out.
    AppState state = timetableState(4, u"2"_s);
    setTimetableDay(*state.objWeekPlanA, 5, u"体体"_s);
    state.objWeekPlanA->objLastDay->strCredit = u"33000000"_s;
    RecordingSurface s;
    subPrintWeekPlan(state, s, 0);
    for (const RecordedText &t : s.texts())
        QVERIFY2(t.x < 9250, qPrintable(u"%1 at x %2 right of the frame"_s.arg(t.text).arg(t.x)));
}

void SheetWeekPlanTest::grid() {
    AppState state = timetableState(4, u"2"_s);
    RecordingSurface s;
    subPrintWeekPlan(state, s, 0);
    expectLine(s, 1300, 1800, 1300, 15700, 8);
    expectLine(s, 9250, 1800, 9250, 15700, 8);
    expectLine(s, 1300, 1800, 9250, 1800, 8);
    expectLine(s, 1300, 15700, 9250, 15700, 8);
    expectLine(s, 2000, 1800, 2000, 15700, 5);
    expectLine(s, 1300, 2500, 9250, 2500, 5);
    for (int k = 1; k <= 5; ++k)
        expectLine(s, 2000 + kColumn * k, 1800, 2000 + kColumn * k, 15700, 2);
    for (int k = 1; k <= 8; ++k)
        expectLine(s, 1300, 2500 + kRow * k, 9250, 2500 + kRow * k, 2);
    // The grid comes after every text.
    const QList<RecordingSurface::Operation> &ops = s.operations();
    QVERIFY(ops.lastIndexOf(RecordingSurface::Operation::Text) <
            ops.indexOf(RecordingSurface::Operation::Line));
}

QTEST_APPLESS_MAIN(SheetWeekPlanTest)
#include "sheet_week_plan_test.moc"
