// Sheets that read right on real data: figures inside their cells, titles and names inside the
// frame, every sheet whole on its paper, and sheets scaled to fill B4 and A3.

#include "print/fitted_text.h"
#include "print/pdf_output.h"
#include "print/placed_sheets.h"
#include "print/print_dispatch.h"
#include "print/recording_surface.h"
#include "print/sheet_fonts.h"
#include "print/sheet_frame.h"
#include "print/sheets.h"
#include "print_test_support.h"
#include "sheet_test_support.h"

#include <QTest>
#include <algorithm>

using namespace mirune;
using namespace mirune::test;
using namespace Qt::StringLiterals;

namespace {

constexpr int kYearOption = 0;
constexpr int kTerm1ChartOption = 1;
constexpr int kTerm1TotalOption = 2;
constexpr int kWeekAOption = 7;
constexpr int kMonthOption = 9;

// The small state's year sheet: term 1 has 15 rows from y = 1540, so its block starts at 4090.
constexpr int kYearTerm1Bottom = 1540 + 15 * 170;
// The small state's first term summary: 15 rows of 323 from y = 3306.
constexpr int kTermTotalBottom = 3306 + 15 * 323;

// The first summary column (国語) and the gap figures keep from its rules.
constexpr CellSpan kYearKokugo{9040, 9335};
constexpr CellSpan kTermKokugo{1406, 1966};
constexpr int kInset = 10;

int widthOf(const RecordedText &t) {
    return fncFixedPitchTextWidth(t.text, t.fontSize);
}

// A year whose terms run late: the first to 20 July, the second from the day after
// `summerLastDay` in August, the third to 24 March.
AppState lateTermsState(int summerLastDay) {
    VacationDays days;
    days.summerFirstDay = 21;
    days.summerLastDay = summerLastDay;
    days.springFirstDay = 25;
    return classState(2026, 3, u"1"_s, u"鈴木　一郎"_s, days);
}

// No lesson recorded and a plan of `units` for every subject in every term: the year sheet's
// differences are all below -100 hours, as on any plan printed before March.
AppState bigPlanState(qint16 units) {
    AppState state = classState(2026, 3, u"1"_s, u"鈴木　一郎"_s);
    for (int term = 1; term <= 3; ++term)
        for (HourField field : baseFields())
            setPlan(state, term, field, units);
    state.objSeasonPlan->calculate();
    return state;
}

// The rules either side of the figure column a text stands in, from the rules the sheet drew
// down its first week rows (a plan for every subject uses 外国語 and 外国語活動 too, which
// narrow the columns).
CellSpan cellOf(const RecordingSurface &s, int x, int left, int right, int top) {
    int cellLeft = left;
    int cellRight = right;
    for (const RecordedLine &l : s.lines()) {
        if (l.x1 != l.x2 || l.y1 != top || l.x1 <= left || l.x1 >= right)
            continue;
        if (l.x1 <= x)
            cellLeft = std::max(cellLeft, l.x1);
        else
            cellRight = std::min(cellRight, l.x1);
    }
    return {cellLeft, cellRight};
}

struct ScaledBox {
    qreal left;
    qreal top;
    qreal right;
    qreal bottom;
};

ScaledBox placedBox(const SheetExtent &e, const SheetPlacement &p) {
    return {e.left * p.scale + p.offsetX, e.top * p.scale + p.offsetY,
            e.right * p.scale + p.offsetX, e.bottom * p.scale + p.offsetY};
}

} // namespace

class SheetFitTest : public QObject {
    Q_OBJECT

  private slots:
    void figureInCell_data();
    void figureInCell();
    void figureOnSheet_data();
    void figureOnSheet();
    void noFigureCrossesARule_data();
    void noFigureCrossesARule();
    void namesInsideFrame_data();
    void namesInsideFrame();
    void longYear_data();
    void longYear();
    void sheetsAsDrawnOnA4();
    void fitToPaper_data();
    void fitToPaper();
    void placementArithmetic();
};

void SheetFitTest::figureInCell_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("x"); // where the text ends up
    QTest::addColumn<int>("y"); // a smaller figure: 10 twips lower for each point less
    QTest::addColumn<int>("size");
    QTest::addColumn<QString>("printed");

    // A cell from 1000 to 1560 with 9-point figures placed at 1038: 90 twips a character, the
    // figure ending at 1550 at the most.
    QTest::newRow("padded, fits") << u"  0.0"_s << 1038 << 500 << 9 << u"  0.0"_s;
    QTest::newRow("five characters end at 1488") << u"100.0"_s << 1038 << 500 << 9 << u"100.0"_s;
    QTest::newRow("six move left to end at 1550") << u"-100.0"_s << 1010 << 500 << 9 << u"-100.0"_s;
    QTest::newRow("seven in 7 point, centred on the line")
        << u"-1000.0"_s << 1550 - 7 * 70 << 520 << 7 << u"-1000.0"_s;
    QTest::newRow("padding dropped once moved")
        << u" -1000.0"_s << 1060 << 520 << 7 << u"-1000.0"_s;
}

