// The term timetable sheet and the term hours summary sheet: their headers, the week rows of
// the chosen term only, the day cells and week figures, the month column at their scale, and
// the summary sheet's plan/actual/difference block.

#include "print/recording_surface.h"
#include "print/sheets.h"
#include "print_test_support.h"
#include "sheet_test_support.h"

#include <QTest>

using namespace mirune;
using namespace mirune::test;
using namespace Qt::StringLiterals;

class SheetTermTest : public QObject {
    Q_OBJECT

  private slots:
    void chartHeader_data();
    void chartHeader();
    void chartRowsOfTheTermOnly_data();
    void chartRowsOfTheTermOnly();
    void chartDayCells_data();
    void chartDayCells();
    void chartLaterCurriculumLetters();
    void chartMonthColumn();
    void totalHeader();
    void totalWeekRows_data();
    void totalWeekRows();
    void totalMonthColumn();
    void totalBlock_data();
    void totalBlock();
    void totalBlockFrame();
    void totalWithoutRecords();
};

void SheetTermTest::chartHeader_data() {
    QTest::addColumn<int>("season");
    QTest::addColumn<QString>("title");
    QTest::newRow("1") << 1 << u"1 学 期　　時 間 割 表   ４年２組"_s;
    QTest::newRow("2") << 2 << u"2 学 期　　時 間 割 表   ４年２組"_s;
    QTest::newRow("3") << 3 << u"3 学 期　　時 間 割 表   ４年２組"_s;
}

void SheetTermTest::chartHeader() {
    QFETCH(int, season);
    QFETCH(QString, title);
    AppState state = smallState();
    RecordingSurface s;
    subPrintSeasonTimeChart(state, s, season);

    QCOMPARE(s.orientations(), QList<PageOrientation>{PageOrientation::Landscape});
    QCOMPARE(s.fontNames(), QList<QString>{u"ＭＳ 明朝"_s});
    expectText(s, 900, 936, title, 16);
    expectText(s, 11700, 1638, u"担任　 山田"_s, 14);
    expectText(s, 396, 2196, u"月"_s, 12);
    expectText(s, 792, 2502, u"数"_s, 12);
    expectText(s, 14248, 2178, u"金"_s, 12);
    expectText(s, 1152 + 324 * 8, 2484, u"Ⅶ"_s, 12);
    expectLine(s, 360, 630, 15732, 630, 4);
    expectLine(s, 360, 2160, 15732, 2160, 2);
    expectLine(s, 4068, 2160, 4068, 2772, 2);
    expectLine(s, 1152, 2466, 15732, 2466, 2);
    expectLine(s, 1476, 2466, 1476, 2772, 1);
    expectLine(s, 360, 2772, 15732, 2772, 1);
    expectSheetEnd(s);
}

void SheetTermTest::chartRowsOfTheTermOnly_data() {
    QTest::addColumn<int>("season");
    QTest::addColumn<int>("rows");
    QTest::newRow("term 1: 6 April to 13 July") << 1 << 15;
    QTest::newRow("term 2: 17 weeks end at 7974") << 2 << 17;
    QTest::newRow("term 3: 4 January to 15 March") << 3 << 11;
}

void SheetTermTest::chartRowsOfTheTermOnly() {
    QFETCH(int, season);
    QFETCH(int, rows);
    AppState state = smallState();
    RecordingSurface s;
    subPrintSeasonTimeChart(state, s, season);
    const int bottom = 2772 + rows * 306;

    for (int k = 1; k <= rows; ++k)
        expectLine(s, 756, 2772 + 306 * k, 15732, 2772 + 306 * k, 1);
    QVERIFY(s.linesBetween(756, bottom + 306, 15732, bottom + 306).isEmpty());
    for (const RecordedText &t : s.texts())
        QVERIFY2(t.y < bottom,
                 qPrintable(u"%1 at y %2 below the last week"_s.arg(t.text).arg(t.y)));
    expectLine(s, 360, bottom, 15732, bottom, 2);
    expectLine(s, 360, bottom, 15732, bottom, 4);
    expectLine(s, 360, 630, 360, bottom, 4);
    expectLine(s, 15732, 630, 15732, bottom, 4);
    expectLine(s, 756, 2772, 756, bottom, 2);
    expectLine(s, 4068, 2772, 4068, bottom, 2);
    expectLine(s, 3744, 2772, 3744, bottom, 1);
}

