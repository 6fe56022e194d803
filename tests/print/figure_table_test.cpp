// The figure table of the year sheet and the term summary sheet with 外国語 and 外国語活動:
// their columns in display order where the plan uses them, the headings and figures in the
// right columns, the groups' borders, and the table inside the frame it always had.

#include "model/curriculum_rows.h"
#include "print/figure_table.h"
#include "print/fitted_text.h"
#include "print/recording_surface.h"
#include "print/sheet_fonts.h"
#include "print/sheets.h"
#include "print_test_support.h"
#include "sheet_test_support.h"

#include <QTest>
#include <algorithm>

using namespace mirune;
using namespace mirune::test;
using namespace Qt::StringLiterals;

namespace {

// Which of the later rows a plan uses.
enum LaterRows { None = 0, English = 1, Activity = 2, Both = English | Activity };

enum class Sheet { Year, Term1Total };

// Where a sheet's figure table stands. The small state's first term has 15 week rows.
struct TableGeometry {
    int left;        // the table's left rule
    int right;       // the frame's right edge
    int titleY;      // the groups' titles; heading stacks stand below them
    int bandTop;     // the rule under the table's title
    int underline;   // the rule under the groups' titles
    int bottom;      // the heading's bottom, where the first term's rows start
    int blockBottom; // the first term's block ends here
    int rowHeight;
    int weekY; // the first week row's figures
    int planY; // the first term's plan figures
};
constexpr TableGeometry kYear{9040, 15825,           530, 520,       690,
                              1540, 1540 + 18 * 170, 170, 1540 + 50, 1540 + 15 * 170 + 50};
constexpr TableGeometry kTerm{1406, 14286,           1387, 1368,      1691,
                              3306, 3306 + 18 * 323, 323,  3306 + 95, 3306 + 15 * 323 + 95};

const TableGeometry &geometry(Sheet sheet) {
    return sheet == Sheet::Year ? kYear : kTerm;
}

// The small state (a grade 4 of 2026, whose curriculum has 外国語活動) with, on Thursday 9
// April, 英 in periods 0 and 1 and 外 in period 2 as the plan uses them, and a term-1 plan of
// 2.0 for 外国語 when it uses that.
AppState laterRowsState(int rows) {
    AppState state = smallState();
    QString subjects = u"　　　　　　　　"_s;
    if (rows & English) {
        subjects[0] = u'英';
        subjects[1] = u'英';
        setPlan(state, 1, HourField::gaikokugo, 6);
    }
    if (rows & Activity)
        subjects[2] = u'外';
    if (rows != None)
        registerDay(state, QDate(2026, 4, 9), subjects, u"33300000"_s);
    state.objSeasonPlan->calculate();
    return state;
}

RecordingSurface printSheet(Sheet sheet, AppState &state) {
    RecordingSurface s;
    if (sheet == Sheet::Year)
        subPrintYear(state, s);
    else
        subPrintSeasonTotal(state, s, 1);
    return s;
}

// The cells of the table, left to right, from the rules drawn down the first term's rows.
QList<CellSpan> cellsOf(const RecordingSurface &s, const TableGeometry &g) {
    QList<int> rules;
    for (const RecordedLine &l : s.lines())
        if (l.x1 == l.x2 && l.y1 == g.bottom && l.x1 > g.left && l.x1 < g.right &&
            !rules.contains(l.x1))
            rules.append(l.x1);
    std::sort(rules.begin(), rules.end());
    QList<CellSpan> cells;
    int left = g.left;
    for (int x : rules) {
        cells.append({left, x});
        left = x;
    }
    cells.append({left, g.right});
    return cells;
}

// The texts drawn in a cell between two heights, joined in drawing order.
QString textIn(const RecordingSurface &s, const CellSpan &cell, int top, int bottom) {
    QString joined;
    for (const RecordedText &t : s.texts())
        if (t.x >= cell.left && t.x < cell.right && t.y > top && t.y < bottom)
            joined += t.text;
    return joined;
}

// The column headings a plan's sheets show, in display order.
QStringList expectedHeadings(int rows) {
    QStringList headings = {u"国語"_s,       u"社会"_s,       u"算数"_s,
                            u"理科"_s,       u"生活"_s,       u"音楽"_s,
                            u"図工"_s,       u"家庭"_s,       u"体育"_s,
                            u"教科小計Ａ"_s, u"総合Ｂ"_s,     u"道徳Ｃ"_s,
                            u"学級活動"_s,   u"クラブ"_s,     u"児童会"_s,
                            u"学校行事"_s,   u"特活小計Ｄ"_s, u"総授業時数ＡＢＣＤ計"_s,
                            u"打切時数"_s,   u"予備時数"_s,   u"総時数"_s};
    if (rows & Activity) {
        headings.insert(12, u"外国語活動Ｅ"_s);
        headings[headings.indexOf(u"総授業時数ＡＢＣＤ計"_s)] = u"総授業時数ＡＢＣＤＥ計"_s;
    }
    if (rows & English)
        headings.insert(9, u"外国語"_s);
    return headings;
}

void addSheetRows() {
    QTest::addColumn<Sheet>("sheet");
    QTest::addColumn<int>("rows");
    for (Sheet sheet : {Sheet::Year, Sheet::Term1Total}) {
        const char *name = sheet == Sheet::Year ? "year" : "term summary";
        QTest::addRow("%s, curriculum only: the 2002 table", name) << sheet << int(None);
        QTest::addRow("%s, 外国語", name) << sheet << int(English);
        QTest::addRow("%s, 外国語活動", name) << sheet << int(Activity);
        QTest::addRow("%s, both", name) << sheet << int(Both);
    }
}

} // namespace