void SheetFitTest::figureInCell() {
    QFETCH(QString, text);
    QFETCH(int, x);
    QFETCH(int, y);
    QFETCH(int, size);
    QFETCH(QString, printed);
    RecordingSurface s;
    s.setFontSize(9);
    printFigureInCell(s, 1038, 500, text, 9, {1000, 1560}, kInset);
    expectText(s, x, y, printed, size);
    if (QTest::currentTestFailed())
        return;
    const RecordedText t = s.texts().first();
    QVERIFY(t.x >= 1000 + kInset);
    QVERIFY(t.x + widthOf(t) <= 1560 - kInset);
    // The size in force afterwards is the figures' size again.
    QCOMPARE(s.textWidth(u"0"_s), fncFixedPitchTextWidth(u"0", 9));
}

void SheetFitTest::figureOnSheet_data() {
    QTest::addColumn<int>("option");
    QTest::addColumn<int>("plan"); // term 1 国語 plan in units; 9 were taught (3.0 hours)
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("y");
    QTest::addColumn<int>("size");
    QTest::addColumn<QString>("text");

    // The difference row of term 1 in the 国語 column. Year sheet: 5 point, 50 twips a
    // character, figures from x = 9050 and ending by 9325.
    const int yearY = kYearTerm1Bottom + 390;
    QTest::newRow("year, four characters") << kYearOption << 30 << 9050 << yearY << 5 << u" -7.0"_s;
    QTest::newRow("year, five characters")
        << kYearOption << 300 << 9050 << yearY << 5 << u"-97.0"_s;
    QTest::newRow("year, six characters in 4 point")
        << kYearOption << 330 << 9325 - 6 * 40 << yearY + 10 << 4 << u"-107.0"_s;
    QTest::newRow("year, seven characters in 3 point")
        << kYearOption << 3009 << 9325 - 7 * 30 << yearY + 20 << 3 << u"-1000.0"_s;
    // Term summary: 9 point, 90 twips a character, from 1416 and ending by 1956.
    const int termY = kTermTotalBottom + 741;
    QTest::newRow("term, four characters")
        << kTerm1TotalOption << 30 << 1416 << termY << 9 << u" -7.0"_s;
    QTest::newRow("term, six characters end on the inset")
        << kTerm1TotalOption << 330 << 1416 << termY << 9 << u"-107.0"_s;
    QTest::newRow("term, seven characters in 7 point")
        << kTerm1TotalOption << 3009 << 1956 - 7 * 70 << termY + 20 << 7 << u"-1000.0"_s;
}

void SheetFitTest::figureOnSheet() {
    QFETCH(int, option);
    QFETCH(int, plan);
    QFETCH(int, x);
    QFETCH(int, y);
    QFETCH(int, size);
    QFETCH(QString, text);
    AppState state = smallState();
    setPlan(state, 1, HourField::kokugo, qint16(plan));
    state.objSeasonPlan->calculate();
    RecordingSurface s;
    subDrawSheet(state, printOptions()[option], s);
    expectText(s, x, y, text, size);
    if (QTest::currentTestFailed())
        return;
    const RecordedText t = *s.textAt(x, y);
    const CellSpan cell = option == kYearOption ? kYearKokugo : kTermKokugo;
    QVERIFY(t.x >= cell.left + kInset);
    QVERIFY2(t.x + widthOf(t) <= cell.right - kInset,
             qPrintable(u"ends at %1"_s.arg(t.x + widthOf(t))));
    // Red, as any difference below zero.
    QCOMPARE(t.colour, textRed());
}

void SheetFitTest::noFigureCrossesARule_data() {
    QTest::addColumn<int>("plan");
    QTest::newRow("differences of -110 hours") << 330;
    QTest::newRow("differences of -400 hours, subtotals past -1000") << 1200;
}