void SheetTermTest::chartDayCells_data() {
    QTest::addColumn<int>("season");
    QTest::addColumn<int>("x"); // block's left edge
    QTest::addColumn<int>("y"); // row top
    QTest::addColumn<QString>("day");
    QTest::addColumn<QString>("periods");
    QTest::newRow("registered") << 1 << 4068 << 2772 << u" 7"_s << u"国算社理体音図学"_s;
    QTest::newRow("withdrawn") << 1 << 6984 << 2772 << u" 8"_s << QString();
    QTest::newRow("holiday") << 1 << 6984 << 2772 + 3 * 306 << u"29"_s << u"☆☆☆☆☆☆☆☆"_s;
    QTest::newRow("before the term") << 2 << 1152 << 2772 << QString() << QString();
    QTest::newRow("first day of the term") << 2 << 4068 << 2772 << u" 1"_s << u"算算　　　　　　"_s;
    QTest::newRow("after the term") << 2 << 12816 << 2772 + 16 * 306 << QString() << QString();
}

void SheetTermTest::chartDayCells() {
    QFETCH(int, season);
    QFETCH(int, x);
    QFETCH(int, y);
    QFETCH(QString, day);
    QFETCH(QString, periods);
    AppState state = smallState();
    RecordingSurface s;
    subPrintSeasonTimeChart(state, s, season);

    if (day.isEmpty()) {
        QVERIFY(s.textsIn(x, y, x + 2915, y + 305).isEmpty());
        expectLine(s, x, y, x + 2916, y + 306, 1);
        return;
    }
    expectText(s, x + 36, y + 36, day, 10);
    QString printed;
    for (int p = 1; p <= 8; ++p)
        if (const auto t = s.textAt(x + 324 * p + 36, y + 36))
            printed += t->text;
    QCOMPARE(printed, periods);
    // The week's school days, in the day cells' size.
    QVERIFY(s.textAt(792, y + 36));
    QCOMPARE(s.textAt(792, y + 36)->fontSize, 10);
}

void SheetTermTest::chartLaterCurriculumLetters() {
    // The cells hold the letters as stored, 英 and 外 like any other.
    AppState state = smallState();
    registerDay(state, QDate(2026, 4, 9), u"英英外　　　　　"_s, u"33300000"_s);
    RecordingSurface s;
    subPrintSeasonTimeChart(state, s, 1);
    const int thursday = 1152 + 3 * 2916;
    expectText(s, thursday + 36, 2772 + 36, u" 9"_s, 10);
    QString printed;
    for (int p = 1; p <= 8; ++p)
        if (const auto t = s.textAt(thursday + 324 * p + 36, 2772 + 36))
            printed += t->text;
    QCOMPARE(printed, u"英英外　　　　　"_s);
}

void SheetTermTest::chartMonthColumn() {
    AppState state = smallState();
    RecordingSurface s;
    subPrintSeasonTimeChart(state, s, 1);
    // April (the first month) on its second row without a separator; May's separator 100
    // above its first row because 12 May is past the 10th.
    expectText(s, 396, 2772 + 306 + 36, u" 4"_s, 12);
    expectText(s, 396, 2772 + 5 * 306 + 36, u" 5"_s, 12);
    expectLine(s, 360, 2772 + 5 * 306 - 406, 756, 2772 + 5 * 306 - 406, 1);
    // June: 9 June is not past the 10th, so the separator is the top of its first row.
    expectLine(s, 360, 2772 + 8 * 306, 756, 2772 + 8 * 306, 1);
    QVERIFY(s.linesBetween(360, 2772, 756, 2772).isEmpty());
}

