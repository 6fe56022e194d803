// The year sheet: header, week rows with day cells and week figures, the month column, the
// plan/actual/difference block of each term and of the year, and the closing frame.

#include "print/recording_surface.h"
#include "print/sheets.h"
#include "print_test_support.h"
#include "sheet_test_support.h"

#include <QTest>

using namespace mirune;
using namespace mirune::test;
using namespace Qt::StringLiterals;

namespace {

// Term tops, row counts and bottoms of the small state's sheet (school year 2026 with the
// class page's vacations): 170 per week row, then 510 of block and a gap of 20.
struct TermGeometry {
    int top;
    int rows;
    int bottom;
};
constexpr std::array<TermGeometry, 3> kTerms = {
    {{1540, 15, 4090}, {4620, 17, 7510}, {8040, 11, 9910}}};
constexpr int kYearBlockTop = 10440;

} // namespace

class SheetYearTest : public QObject {
    Q_OBJECT

  private slots:
    void header();
    void weekRows();
    void dayCells_data();
    void dayCells();
    void weekFigures_data();
    void weekFigures();
    void monthColumn_data();
    void monthColumn();
    void termBlocks_data();
    void termBlocks();
    void blockFigures_data();
    void blockFigures();
    void yearBlockAndFrame();
    void refreshesActualTotals();
};

void SheetYearTest::header() {
    AppState state = smallState();
    RecordingSurface s;
    subPrintYear(state, s);

    QCOMPARE(s.orientations(), QList<PageOrientation>{PageOrientation::Landscape});
    QCOMPARE(s.fontNames(), QList<QString>{u"ＭＳ 明朝"_s});
    expectText(s, 500, 520, u"年 間 時 間 割　及び　時 間 集 計 表   ４年２組"_s, 14);
    expectText(s, 6500, 910, u"担任　 山田"_s, 10);
    expectText(s, 10515, 360, u"集　　　　　　計　　　　　　表"_s, 8);
    expectText(s, 9925, 530, u"教　　　　科"_s, 8);
    expectText(s, 12680, 530, u"特 別 活 動"_s, 8);
    // Stacked heading characters, a few of each kind.
    expectText(s, 9080, 710, u"国"_s, 8);
    expectText(s, 9080, 980, u"語"_s, 8);
    expectText(s, 11735, 1370, u"Ａ"_s, 8);
    expectText(s, 14370, 1220, u"計"_s, 8);
    expectText(s, 15375, 1220, u"数"_s, 8);
    // Weekday names and the sub-column labels of the last block.
    expectText(s, 8260, 1210, u"金"_s, 8);
    expectText(s, 940 + 180 * 36, 1380, u"日"_s, 7);
    expectText(s, 940 + 180 * 44, 1380, u"Ⅶ"_s, 7);
    expectLine(s, 200, 350, 15825, 350, 4);
    expectLine(s, 9040, 520, 15825, 520, 2);
    expectLine(s, 12875, 690, 12875, 1540, 1);
    expectLine(s, 14055, 520, 14055, 1540, 2);
    expectLine(s, 200, 1540, 15825, 1540, 1);
}

void SheetYearTest::weekRows() {
    AppState state = smallState();
    RecordingSurface s;
    subPrintYear(state, s);

    for (const TermGeometry &term : kTerms) {
        for (int k = 1; k <= term.rows; ++k)
            expectLine(s, 720, term.top + 170 * k, 15825, term.top + 170 * k, 1);
        // Every row prints its school-day count.
        for (int k = 0; k < term.rows; ++k)
            QVERIFY2(
                s.textAt(740, term.top + 170 * k + 20),
                qPrintable(u"no day count in row %1 of the term at %2"_s.arg(k).arg(term.top)));
    }
    int rowLines = 0;
    for (const RecordedLine &l : s.lines())
        rowLines += l.x1 == 720 && l.x2 == 15825 && l.y1 == l.y2;
    QCOMPARE(rowLines, 15 + 17 + 11);
}