class FigureTableTest : public QObject {
    Q_OBJECT

  private slots:
    void headingsInDisplayOrder_data() { addSheetRows(); }
    void headingsInDisplayOrder();
    void figuresInTheirColumns_data() { addSheetRows(); }
    void figuresInTheirColumns();
    void groupBorders_data() { addSheetRows(); }
    void groupBorders();
    void insideTheFrame_data() { addSheetRows(); }
    void insideTheFrame();
    void curriculumAloneKeepsTheLayout_data();
    void curriculumAloneKeepsTheLayout();
};

void FigureTableTest::headingsInDisplayOrder() {
    QFETCH(Sheet, sheet);
    QFETCH(int, rows);
    AppState state = laterRowsState(rows);
    const RecordingSurface s = printSheet(sheet, state);
    const TableGeometry &g = geometry(sheet);
    const QList<CellSpan> cells = cellsOf(s, g);

    QStringList headings;
    for (const CellSpan &cell : cells)
        headings += textIn(s, cell, g.titleY, g.bottom);
    QCOMPARE(headings, expectedHeadings(rows));

    // The slots share the table's width evenly; the two totals (総授業時数 and 総時数) take two.
    const qsizetype n = cells.size();
    const double slot = double(g.right - g.left) / double(n + 2);
    for (qsizetype i = 0; i < n; ++i) {
        const int width = cells[i].right - cells[i].left;
        const int slotsTaken = i == n - 4 || i == n - 1 ? 2 : 1;
        QVERIFY2(
            std::abs(width - slotsTaken * slot) <= 1.0,
            qPrintable(u"%1 is %2 wide on slots of %3"_s.arg(headings[i]).arg(width).arg(slot)));
    }
}

void FigureTableTest::figuresInTheirColumns() {
    QFETCH(Sheet, sheet);
    QFETCH(int, rows);
    AppState state = laterRowsState(rows);
    const RecordingSurface s = printSheet(sheet, state);
    const TableGeometry &g = geometry(sheet);
    const QList<CellSpan> cells = cellsOf(s, g);
    const QStringList headings = expectedHeadings(rows);
    const auto figure = [&](const QString &heading, int y) {
        const qsizetype i = headings.indexOf(heading);
        return i < 0 ? u"(no column)"_s : textIn(s, cells[i], y - 1, y + 1).trimmed();
    };

    // The week of 6 April: 国語 3.0 with its Saturday, 8.0 of subjects before the 9th; 英 adds
    // 2.0 to the subjects and 外 1.0 to the lessons only.
    const int english = rows & English ? 6 : 0;
    const int activity = rows & Activity ? 3 : 0;
    const auto hours = [](int units) { return u"%1.%2"_s.arg(units / 3).arg(units % 3); };
    QCOMPARE(figure(u"国語"_s, g.weekY), u"3.0"_s);
    QCOMPARE(figure(u"教科小計Ａ"_s, g.weekY), hours(24 + english));
    QCOMPARE(figure(u"特活小計Ｄ"_s, g.weekY), u"0.0"_s);
    const QString total = rows & Activity ? u"総授業時数ＡＢＣＤＥ計"_s : u"総授業時数ＡＢＣＤ計"_s;
    QCOMPARE(figure(total, g.weekY), hours(24 + english + activity));
    QCOMPARE(figure(u"総時数"_s, g.weekY), hours(24 + english + activity));
    // The term's plan, actual and difference: 外国語 planned 2.0 and taught 2.0, 外国語活動
    // taught 1.0 without a plan.
    const int actualY = g.planY + g.rowHeight;
    const int differenceY = g.planY + 2 * g.rowHeight;
    if (rows & English) {
        QCOMPARE(figure(u"外国語"_s, g.weekY), u"2.0"_s);
        QCOMPARE(figure(u"外国語"_s, g.planY), u"2.0"_s);
        QCOMPARE(figure(u"外国語"_s, actualY), u"2.0"_s);
        QCOMPARE(figure(u"外国語"_s, differenceY), u"0.0"_s);
    }
    if (rows & Activity) {
        QCOMPARE(figure(u"外国語活動Ｅ"_s, g.weekY), u"1.0"_s);
        QCOMPARE(figure(u"外国語活動Ｅ"_s, g.planY), u"0.0"_s);
        QCOMPARE(figure(u"外国語活動Ｅ"_s, actualY), u"1.0"_s);
        QCOMPARE(figure(u"外国語活動Ｅ"_s, differenceY), u"1.0"_s);
    }
}

