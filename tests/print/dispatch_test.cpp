// The print selection: its nine options, the refusal while no class is set up, the printer
// dialog hook, and that every sheet of a full year fits the printable area of A4.

#include "print/pdf_output.h"
#include "print/print_dispatch.h"
#include "print/recording_surface.h"
#include "print_test_support.h"
#include "sheet_test_support.h"

#include <QTest>

using namespace mirune;
using namespace mirune::test;
using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(mirune::PageOrientation)

class PrintDispatchTest : public QObject {
    Q_OBJECT

  private slots:
    void optionTable();
    void eachOption_data();
    void eachOption();
    void refusedWithoutSchoolYear();
    void cancelledDialogDrawsNothing();
    void noSuchOption_data();
    void noSuchOption();
    void fullYearFitsA4_data();
    void fullYearFitsA4();
};

void PrintDispatchTest::optionTable() {
    const QStringList captions = {
        u"年間の時数集計表"_s,   u"1学期の時間割表"_s,    u"1学期の時間集計表"_s,
        u"２学期の時間割表"_s,   u"２学期の時間集計表"_s, u"３学期の時間割表"_s,
        u"３学期の時間集計表"_s, u"週間時間割計画表A"_s,  u"週間時間割計画表B"_s,
        u"月別時数表"_s,
    };
    const QStringList keys = {
        u"year"_s,        u"term1-chart"_s, u"term1-total"_s, u"term2-chart"_s, u"term2-total"_s,
        u"term3-chart"_s, u"term3-total"_s, u"week-a"_s,      u"week-b"_s,      u"month"_s};
    QCOMPARE(captions.size(), kPrintOptionCount);
    QCOMPARE(keys.size(), kPrintOptionCount);
    for (int i = 0; i < kPrintOptionCount; ++i) {
        QCOMPARE(printOptions()[i].caption.toString(), captions[i]);
        QCOMPARE(printOptions()[i].key.toString(), keys[i]);
        QCOMPARE(fncPrintOptionIndex(keys[i]), i);
    }
    QCOMPARE(fncPrintOptionIndex(u"term4-chart"), -1);
    QCOMPARE(kNothingToPrintMessage.toString(), u"印刷するデータがありません。"_s);
}

void PrintDispatchTest::eachOption_data() {
    QTest::addColumn<int>("option");
    QTest::addColumn<PageOrientation>("orientation");
    QTest::addColumn<QString>("font");
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("y");
    QTest::addColumn<QString>("title");
    const auto landscape = PageOrientation::Landscape;
    const auto portrait = PageOrientation::Portrait;
    const QString mincho = u"ＭＳ 明朝"_s;
    const QString gothic = u"ＭＳ ゴシック"_s;
    QTest::newRow("0 year") << 0 << landscape << mincho << 500 << 520
                            << u"年 間 時 間 割　及び　時 間 集 計 表   ４年２組"_s;
    QTest::newRow("1 term 1 chart")
        << 1 << landscape << mincho << 900 << 936 << u"1 学 期　　時 間 割 表   ４年２組"_s;
    QTest::newRow("2 term 1 total")
        << 2 << landscape << mincho << 1140 << 380 << u"1 学 期　　時 間 集 計 表   ４年２組"_s;
    QTest::newRow("3 term 2 chart")
        << 3 << landscape << mincho << 900 << 936 << u"2 学 期　　時 間 割 表   ４年２組"_s;
    QTest::newRow("4 term 2 total")
        << 4 << landscape << mincho << 1140 << 380 << u"2 学 期　　時 間 集 計 表   ４年２組"_s;
    QTest::newRow("5 term 3 chart")
        << 5 << landscape << mincho << 900 << 936 << u"3 学 期　　時 間 割 表   ４年２組"_s;
    QTest::newRow("6 term 3 total")
        << 6 << landscape << mincho << 1140 << 380 << u"3 学 期　　時 間 集 計 表   ４年２組"_s;
    QTest::newRow("7 timetable A")
        << 7 << portrait << gothic << 1300 << 500 << u"４年２組   時 間 割 A"_s;
    QTest::newRow("8 timetable B")
        << 8 << portrait << gothic << 1300 << 500 << u"４年２組   時 間 割 B"_s;
    QTest::newRow("9 months") << 9 << landscape << mincho << 1140 << 380
                              << u"2026 年 度　　月 別 時 数 表   ４年２組"_s;
}