void SheetYearTest::dayCells_data() {
    QTest::addColumn<int>("x");           // block's left edge
    QTest::addColumn<int>("y");           // row top
    QTest::addColumn<QString>("day");     // day number, empty for a crossed-out date
    QTest::addColumn<QString>("periods"); // the eight period texts joined, empty for none

    QTest::newRow("school day, not registered") << 940 << 1540 << u" 6"_s << QString();
    QTest::newRow("registered") << 2560 << 1540 << u" 7"_s << u"国算社理体音図学"_s;
    QTest::newRow("withdrawn shows the number only") << 4180 << 1540 << u" 8"_s << QString();
    QTest::newRow("national holiday") << 4180 << 1540 + 3 * 170 << u"29"_s << u"☆☆☆☆☆☆☆☆"_s;
    QTest::newRow("registered, empty periods as stored")
        << 2560 << 4620 << u" 1"_s << u"算算　　　　　　"_s;
    QTest::newRow("before term 2") << 940 << 4620 << QString() << QString();
    QTest::newRow("after term 2") << 7420 << 4620 + 16 * 170 << QString() << QString();
    QTest::newRow("before term 3") << 5800 << 8040 << QString() << QString();
    QTest::newRow("first day of term 3") << 7420 << 8040 << u" 8"_s << QString();
}

void SheetYearTest::dayCells() {
    QFETCH(int, x);
    QFETCH(int, y);
    QFETCH(QString, day);
    QFETCH(QString, periods);
    AppState state = smallState();
    RecordingSurface s;
    subPrintYear(state, s);

    const QList<RecordedText> inCell = s.textsIn(x, y, x + 1619, y + 169);
    if (day.isEmpty()) {
        QVERIFY(inCell.isEmpty());
        expectLine(s, x, y, x + 1620, y + 170, 1);
        return;
    }
    QVERIFY(s.linesBetween(x, y, x + 1620, y + 170).isEmpty());
    expectText(s, x + 20, y + 20, day, 7);
    QString printed;
    for (int p = 1; p <= 8; ++p) {
        if (const auto t = s.textAt(x + 180 * p + 20, y + 20)) {
            QCOMPARE(t->fontSize, 7);
            printed += t->text;
        }
    }
    QCOMPARE(printed, periods);
}

void SheetYearTest::weekFigures_data() {
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("y");
    QTest::addColumn<QString>("text");
    // Week of 6 April: 7 April 国算社理体音 45 minutes each (図学 without time), the withdrawn
    // 8 April nothing, Saturday 11 April 国国: 国語 9 units.
    QTest::newRow("国語 with the Saturday") << 9060 << 1590 << u" 3.0"_s;
    QTest::newRow("算数") << 9650 << 1590 << u" 1.0"_s;
    QTest::newRow("図工 without time") << 10830 << 1590 << u" 0.0"_s;
    QTest::newRow("教科小計 width 5") << 11715 << 1590 << u"  8.0"_s;
    QTest::newRow("総授業時数 width 6") << 14175 << 1590 << u"   8.0"_s;
    QTest::newRow("総時数 width 6") << 15355 << 1590 << u"   8.0"_s;
    QTest::newRow("empty week") << 9060 << 1760 << u" 0.0"_s;
    QTest::newRow("term 2 first week") << 9650 << 4670 << u" 2.0"_s;
    QTest::newRow("week count") << 740 << 1560 << u" 5"_s;
    QTest::newRow("week count with a holiday") << 740 << 1540 + 3 * 170 + 20 << u" 4"_s;
}

void SheetYearTest::weekFigures() {
    QFETCH(int, x);
    QFETCH(int, y);
    QFETCH(QString, text);
    AppState state = smallState();
    RecordingSurface s;
    subPrintYear(state, s);
    const auto t = s.textAt(x, y);
    QVERIFY(t);
    QCOMPARE(t->text, text);
    QCOMPARE(t->fontSize, x == 740 ? 7 : 5);
    QCOMPARE(t->colour, textBlack());
}

void SheetYearTest::monthColumn_data() {
    QTest::addColumn<int>("summerFirstDay");
    QTest::addColumn<int>("summerLastDay");
    QTest::addColumn<int>("term");
    QTest::addColumn<QStringList>("numbers"); // "text@y" of every month number of the term
    QTest::addColumn<QList<int>>("separators");

    // April is the term's first month: number on its second row, no separator. May 12 is past
    // the 10th, so May's separator lies 100 above its first row.
    QTest::newRow("term 1") << 20 << 31 << 1
                            << QStringList{u" 4@1730"_s, u" 5@2410"_s, u" 6@3090"_s, u" 7@3940"_s}
                            << QList<int>{2120, 2900, 3650};
    // Summer ends 16 August: August has two rows and its number on the first.
    QTest::newRow("August on its first row")
        << 20 << 16 << 2
        << QStringList{u" 8@4620"_s, u" 9@5150"_s, u"10@6000"_s, u"11@6680"_s, u"12@7360"_s}
        << QList<int>{4960, 5710, 6490, 7170};
    // Summer starts 8 July: July has a single row and shows neither number nor separator.
    QTest::newRow("single-row month")
        << 8 << 31 << 1 << QStringList{u" 4@1730"_s, u" 5@2410"_s, u" 6@3090"_s}
        << QList<int>{2120, 2900};
}