// Every figure of the year sheet, of the three term summaries and of the month sheet stays inside
// its cell.
void SheetFitTest::noFigureCrossesARule() {
    QFETCH(int, plan);
    AppState state = bigPlanState(qint16(plan));
    struct Sheet {
        int option;
        int figuresLeft;
        int right;
        int headerBottom;
    };
    for (const Sheet &sheet : {Sheet{kYearOption, 9040, 15825, 1540}, Sheet{2, 1406, 14286, 3306},
                               Sheet{4, 1406, 14286, 3306}, Sheet{6, 1406, 14286, 3306},
                               Sheet{kMonthOption, 1406, 14286, 3306}}) {
        RecordingSurface s;
        subDrawSheet(state, printOptions()[sheet.option], s, QDate(2026, 12, 11));
        int figures = 0;
        for (const RecordedText &t : s.texts()) {
            if (t.x < sheet.figuresLeft || t.y < sheet.headerBottom)
                continue;
            ++figures;
            const CellSpan cell =
                cellOf(s, t.x, sheet.figuresLeft, sheet.right, sheet.headerBottom);
            QVERIFY2(t.x >= cell.left + kInset && t.x + widthOf(t) <= cell.right - kInset,
                     qPrintable(u"sheet %1: '%2' at %3 in %4 point crosses the rules %5-%6"_s
                                    .arg(sheet.option)
                                    .arg(t.text)
                                    .arg(t.x)
                                    .arg(t.fontSize)
                                    .arg(cell.left)
                                    .arg(cell.right)));
        }
        QVERIFY(figures > 21 * 3);
    }
}

void SheetFitTest::namesInsideFrame_data() {
    QTest::addColumn<int>("option");
    QTest::addColumn<int>("right"); // the rule the title and the teacher keep inside
    QTest::addColumn<int>("titleSize");
    QTest::addColumn<int>("teacherSize");
    QTest::addColumn<bool>("titleShrinks"); // the term sheets' titles have room for the class
    QTest::newRow("year, left of the summary table") << kYearOption << 9040 << 14 << 10 << true;
    QTest::newRow("term timetable") << kTerm1ChartOption << 15732 << 16 << 14 << false;
    QTest::newRow("term summary") << kTerm1TotalOption << 14286 << 16 << 12 << false;
    QTest::newRow("weekly chart") << kWeekAOption << 9250 << 32 << 18 << true;
    QTest::newRow("month sheet") << kMonthOption << 14286 << 16 << 12 << false;
}

void SheetFitTest::namesInsideFrame() {
    QFETCH(int, option);
    QFETCH(int, right);
    QFETCH(int, titleSize);
    QFETCH(int, teacherSize);
    QFETCH(bool, titleShrinks);
    const QString klass = u"ひまわり学級なかよしさんグループ"_s;
    const QString teacher = u"寿限無寿限無五劫の擦り切れ海砂利水魚の水行末"_s;
    AppState state = classState(2026, 4, klass, teacher);
    RecordingSurface s;
    subDrawSheet(state, printOptions()[option], s);

    int found = 0;
    for (const RecordedText &t : s.texts()) {
        const bool isTitle = t.text.contains(klass);
        const bool isTeacher = t.text.contains(teacher);
        if (!isTitle && !isTeacher)
            continue;
        ++found;
        const int ownSize = isTitle ? titleSize : teacherSize;
        QVERIFY2(t.x + widthOf(t) <= right,
                 qPrintable(u"'%1' ends at %2"_s.arg(t.text).arg(t.x + widthOf(t))));
        // The largest size up to its own that fits: one point more would pass the rule.
        const bool shrinks = isTeacher || titleShrinks;
        QCOMPARE(t.fontSize < ownSize, shrinks);
        if (shrinks)
            QVERIFY(t.x + fncFixedPitchTextWidth(t.text, t.fontSize + 1) > right);
    }
    QCOMPARE(found, 2);
}

void SheetFitTest::longYear_data() {
    QTest::addColumn<int>("summerLastDay"); // the second term starts the day after
    QTest::addColumn<int>("rows");
    QTest::addColumn<QString>("notice"); // empty: the sheet stays as drawn

    // A4 landscape with 5 mm margins leaves 200 mm, 11,339 twips, for the height.
    QTest::newRow("45 rows fit") << 31 << 45 << QString();
    QTest::newRow("46 rows, past the printable area")
        << 24 << 46
        << u"「年間の時数集計表」は用紙の印刷範囲に収まらないため、全体を 98% に縮小しました。"_s;
    QTest::newRow("47 rows, past the paper's edge")
        << 16 << 47
        << u"「年間の時数集計表」は用紙の印刷範囲に収まらないため、全体を 97% に縮小しました。"_s;
}