void PrintDispatchTest::eachOption() {
    QFETCH(int, option);
    QFETCH(PageOrientation, orientation);
    QFETCH(QString, font);
    QFETCH(int, x);
    QFETCH(int, y);
    QFETCH(QString, title);
    AppState state = smallState();
    RecordingSurface s;
    int dialogs = 0;
    const PrintOutcome outcome = subPrintOption(state, option, s, [&dialogs] {
        ++dialogs;
        return true;
    });
    QCOMPARE(outcome, PrintOutcome::Printed);
    QCOMPARE(dialogs, 1);
    // Orientation first, then the font name, once each.
    QCOMPARE(s.operations().first(), RecordingSurface::Operation::Orientation);
    QCOMPARE(s.operations()[1], RecordingSurface::Operation::FontName);
    QCOMPARE(s.orientations(), QList<PageOrientation>{orientation});
    QCOMPARE(s.fontNames(), QList<QString>{font});
    QCOMPARE(s.textAt(x, y)->text, title);
    expectSheetEnd(s);
}

void PrintDispatchTest::refusedWithoutSchoolYear() {
    AppState state = smallState();
    state.intYear = 0;
    RecordingSurface s;
    bool dialogShown = false;
    const PrintOutcome outcome = subPrintOption(state, 0, s, [&dialogShown] {
        dialogShown = true;
        return true;
    });
    QCOMPARE(outcome, PrintOutcome::NothingToPrint);
    QVERIFY(!dialogShown);
    QVERIFY(s.operations().isEmpty());
}

void PrintDispatchTest::cancelledDialogDrawsNothing() {
    AppState state = smallState();
    RecordingSurface s;
    QCOMPARE(subPrintOption(state, 7, s, [] { return false; }), PrintOutcome::Cancelled);
    QVERIFY(s.operations().isEmpty());
    // Without a dialog (the command line) the sheet is drawn straight away.
    QCOMPARE(subPrintOption(state, 7, s), PrintOutcome::Printed);
    QCOMPARE(s.endCount(), 1);
}

void PrintDispatchTest::noSuchOption_data() {
    QTest::addColumn<int>("option");
    QTest::newRow("-1") << -1;
    QTest::newRow("10") << 10;
}

void PrintDispatchTest::noSuchOption() {
    QFETCH(int, option);
    AppState state = smallState();
    RecordingSurface s;
    QCOMPARE(subPrintOption(state, option, s), PrintOutcome::NoSuchOption);
    QVERIFY(s.operations().isEmpty());
}

void PrintDispatchTest::fullYearFitsA4_data() {
    QTest::addColumn<int>("option");
    for (int i = 0; i < kPrintOptionCount; ++i)
        QTest::newRow(qPrintable(printOptions()[i].key.toString())) << i;
}

void PrintDispatchTest::fullYearFitsA4() {
    QFETCH(int, option);
    AppState state = fullYearState();
    RecordingSurface s;
    QCOMPARE(subPrintOption(state, option, s), PrintOutcome::Printed);

    // The printable area of A4 inside the margins, in twips, the right way round.
    const qreal twipsPerMm = 1440 / 25.4;
    const int shortSide = int((210 - 2 * kPrintableMarginMm) * twipsPerMm);
    const int longSide = int((297 - 2 * kPrintableMarginMm) * twipsPerMm);
    const bool landscape = s.orientations().first() == PageOrientation::Landscape;
    const int width = landscape ? longSide : shortSide;
    const int height = landscape ? shortSide : longSide;
    // Room for the text itself below and right of its position: a line of 12 point.
    const int textRoom = 240;
    for (const RecordedLine &l : s.lines()) {
        QVERIFY(qMin(l.x1, l.x2) >= 0 && qMax(l.x1, l.x2) <= width);
        QVERIFY2(qMin(l.y1, l.y2) >= 0 && qMax(l.y1, l.y2) <= height,
                 qPrintable(u"line to y %1 below %2"_s.arg(qMax(l.y1, l.y2)).arg(height)));
    }
    for (const RecordedText &t : s.texts())
        QVERIFY2(t.x >= 0 && t.y >= 0 && t.x < width - textRoom && t.y < height - textRoom,
                 qPrintable(u"%1 at (%2, %3)"_s.arg(t.text).arg(t.x).arg(t.y)));
}

QTEST_APPLESS_MAIN(PrintDispatchTest)
#include "dispatch_test.moc"
