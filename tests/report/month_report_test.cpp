// The month tables: one class's months and pace as the month view shows them, a school's classes
// month by month, and the workbook that carries the school's month sheet and its usual sheet.

#include "model/curriculum_rows.h"
#include "model/hours_pace.h"
#include "report/month_report.h"
#include "report/school_summary.h"
#include "report/workbook_write.h"
#include "sample_states.h"
#include "storage/data_file.h"
#include "xlsx_reader.h"

#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace mirune;
using namespace mirune::test;

namespace {

using F = HourField;

const QDate kToday(2026, 12, 11);

// A grade-5 class of 2026 with a full plan of the 2002 rows and 70 hours of 外国語, every day
// from April to 11 December registered from the sample week (which has no 外国語).
AppState gradeFiveBehindInEnglish() {
    AppState state = sample::classState(2026, 5, u"1"_s);
    sample::fillPlans(state);
    HourCounts &term3 = state.objSeasonPlan->terms()[2]->hours;
    term3[F::gaikokugo] = 210;
    term3.deriveTotals();
    state.objSeasonPlan->calculate();
    sample::registerDays(state, QDate(2026, 4, 1), kToday);
    return state;
}

QStringList expectedHeadings() {
    QStringList headings;
    for (int month : {4, 5, 6, 7, 8, 9, 10, 11, 12, 1, 2, 3})
        headings += u"%1月"_s.arg(month);
    return headings +
           QStringList{u"年間･実績"_s, u"年間･計画"_s, u"今日までの計画"_s, u"増減"_s, u"状況"_s};
}

QStringList texts(const QList<ReportCell> &cells) {
    QStringList list;
    for (const ReportCell &cell : cells)
        list += cell.text;
    return list;
}

} // namespace

class MonthReportTest : public QObject {
    Q_OBJECT

  private slots:
    void classTable();
    void schoolTableAndWorkbook();
};

void MonthReportTest::classTable() {
    const AppState state = gradeFiveBehindInEnglish();
    const MonthlyPace pace = fncMonthlyPace(state, kToday);
    const ReportTable table = fncMonthReport(state, pace);

    QCOMPARE(table.title, u"月別時数表"_s);
    QVERIFY2(table.classLine.endsWith(u"基準日：2026-12-11"_s), qPrintable(table.classLine));
    QCOMPARE(table.headings, QStringList{u"教科"_s} + expectedHeadings());
    // A totalling column for each figure column: not for 状況.
    QCOMPARE(table.numberHeadings.size(), 16);
    QCOMPARE(table.numberHeadings.first(), u"4月（時間）"_s);
    QCOMPARE(table.numberHeadings.last(), u"増減（時間）"_s);

    // The school days first: of each month, the year's under its actual hours and the days past
    // under the plan due.
    const QList<ReportCell> &days = table.rows.first();
    QCOMPARE(days.first().text, u"授業日数"_s);
    QCOMPARE(days[1].text, QString::number(pace.totals.months[0].schoolDays));
    QCOMPARE(days[5].text, u"0"_s); // August
    QCOMPARE(days[13].text, QString::number(pace.totals.yearSchoolDays));
    QCOMPARE(days[15].text, QString::number(pace.daysPast));
    QCOMPARE(days[5].kind, ReportCell::Kind::Integer);

    // Then every row the window shows, 外国語 among them at grade 5.
    const QList<HourField> shown = fncShownFields(state);
    QVERIFY(shown.contains(F::gaikokugo));
    QCOMPARE(table.rows.size(), 1 + shown.size());
    const qsizetype english = 1 + shown.indexOf(F::gaikokugo);
    const QList<ReportCell> &row = table.rows[english];
    const PaceRow &figures = pace.row(F::gaikokugo);
    QCOMPARE(texts(row), (QStringList{u"外国語"_s, u"0.0"_s, u"0.0"_s, u"0.0"_s, u"0.0"_s, u"0.0"_s,
                                      u"0.0"_s, u"0.0"_s, u"0.0"_s, u"0.0"_s, u"0.0"_s, u"0.0"_s,
                                      u"0.0"_s, u"0.0"_s, u"70.0"_s, fncUnitsToText(figures.due),
                                      fncUnitsToText(-figures.due), u"遅れ"_s}));
    QVERIFY(figures.due > 100);
    QCOMPARE(row[16].sign, -1);
    QCOMPARE(row[17].sign, -1);
    QCOMPARE(row[16].number, -figures.due / 3.0);

    // 国語 month by month as the model counts it, on pace.
    const QList<ReportCell> &kokugo = table.rows[1 + shown.indexOf(F::kokugo)];
    for (int i = 0; i < kSchoolYearMonths; ++i)
        QCOMPARE(kokugo[1 + i].text, fncUnitsToText(pace.totals.months[i].actual[F::kokugo]));
    QCOMPARE(kokugo[13].text, fncUnitsToText(pace.totals.yearActual()[F::kokugo]));
    QCOMPARE(kokugo[17].text, pace.row(F::kokugo).behind ? u"遅れ"_s : QString());
}