void SheetFitTest::longYear() {
    QFETCH(int, summerLastDay);
    QFETCH(int, rows);
    QFETCH(QString, notice);
    AppState state = lateTermsState(summerLastDay);
    int termRows = 0;
    for (int term = 1; term <= 3; ++term)
        termRows += fncTermSpan(state, term).rowCount;
    QCOMPARE(termRows, rows);

    const MeasuredSheet sheet = fncMeasureSheet(state, printOptions()[kYearOption]);
    QCOMPARE(sheet.orientation, PageOrientation::Landscape);
    // Header, the rows, three term blocks with their gaps, the year block; the year block's
    // last caption, one em of 8 point from 360 below the block's top, ends 10 below its frame.
    QCOMPARE(sheet.extent.bottom, 1540 + 170 * rows + 3 * 530 + 510 + 10);
    QCOMPARE(sheet.extent.right, 15825);

    const QPageLayout a4 = fncSheetPageLayout(PaperSize::A4);
    const QSizeF area = fncPrintableTwips(a4, PageOrientation::Landscape);
    const SheetPlacement placement = fncPlaceOnPaper(sheet, a4, PaperFit{});
    if (notice.isEmpty()) {
        QVERIFY(placement.isIdentity());
        return;
    }
    // Scaled about the corner of the printable area until the frame's bottom reaches its edge.
    QVERIFY(placement.scale < 1);
    QCOMPARE(placement.offsetX, 0.0);
    QCOMPARE(placement.offsetY, 0.0);
    const ScaledBox box = placedBox(sheet.extent, placement);
    QVERIFY(box.bottom <= area.height() + 0.01);
    QVERIFY(box.bottom >= area.height() - 1);
    QVERIFY(box.right <= area.width());
    QCOMPARE(fncShrinkNotice(printOptions()[kYearOption].caption, placement.scale), notice);
}

// The example-like year and every other sheet stay exactly as laid out on A4, and on larger
// paper unless asked to fill it.
void SheetFitTest::sheetsAsDrawnOnA4() {
    AppState state = fullYearState();
    for (PaperSize paper : {PaperSize::A4, PaperSize::B4, PaperSize::A3}) {
        for (const PrintOption &option : printOptions()) {
            const SheetPlacement placement = fncPlaceOnPaper(fncMeasureSheet(state, option),
                                                             fncSheetPageLayout(paper), PaperFit{});
            QVERIFY2(placement.isIdentity(), qPrintable(option.key.toString()));
        }
    }
}

void SheetFitTest::fitToPaper_data() {
    QTest::addColumn<PaperSize>("paper");
    QTest::addColumn<qreal>("minScale"); // every sheet grows at least this much from A4
    QTest::newRow("B4") << PaperSize::B4 << 1.1;
    QTest::newRow("A3") << PaperSize::A3 << 1.3;
}

void SheetFitTest::fitToPaper() {
    QFETCH(PaperSize, paper);
    QFETCH(qreal, minScale);
    AppState state = fullYearState();
    const QPageLayout layout = fncSheetPageLayout(paper);
    for (const PrintOption &option : printOptions()) {
        const MeasuredSheet sheet = fncMeasureSheet(state, option);
        const QSizeF area = fncPrintableTwips(layout, sheet.orientation);
        const SheetPlacement placement = fncPlaceOnPaper(sheet, layout, PaperFit{true});
        const ScaledBox box = placedBox(sheet.extent, placement);
        const QString what = option.key.toString();
        QVERIFY2(placement.scale >= minScale, qPrintable(what));
        // Inside the printable area, centred both ways, touching two opposite edges.
        QVERIFY2(box.left >= -0.01 && box.top >= -0.01, qPrintable(what));
        QVERIFY2(box.right <= area.width() + 0.01 && box.bottom <= area.height() + 0.01,
                 qPrintable(what));
        QVERIFY2(qAbs(box.left - (area.width() - box.right)) < 0.01, qPrintable(what));
        QVERIFY2(qAbs(box.top - (area.height() - box.bottom)) < 0.01, qPrintable(what));
        QVERIFY2(qMin(box.left, box.top) < 0.01, qPrintable(what));
    }
}

void SheetFitTest::placementArithmetic() {
    SheetExtent extent;
    extent.include(1000, 500, 9000, 15500);
    const QSizeF area(10000, 16000);
    // Inside: as drawn.
    QVERIFY(fncPlaceSheet(extent, area, false).isIdentity());
    // Past the bottom: scaled about the corner so that the bottom edge meets the area's.
    extent.include(1000, 500, 9000, 20000);
    const SheetPlacement down = fncPlaceSheet(extent, area, false);
    QCOMPARE(down.scale, 0.8);
    QVERIFY(down.offsetX == 0 && down.offsetY == 0);
    // Fitted: 8,000 × 19,500 grows to 16,000 high and is centred across.
    const SheetPlacement fitted = fncPlaceSheet(extent, area, true);
    QCOMPARE(fitted.scale, 16000.0 / 19500);
    const ScaledBox box = placedBox(extent, fitted);
    QVERIFY(qAbs(box.top) < 1e-9 && qAbs(box.bottom - 16000) < 1e-9);
    QVERIFY(qAbs(box.left - (10000 - box.right)) < 1e-9);
    // Nothing drawn: nothing to place.
    QVERIFY(fncPlaceSheet(SheetExtent{}, area, true).isIdentity());
}

QTEST_APPLESS_MAIN(SheetFitTest)
#include "sheet_fit_test.moc"