void FigureTableTest::groupBorders() {
    QFETCH(Sheet, sheet);
    QFETCH(int, rows);
    AppState state = laterRowsState(rows);
    const RecordingSurface s = printSheet(sheet, state);
    const TableGeometry &g = geometry(sheet);
    const QList<CellSpan> cells = cellsOf(s, g);
    const QStringList headings = expectedHeadings(rows);
    const auto cellOf = [&](const QString &heading) { return cells[headings.indexOf(heading)]; };

    // 教科 runs from the table's left rule over 外国語 to 教科小計; 特別活動 from 学級活動 to
    // 特活小計. Their underlines, and their right borders up to the title's rule.
    const CellSpan subjectsEnd = cellOf(u"教科小計Ａ"_s);
    const CellSpan activitiesStart = cellOf(u"学級活動"_s);
    const CellSpan activitiesEnd = cellOf(u"特活小計Ｄ"_s);
    expectLine(s, g.left, g.underline, subjectsEnd.right, g.underline, 2);
    expectLine(s, activitiesStart.left, g.underline, activitiesEnd.right, g.underline, 2);
    expectLine(s, subjectsEnd.right, g.bandTop, subjectsEnd.right, g.bottom, 2);
    expectLine(s, activitiesEnd.right, g.bandTop, activitiesEnd.right, g.bottom, 2);
    // Inside a group the rules start at the underline: heavy among the subjects, light among
    // the activities.
    if (rows & English) {
        const CellSpan english = cellOf(u"外国語"_s);
        expectLine(s, english.left, g.underline, english.left, g.bottom, 2);
        expectLine(s, english.right, g.underline, english.right, g.bottom, 2);
    }
    expectLine(s, activitiesStart.right, g.underline, activitiesStart.right, g.bottom, 1);
    // 外国語活動 stands outside both groups: its rules reach the title's rule.
    if (rows & Activity) {
        const CellSpan activity = cellOf(u"外国語活動Ｅ"_s);
        expectLine(s, activity.left, g.bandTop, activity.left, g.bottom, 2);
        expectLine(s, activity.right, g.bandTop, activity.right, g.bottom, 2);
    }
    // The group titles over their own groups.
    for (const auto &[title, first, last] :
         {std::tuple{u"教　　　　科"_s, cells.first(), subjectsEnd},
          std::tuple{u"特 別 活 動"_s, activitiesStart, activitiesEnd}}) {
        const QList<RecordedText> found = s.textsEqualTo(title);
        QCOMPARE(found.size(), 1);
        QVERIFY(found.first().x > first.left);
        QVERIFY(found.first().x + fncFixedPitchTextWidth(title, found.first().fontSize) <
                last.right);
    }

    // Down the rows and the block: light between two columns of the same kind (subjects,
    // activities, 打切 and 予備), heavy at every other border.
    QString widths;
    for (const CellSpan &cell : cells.first(cells.size() - 1)) {
        const QList<RecordedLine> found =
            s.linesBetween(cell.right, g.bottom, cell.right, g.blockBottom);
        widths += found.size() == 1 ? QChar(u'0' + found.first().width) : u'?';
    }
    const QString expected = u"11111111"_s + (rows & English ? u"1"_s : QString()) + u"222"_s +
                             (rows & Activity ? u"2"_s : QString()) + u"2111222"_s + u"12"_s;
    QCOMPARE(widths, expected);
}