void SheetTermTest::totalHeader() {
    AppState state = smallState();
    RecordingSurface s;
    subPrintSeasonTotal(state, s, 2);

    QCOMPARE(s.orientations(), QList<PageOrientation>{PageOrientation::Landscape});
    QCOMPARE(s.fontNames(), QList<QString>{u"ＭＳ 明朝"_s});
    expectText(s, 1140, 380, u"2 学 期　　時 間 集 計 表   ４年２組"_s, 16);
    expectText(s, 10830, 703, u"担任　 山田"_s, 12);
    expectText(s, 4206, 1064, u"集　　　　　　計　　　　　　表"_s, 12);
    expectText(s, 3086, 1387, u"教　　　　科"_s, 12);
    expectText(s, 8226, 1387, u"特 別 活 動"_s, 12);
    expectText(s, 1482, 1729, u"国"_s, 12);
    expectText(s, 1482, 2152, u"語"_s, 12);
    expectText(s, 5962, 2152, u"育"_s, 12);
    expectText(s, 6522, 2983, u"Ａ"_s, 12);
    expectText(s, 11524, 2698, u"計"_s, 12);
    expectText(s, 13342, 2698, u"数"_s, 12);
    expectText(s, 608, 2698, u"月"_s, 12);
    expectText(s, 1026, 3021, u"数"_s, 12);
    expectLine(s, 570, 1045, 14286, 1045, 4);
    expectLine(s, 1406, 1368, 14286, 1368, 2);
    expectLine(s, 8686, 1691, 8686, 3306, 1);
    expectLine(s, 10926, 1368, 10926, 3306, 2);
    expectLine(s, 1406, 1045, 1406, 3306, 2);
    expectLine(s, 570, 3306, 14286, 3306, 2);
    expectSheetEnd(s);
}

void SheetTermTest::totalWeekRows_data() {
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("y");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("size");
    QTest::newRow("week count") << 1026 << 3306 + 38 << u" 5"_s << 10;
    QTest::newRow("week count with a holiday") << 1026 << 3306 + 3 * 323 + 38 << u" 4"_s << 10;
    QTest::newRow("国語 with the Saturday") << 1444 << 3306 + 95 << u" 3.0"_s << 9;
    QTest::newRow("算数") << 2564 << 3306 + 95 << u" 1.0"_s << 9;
    QTest::newRow("教科小計 width 5") << 6484 << 3306 + 95 << u"  8.0"_s << 9;
    QTest::newRow("総授業時数 width 6") << 11064 << 3306 + 95 << u"   8.0"_s << 9;
    QTest::newRow("総時数 width 6") << 13304 << 3306 + 95 << u"   8.0"_s << 9;
    QTest::newRow("empty week") << 1444 << 3306 + 323 + 95 << u" 0.0"_s << 9;
}

void SheetTermTest::totalWeekRows() {
    QFETCH(int, x);
    QFETCH(int, y);
    QFETCH(QString, text);
    QFETCH(int, size);
    AppState state = smallState();
    RecordingSurface s;
    subPrintSeasonTotal(state, s, 1);
    expectText(s, x, y, text, size);
    for (int k = 1; k <= 15; ++k)
        expectLine(s, 988, 3306 + 323 * k, 14286, 3306 + 323 * k, 1);
}

void SheetTermTest::totalMonthColumn() {
    AppState state = smallState();
    RecordingSurface s;
    subPrintSeasonTotal(state, s, 1);
    // Both August and the other months stand at the row's top here.
    expectText(s, 608, 3306 + 323, u" 4"_s, 12);
    expectText(s, 608, 3306 + 5 * 323, u" 5"_s, 12);
    expectLine(s, 570, 3306 + 5 * 323 - 423, 988, 3306 + 5 * 323 - 423, 1);

    VacationDays days;
    days.summerLastDay = 16;
    AppState august = smallState(days);
    RecordingSurface s2;
    subPrintSeasonTotal(august, s2, 2);
    expectText(s2, 608, 3306, u" 8"_s, 12);
    QCOMPARE(s2.textsEqualTo(u" 8"_s).size(), 1);
}