void SheetYearTest::monthColumn() {
    QFETCH(int, summerFirstDay);
    QFETCH(int, summerLastDay);
    QFETCH(int, term);
    QFETCH(QStringList, numbers);
    QFETCH(QList<int>, separators);
    VacationDays days;
    days.summerFirstDay = summerFirstDay;
    days.summerLastDay = summerLastDay;
    AppState state = smallState(days);
    RecordingSurface s;
    subPrintYear(state, s);

    // The term's extent: from its label's top to its block.
    const QList<RecordedText> labels = s.textsEqualTo(term == 1 ? u"一"_s : u"二"_s);
    QCOMPARE(labels.size(), 1);
    const int top = labels.first().y - 340;
    const QList<RecordedText> daysTexts = s.textsIn(520, top, 520, 20000);
    int bottom = 0;
    for (const RecordedText &t : daysTexts)
        if (t.text.startsWith(u"授業日数"_s) && bottom == 0)
            bottom = t.y - 190;
    QVERIFY(bottom > top);

    QStringList printed;
    for (const RecordedText &t : s.textsIn(520, top, 520, bottom - 1)) {
        QCOMPARE(t.fontSize, 8);
        printed += u"%1@%2"_s.arg(t.text).arg(t.y);
    }
    QCOMPARE(printed, numbers);
    QList<int> drawn;
    for (const RecordedLine &l : s.lines())
        if (l.x1 == 500 && l.x2 == 720 && l.y1 == l.y2 && l.y1 > top && l.y1 < bottom)
            drawn += l.y1;
    QCOMPARE(drawn, separators);
}

void SheetYearTest::termBlocks_data() {
    QTest::addColumn<int>("term");
    QTest::newRow("1") << 1;
    QTest::newRow("2") << 2;
    QTest::newRow("3") << 3;
}

void SheetYearTest::termBlocks() {
    QFETCH(int, term);
    AppState state = smallState();
    RecordingSurface s;
    subPrintYear(state, s);
    const TermGeometry g = kTerms[term - 1];
    const QString label = QStringView(u"一二三").mid(term - 1, 1).toString();

    expectText(s, 270, g.top + 340, label, 8);
    expectText(s, 270, g.top + 1020, u"学"_s, 8);
    expectText(s, 270, g.top + 1700, u"期"_s, 8);
    expectText(s, 520, g.bottom + 190,
               u"授業日数　 %1日"_s.arg(schoolDaysBetween(state, termBounds(state, term))), 8);
    expectText(s, 7320, g.bottom + 20, label + u"学期　計画"_s, 8);
    expectText(s, 7320, g.bottom + 190, label + u"学期　実績"_s, 8);
    expectText(s, 7320, g.bottom + 360, label + u"学期　増減"_s, 8);

    expectLine(s, 500, g.bottom, 15825, g.bottom, 2);
    expectLine(s, 500, g.top, 500, g.bottom + 510, 2);
    expectLine(s, 720, g.top, 720, g.bottom, 2);
    expectLine(s, 7120, g.bottom, 7120, g.bottom + 510, 2);
    expectLine(s, 9040, g.top, 9040, g.bottom + 510, 2);
    expectLine(s, 7120, g.bottom + 170, 15825, g.bottom + 170, 2);
    expectLine(s, 7120, g.bottom + 340, 15825, g.bottom + 340, 2);
    // Block edges and sub-column borders between the weekday blocks.
    expectLine(s, 2560, g.top, 2560, g.bottom, 2);
    expectLine(s, 2380, g.top, 2380, g.bottom, 1);
    // Figure columns: group borders in width 2, the others in width 1; 総授業時数 two slots.
    expectLine(s, 9335, g.top, 9335, g.bottom + 510, 1);
    expectLine(s, 11695, g.top, 11695, g.bottom + 510, 2);
    expectLine(s, 12580, g.top, 12580, g.bottom + 510, 2);
    expectLine(s, 13465, g.top, 13465, g.bottom + 510, 1);
    expectLine(s, 14055, g.top, 14055, g.bottom + 510, 2);
    expectLine(s, 14645, g.top, 14645, g.bottom + 510, 2);
    expectLine(s, 14940, g.top, 14940, g.bottom + 510, 1);
    expectLine(s, 15235, g.top, 15235, g.bottom + 510, 2);
    QVERIFY(s.linesBetween(14350, g.top, 14350, g.bottom + 510).isEmpty());
    // The double line that closes the term.
    expectLine(s, 200, g.bottom + 510, 15825, g.bottom + 510, 1);
    expectLine(s, 200, g.bottom + 530, 15825, g.bottom + 530, 1);
}