void FigureTableTest::insideTheFrame() {
    QFETCH(Sheet, sheet);
    QFETCH(int, rows);
    AppState state = laterRowsState(rows);
    // Differences past -100 hours in every column, the widest figures a plan gives.
    for (int term = 1; term <= 3; ++term)
        for (HourField field : baseFields())
            if (!subjectInfo(field).laterCurriculum)
                setPlan(state, term, field, 330);
    state.objSeasonPlan->calculate();
    const RecordingSurface s = printSheet(sheet, state);
    const TableGeometry &g = geometry(sheet);
    const QList<CellSpan> cells = cellsOf(s, g);

    // The frame the 2002 table has.
    AppState classic = smallState();
    const SheetExtent frame = printSheet(sheet, classic).extent();
    const SheetExtent extent = s.extent();
    QCOMPARE(extent.left, frame.left);
    QCOMPARE(extent.right, frame.right);
    QCOMPARE(extent.top, frame.top);

    // Every heading character and figure inside its cell, clear of the rules.
    int inTable = 0;
    for (const RecordedText &t : s.texts()) {
        if (t.x < g.left || t.y <= g.titleY)
            continue;
        ++inTable;
        const auto cell = std::find_if(cells.begin(), cells.end(), [&](const CellSpan &c) {
            return t.x >= c.left && t.x < c.right;
        });
        QVERIFY(cell != cells.end());
        QVERIFY2(t.x + fncFixedPitchTextWidth(t.text, t.fontSize) <= cell->right - 10,
                 qPrintable(u"'%1' at %2 in %3 point crosses the rule at %4"_s.arg(t.text)
                                .arg(t.x)
                                .arg(t.fontSize)
                                .arg(cell->right)));
    }
    QVERIFY(inTable > int(cells.size()) * 4);
}

// The rule for the later rows on paper. A row only the curriculum names (外国語活動 of a grade 4
// in 2026), which the windows show, leaves the sheet as a grade 2's without that row in its
// curriculum, to the twip; a day that uses it adds the column.
void FigureTableTest::curriculumAloneKeepsTheLayout_data() {
    QTest::addColumn<Sheet>("sheet");
    QTest::newRow("year") << Sheet::Year;
    QTest::newRow("term summary") << Sheet::Term1Total;
}

void FigureTableTest::curriculumAloneKeepsTheLayout() {
    QFETCH(Sheet, sheet);
    AppState grade4 = laterRowsState(None);
    QVERIFY(fncIsFieldShown(grade4, HourField::gaikokugokatsudou));
    QVERIFY(!fncSheetShowsField(grade4, HourField::gaikokugokatsudou));
    AppState grade2 = laterRowsState(None);
    grade2.intGrade = 2;
    QVERIFY(!fncIsFieldShown(grade2, HourField::gaikokugokatsudou));

    const auto rules = [](const RecordingSurface &s) {
        QList<std::array<int, 5>> found;
        for (const RecordedLine &l : s.lines())
            found.append({l.x1, l.y1, l.x2, l.y2, l.width});
        return found;
    };
    const auto texts = [](const RecordingSurface &s) {
        QStringList found;
        for (const RecordedText &t : s.texts())
            found += u"%1,%2,%3,%4"_s.arg(t.x).arg(t.y).arg(t.fontSize).arg(t.text);
        return found;
    };
    const RecordingSurface curriculumOnly = printSheet(sheet, grade4);
    const RecordingSurface without = printSheet(sheet, grade2);
    QCOMPARE(rules(curriculumOnly), rules(without));
    // The same texts in the same places, but for the grade in the class line.
    const QStringList a = texts(curriculumOnly);
    const QStringList b = texts(without);
    QCOMPARE(a.size(), b.size());
    QStringList differing;
    for (qsizetype i = 0; i < a.size(); ++i)
        if (a[i] != b[i])
            differing += a[i] + u" / "_s + b[i];
    QVERIFY2(differing.size() == 1 && differing[0].contains(u"４年"_s) &&
                 differing[0].contains(u"２年"_s),
             qPrintable(differing.join(u'\n')));

    AppState used = laterRowsState(Activity);
    const RecordingSurface withColumn = printSheet(sheet, used);
    QVERIFY(rules(withColumn) != rules(without));
    QCOMPARE(cellsOf(withColumn, geometry(sheet)).size(),
             cellsOf(without, geometry(sheet)).size() + 1);
}

QTEST_APPLESS_MAIN(FigureTableTest)
#include "figure_table_test.moc"