void SheetTermTest::totalBlock_data() {
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("row"); // 0 plan, 1 actual, 2 difference
    QTest::addColumn<QString>("text");
    QTest::addColumn<QColor>("colour");
    QTest::newRow("国語 plan") << 1416 << 0 << u" 10.0"_s << textBlack();
    QTest::newRow("国語 actual") << 1416 << 1 << u"  3.0"_s << textBlack();
    QTest::newRow("国語 below plan") << 1416 << 2 << u" -7.0"_s << textRed();
    QTest::newRow("算数 above plan") << 2536 << 2 << u"  1.0"_s << textBlue();
    QTest::newRow("家庭 on plan") << 5336 << 2 << u"  0.0"_s << textBlack();
    QTest::newRow("教科小計") << 6456 << 2 << u" -2.0"_s << textRed();
    QTest::newRow("総授業時数 width 6") << 11026 << 2 << u"  -2.0"_s << textRed();
    QTest::newRow("総時数 width 6") << 13266 << 1 << u"   8.0"_s << textBlack();
}

void SheetTermTest::totalBlock() {
    QFETCH(int, x);
    QFETCH(int, row);
    QFETCH(QString, text);
    QFETCH(QColor, colour);
    AppState state = smallState();
    RecordingSurface s;
    subPrintSeasonTotal(state, s, 1);
    const int b = 3306 + 15 * 323;
    const auto t = s.textAt(x, b + 95 + 323 * row);
    QVERIFY(t);
    QCOMPARE(t->text, text);
    QCOMPARE(t->colour, colour);
    QCOMPARE(t->fontSize, 9);
}

void SheetTermTest::totalBlockFrame() {
    AppState state = smallState();
    RecordingSurface s;
    subPrintSeasonTotal(state, s, 1);
    const int b = 3306 + 15 * 323;
    expectText(s, 608, b + 38, u"計画"_s, 12);
    expectText(s, 608, b + 361, u"実績"_s, 12);
    expectText(s, 608, b + 684, u"増減"_s, 12);
    expectText(s, 608, b + 1368,
               u"授業日数　 %1日"_s.arg(schoolDaysBetween(state, termBounds(state, 1))), 12);
    expectLine(s, 570, b, 14286, b, 2);
    expectLine(s, 1406, 3306, 1406, b + 969, 2);
    expectLine(s, 570, b + 323, 14286, b + 323, 2);
    expectLine(s, 570, b + 646, 14286, b + 646, 2);
    expectLine(s, 1966, 3306, 1966, b + 969, 1);
    expectLine(s, 6446, 3306, 6446, b + 969, 2);
    expectLine(s, 8126, 3306, 8126, b + 969, 2);
    expectLine(s, 9806, 3306, 9806, b + 969, 1);
    expectLine(s, 12046, 3306, 12046, b + 969, 2);
    expectLine(s, 12606, 3306, 12606, b + 969, 1);
    expectLine(s, 13166, 3306, 13166, b + 969, 2);
    expectLine(s, 570, b + 969, 14286, b + 969, 1);
    expectLine(s, 570, b + 1007, 14286, b + 1007, 4);
    expectLine(s, 570, 1045, 570, b + 1007, 4);
    expectLine(s, 14286, 1045, 14286, b + 1007, 4);
}

void SheetTermTest::totalWithoutRecords() {
    // Term 3 has no registered day: every week figure and actual is 0.0, and the differences
    // are the negated plans, red where a plan is above zero.
    AppState state = smallState();
    setPlan(state, 3, HourField::kokugo, 12);
    RecordingSurface s;
    subPrintSeasonTotal(state, s, 3);
    const int rows = 11;
    for (int k = 0; k < rows; ++k)
        for (int x : {1444, 6484, 11064, 13304})
            QCOMPARE(s.textAt(x, 3306 + 323 * k + 95)->text.trimmed(), u"0.0"_s);
    const int b = 3306 + rows * 323;
    QCOMPARE(s.textAt(1416, b + 418)->text, u"  0.0"_s);
    QCOMPARE(s.textAt(1416, b + 741)->text, u" -4.0"_s);
    QCOMPARE(s.textAt(1416, b + 741)->colour, textRed());
    QCOMPARE(s.textAt(2536, b + 741)->colour, textBlack());
    expectText(s, 1140, 380, u"3 学 期　　時 間 集 計 表   ４年２組"_s, 16);
    // January is term 3's first month: its number without a separator.
    expectText(s, 608, 3306 + 323, u" 1"_s, 12);
    QVERIFY(s.linesBetween(570, 3306, 988, 3306).isEmpty());
}

QTEST_APPLESS_MAIN(SheetTermTest)
#include "sheet_term_test.moc"