void SheetYearTest::blockFigures_data() {
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("y");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QColor>("colour");
    const int b1 = kTerms[0].bottom;
    const int b2 = kTerms[1].bottom;
    const int yb = kYearBlockTop;
    QTest::newRow("term 1 国語 plan") << 9050 << b1 + 50 << u" 10.0"_s << textBlack();
    QTest::newRow("term 1 国語 actual") << 9050 << b1 + 220 << u"  3.0"_s << textBlack();
    QTest::newRow("term 1 国語 below plan") << 9050 << b1 + 390 << u" -7.0"_s << textRed();
    QTest::newRow("term 1 算数 above plan") << 9640 << b1 + 390 << u"  1.0"_s << textBlue();
    QTest::newRow("term 1 家庭 on plan") << 11115 << b1 + 390 << u"  0.0"_s << textBlack();
    QTest::newRow("term 1 教科小計") << 11705 << b1 + 390 << u" -2.0"_s << textRed();
    QTest::newRow("term 1 総授業時数 width 6") << 14155 << b1 + 390 << u"  -2.0"_s << textRed();
    QTest::newRow("term 1 総時数 width 6") << 15335 << b1 + 220 << u"   8.0"_s << textBlack();
    QTest::newRow("term 2 算数 above plan") << 9640 << b2 + 390 << u"  1.0"_s << textBlue();
    QTest::newRow("year 国語 plan") << 9050 << yb + 50 << u" 10.0"_s << textBlack();
    QTest::newRow("year 算数 actual") << 9640 << yb + 220 << u"  3.0"_s << textBlack();
    QTest::newRow("year 算数 difference") << 9640 << yb + 390 << u"  2.0"_s << textBlue();
    QTest::newRow("year 国語 difference") << 9050 << yb + 390 << u" -7.0"_s << textRed();
}

void SheetYearTest::blockFigures() {
    QFETCH(int, x);
    QFETCH(int, y);
    QFETCH(QString, text);
    QFETCH(QColor, colour);
    AppState state = smallState();
    RecordingSurface s;
    subPrintYear(state, s);
    const auto t = s.textAt(x, y);
    QVERIFY(t);
    QCOMPARE(t->text, text);
    QCOMPARE(t->colour, colour);
    QCOMPARE(t->fontSize, 5);
}

void SheetYearTest::yearBlockAndFrame() {
    AppState state = smallState();
    RecordingSurface s;
    subPrintYear(state, s);
    const int t = kYearBlockTop;
    int yearDays = 0;
    for (int term = 1; term <= 3; ++term)
        yearDays += schoolDaysBetween(state, termBounds(state, term));

    expectText(s, 520, t + 190, u"授業日数　 %1日"_s.arg(yearDays), 8);
    expectText(s, 7320, t + 20, u"年　間　計画"_s, 8);
    expectText(s, 7320, t + 190, u"年　間　実績"_s, 8);
    expectText(s, 7320, t + 360, u"年　間　増減"_s, 8);
    expectLine(s, 7120, t, 7120, t + 510, 2);
    expectLine(s, 9040, t, 9040, t + 510, 2);
    expectLine(s, 11695, t, 11695, t + 510, 2);
    expectLine(s, 7120, t + 170, 15825, t + 170, 2);
    // The year block has no term column line of its own.
    QVERIFY(s.linesBetween(500, t, 500, t + 510).isEmpty());
    // Closing frame, then the end of the sheet.
    expectLine(s, 200, t + 510, 15825, t + 510, 4);
    expectLine(s, 200, 350, 200, t + 510, 4);
    expectLine(s, 15825, 350, 15825, t + 510, 4);
    expectSheetEnd(s);
}

void SheetYearTest::refreshesActualTotals() {
    AppState state = smallState();
    // Stale totals must not reach the paper.
    state.objYearTotal->hours[HourField::kokugo] = 999;
    RecordingSurface s;
    subPrintYear(state, s);
    QCOMPARE(state.objYearTotal->hours[HourField::kokugo], qint16(9));
    QCOMPARE(state.objYearTotal->terms()[0]->hours[HourField::kokugo], qint16(9));
}

QTEST_APPLESS_MAIN(SheetYearTest)
#include "sheet_year_test.moc"