void MonthReportTest::schoolTableAndWorkbook() {
    QTemporaryDir dir;
    AppState behind = gradeFiveBehindInEnglish();
    behind.strFileName = dir.filePath(u"5-1.zr2"_s);
    QVERIFY(subSaveFile(behind).ok());
    // A class of the year before: its day is held to that year's last day.
    AppState last = sample::classState(2025, 2, u"3"_s);
    sample::fillPlans(last);
    sample::registerDays(last, QDate(2025, 4, 1), QDate(2026, 3, 31));
    last.strFileName = dir.filePath(u"2-3.zr2"_s);
    QVERIFY(subSaveFile(last).ok());

    // Without a day asked for, no months and no month rows.
    QVERIFY(fncSchoolMonthReport(fncSchoolSummary({dir.path()}, 0)).rows.isEmpty());

    const SchoolSummary summary = fncSchoolSummary({dir.path()}, 0, kToday);
    QCOMPARE(summary.classes.size(), 2);
    ReportTable table = fncSchoolMonthReport(summary);
    const QStringList headings = QStringList{u"年度"_s, u"学年"_s, u"組"_s, u"担任"_s, u"教科"_s} +
                                 expectedHeadings() +
                                 QStringList{u"基準日"_s, u"重複"_s, u"ファイル"_s};
    QCOMPARE(table.headings, headings);
    const int rowsOf2025 = 1 + int(summary.classes[0].pace->shownFields.size());
    const int rowsOf2026 = 1 + int(summary.classes[1].pace->shownFields.size());
    QCOMPARE(table.rows.size(), rowsOf2025 + rowsOf2026);
    const QStringList first = texts(table.rows.first());
    QCOMPARE(first.mid(0, 6),
             (QStringList{u"2025"_s, u"2"_s, u"3"_s, u"山田　花子"_s, u"授業日数"_s,
                          QString::number(summary.classes[0].pace->totals.months[0].schoolDays)}));
    QCOMPARE(first[22], u"2026-03-31"_s);
    QCOMPARE(texts(table.rows[rowsOf2025])[22], u"2026-12-11"_s);
    QCOMPARE(first.last(), dir.filePath(u"2-3.zr2"_s));
    // 外国語 of the 2026 class, planned and never taught, is behind.
    bool englishBehind = false;
    for (const QList<ReportCell> &row : table.rows)
        if (row[0].text == u"2026"_s && row[4].text == u"外国語"_s)
            englishBehind = row[21].text == u"遅れ"_s;
    QVERIFY(englishBehind);

    // The texts a terminal gets, made without the cells, are the cells' texts.
    QCOMPARE(fncSchoolMonthLines(summary), fncReportLines(table));

    // The workbook: the months first, then the school's usual sheet.
    table.followingSheets.push_back(fncSchoolReport(summary));
    QString error;
    const QByteArray bytes = fncWorkbookBytes(table, &error);
    QVERIFY2(!bytes.isEmpty(), qPrintable(error));
    const Workbook months = readWorkbook(bytes);
    const QByteArray workbookXml = months.parts.value(u"xl/workbook.xml"_s);
    QVERIFY(workbookXml.contains(u"name=\"月別時数\""_s.toUtf8()));
    QVERIFY(workbookXml.contains(u"name=\"時数集計\""_s.toUtf8()));
    QVERIFY(workbookXml.indexOf(u"月別時数"_s.toUtf8()) <
            workbookXml.indexOf(u"時数集計"_s.toUtf8()));
    QCOMPARE(months.text(u"A1"_s), u"学校の月別時数"_s);
    QCOMPARE(months.text(u"F4"_s), u"4月"_s);
    QCOMPARE(months.text(u"E5"_s), u"授業日数"_s);
    QVERIFY(months.cells.value(u"F5"_s).isNumber);
    const Workbook usual = readWorkbook(bytes, 2);
    QCOMPARE(usual.text(u"A1"_s), u"学校の時数集計　年間"_s);
    QCOMPARE(usual.text(u"E4"_s), u"教科"_s);
}

QTEST_APPLESS_MAIN(MonthReportTest)
#include "month_report_test.moc"
