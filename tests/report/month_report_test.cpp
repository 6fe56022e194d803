// The month tables: one class's months and pace as the month view shows them, a school's classes
// month by month, and the workbook that carries the school's month sheet and its usual sheet.

#include "hand_worked_year.h"
#include "model/curriculum_rows.h"
#include "model/hours_pace.h"
#include "model/units.h"
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
namespace hw = hand_worked;

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

// The school days of the months, the year's under its actual hours and the days past under the
// plan due, as worked out by hand.
QStringList schoolDayTexts() {
    QStringList list;
    for (int days : hw::kMonthSchoolDays)
        list += QString::number(days);
    return list + QStringList{QString::number(hw::kYearSchoolDays), QString(),
                              QString::number(hw::kDaysPast), QString(), QString()};
}

// A row of the month table as worked out by hand: the months, then the pace case's figures.
QStringList rowTexts(const hw::PaceCase &c) {
    QStringList list{subjectInfo(c.field).summaryName.toString()};
    for (int i = 0; i < kSchoolYearMonths; ++i)
        list += fncUnitsToText(hw::monthUnits(i, c.field));
    return list + QStringList{QString::fromUtf16(c.actual), QString::fromUtf16(c.plan),
                              QString::fromUtf16(c.due), QString::fromUtf16(c.difference),
                              c.behind ? u"遅れ"_s : QString()};
}

} // namespace

class MonthReportTest : public QObject {
    Q_OBJECT

  private slots:
    void classTable();
    void schoolTableAndWorkbook();
};

void MonthReportTest::classTable() {
    const AppState state = hw::state();
    const ReportTable table = fncMonthReport(state, fncMonthlyPace(state, hw::kPaceDay));

    QCOMPARE(table.title, u"月別時数表"_s);
    QVERIFY2(table.classLine.endsWith(u"基準日：2026-04-15"_s), qPrintable(table.classLine));
    QCOMPARE(table.headings, QStringList{u"教科"_s} + expectedHeadings());
    // A totalling column for each figure column: not for 状況.
    QCOMPARE(table.numberHeadings.size(), 16);
    QCOMPARE(table.numberHeadings.first(), u"4月（時間）"_s);
    QCOMPARE(table.numberHeadings.last(), u"増減（時間）"_s);

    QCOMPARE(texts(table.rows.first()), QStringList{u"授業日数"_s} + schoolDayTexts());
    QCOMPARE(table.rows.first()[5].kind, ReportCell::Kind::Integer);

    // Every row the window shows (22: 外国語 at grade 5, not 外国語活動), each as
    // worked out by hand.
    QCOMPARE(table.rows.size(), 1 + 22);
    for (const hw::PaceCase &c : hw::kPaceCases) {
        const QString name = subjectInfo(c.field).summaryName.toString();
        const auto row =
            std::find_if(table.rows.begin(), table.rows.end(),
                         [&](const QList<ReportCell> &r) { return r[0].text == name; });
        QVERIFY2(row != table.rows.end(), qPrintable(name));
        QCOMPARE(texts(*row), rowTexts(c));
    }
    // The shortfall of 外国語 in red, in lesson hours for totalling: 8 units.
    const auto english =
        std::find_if(table.rows.begin(), table.rows.end(),
                     [](const QList<ReportCell> &r) { return r[0].text == u"外国語"_s; });
    QCOMPARE((*english)[16].sign, -1);
    QCOMPARE((*english)[17].sign, -1);
    QCOMPARE((*english)[16].number, -8 / 3.0);
}

void MonthReportTest::schoolTableAndWorkbook() {
    QTemporaryDir dir;
    AppState worked = hw::state();
    worked.strFileName = dir.filePath(u"5-1.zr2"_s);
    QVERIFY(subSaveFile(worked).ok());
    // A class of the year before: the day asked for is after its year, so its pace is taken on
    // the day after the year, every school day past.
    AppState last = sample::classState(2025, 2, u"3"_s);
    sample::fillPlans(last);
    last.strFileName = dir.filePath(u"2-3.zr2"_s);
    QVERIFY(subSaveFile(last).ok());

    // Without a day asked for, no months and no month rows.
    QVERIFY(fncSchoolMonthReport(fncSchoolSummary({dir.path()}, 0)).rows.isEmpty());

    const SchoolSummary summary = fncSchoolSummary({dir.path()}, 0, hw::kPaceDay);
    QCOMPARE(summary.classes.size(), 2);
    ReportTable table = fncSchoolMonthReport(summary);
    const QStringList headings = QStringList{u"年度"_s, u"学年"_s, u"組"_s, u"担任"_s, u"教科"_s} +
                                 expectedHeadings() +
                                 QStringList{u"基準日"_s, u"重複"_s, u"ファイル"_s};
    QCOMPARE(table.headings, headings);
    const int rowsOf2025 = 1 + int(summary.classes[0].pace->shownFields.size());
    QCOMPARE(table.rows.size(), rowsOf2025 + 1 + 22);
    const QStringList first = texts(table.rows.first());
    QCOMPARE(first.mid(0, 5),
             (QStringList{u"2025"_s, u"2"_s, u"3"_s, u"山田　花子"_s, u"授業日数"_s}));
    QCOMPARE(first[22], u"2026-04-01"_s);
    QCOMPARE(first.last(), dir.filePath(u"2-3.zr2"_s));

    // The worked class: its rows as worked out by hand, between the class and the day, the mark
    // and the file.
    const QStringList front = {u"2026"_s, u"5"_s, u"1"_s, u"佐藤"_s};
    const QStringList back = {u"2026-04-15"_s, QString(), dir.filePath(u"5-1.zr2"_s)};
    QCOMPARE(texts(table.rows[rowsOf2025]),
             front + QStringList{u"授業日数"_s} + schoolDayTexts() + back);
    for (const hw::PaceCase &c : hw::kPaceCases) {
        bool found = false;
        for (qsizetype r = rowsOf2025; r < table.rows.size() && !found; ++r) {
            const QStringList row = texts(table.rows[r]);
            if (row[4] != subjectInfo(c.field).summaryName.toString())
                continue;
            found = true;
            QCOMPARE(row, front + rowTexts(c) + back);
        }
        QVERIFY2(found, qPrintable(subjectInfo(c.field).summaryName.toString()));
    }

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
