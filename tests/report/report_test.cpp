// The records office's outputs: CSV bytes as Excel on a Japanese PC reads them, the workbook read
// back (headings, figures, numbers for totalling, colours, the page), and a school's class files
// summarised at once with broken and duplicate files among them.

#include "model/curriculum_rows.h"
#include "model/hours_summary.h"
#include "report/csv_bytes.h"
#include "report/report_table.h"
#include "report/school_summary.h"
#include "report/workbook_write.h"
#include "sample_states.h"
#include "storage/data_file.h"
#include "xlsx_reader.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace mirune;
using namespace mirune::test;

namespace {

using F = HourField;

// A class of `year` with a full plan and the days from 1 April to `last` registered.
AppState classWithDays(int year, int grade, const QString &className, const QDate &last) {
    AppState state = sample::classState(year, grade, className);
    sample::fillPlans(state);
    sample::registerDays(state, QDate(year, 4, 1), last);
    return state;
}

bool save(AppState state, const QString &path) {
    state.strFileName = path;
    return subSaveFile(state).ok();
}

} // namespace

class ReportTest : public QObject {
    Q_OBJECT

  private slots:
    void csvBytes_data();
    void csvBytes();
    void workbookReadBack();
    void workbookNotWrittenIntoAMissingFolder();
    void schoolFolderWithGoodBrokenAndDuplicateFiles();
    void schoolClassOrder();
    void schoolTermOrYear_data();
    void schoolTermOrYear();
};

void ReportTest::csvBytes_data() {
    QTest::addColumn<QList<QStringList>>("lines");
    QTest::addColumn<QByteArray>("bytes");
    const QByteArray bom("\xEF\xBB\xBF");
    QTest::newRow("no lines: the mark alone") << QList<QStringList>{} << bom;
    QTest::newRow("CR LF after every line")
        << QList<QStringList>{{u"教科"_s, u"学期･計画"_s}, {u"国語"_s, u"32.1"_s}}
        << bom + u"教科,学期･計画\r\n国語,32.1\r\n"_s.toUtf8();
    QTest::newRow("half-width katakana and the dash kept")
        << QList<QStringList>{{u"ｸﾗﾌﾞ"_s, u"—"_s}} << bom + u"ｸﾗﾌﾞ,—\r\n"_s.toUtf8();
    QTest::newRow("comma, quote and line break quoted")
        << QList<QStringList>{{u"a,b"_s, u"say \"hi\""_s, u"two\nlines"_s, u""_s}}
        << bom + QByteArray("\"a,b\",\"say \"\"hi\"\"\",\"two\nlines\",\r\n");
}

void ReportTest::csvBytes() {
    QFETCH(QList<QStringList>, lines);
    QFETCH(QByteArray, bytes);
    QCOMPARE(fncCsvBytes(lines), bytes);
}

void ReportTest::workbookReadBack() {
    AppState state = classWithDays(2026, 4, u"2"_s, QDate(2026, 5, 31));
    const HoursSummary summary = fncHoursSummary(state, 1);
    QString error;
    const QByteArray bytes = fncWorkbookBytes(fncSummaryReport(state, summary), &error);
    QVERIFY2(!bytes.isEmpty(), qPrintable(error));
    const Workbook book = readWorkbook(bytes);
    QVERIFY(!book.sheetXml().isEmpty());

    QCOMPARE(book.text(u"A1"_s), u"時数集計表　1学期"_s);
    QVERIFY(book.text(u"A2"_s).startsWith(u"2026年　4年2組"_s));
    // The window's headings, then the lesson-hour columns for totalling.
    const QString columns = u"ABCDEFGHIJKLMNO"_s;
    for (int c = 0; c < kHoursSummaryColumns; ++c)
        QCOMPARE(book.text(columns[c] + u"4"_s), hoursSummaryHeadings()[c]);
    QCOMPARE(book.text(u"J4"_s), u"学期･計画\n（時間）"_s);
    QCOMPARE(book.text(u"O4"_s), u"年間･増減\n（時間）"_s);

    // Every row the window shows, in its order, with the figures as the window shows them: a
    // grade 4 of 2026 has 外国語活動 but no 外国語.
    const QList<HourField> shown = fncShownFields(state);
    QVERIFY(shown.contains(F::gaikokugokatsudou));
    QVERIFY(!shown.contains(F::gaikokugo));
    QCOMPARE(book.text(u"A"_s + QString::number(5 + shown.size())), QString());
    for (qsizetype i = 0; i < shown.size(); ++i) {
        const HoursSummaryRow &row = summary.rows[qsizetype(shown[i])];
        const QString line = QString::number(5 + i);
        const auto texts = fncSummaryRowTexts(row);
        const auto units = fncSummaryRowUnits(row);
        QCOMPARE(book.text(u"A"_s + line), texts[0]);
        for (int c = 1; c < 7; ++c) {
            QCOMPARE(book.text(columns[c] + line), texts[c]);
            const QString numberRef = columns[c + 8] + line;
            QVERIFY(book.cells.value(numberRef).isNumber);
            QCOMPARE(book.number(numberRef), double(units[c]) / 3);
        }
        for (int c : {7, 8}) {
            const std::optional<double> rate = c == 7 ? row.termRate : row.yearRate;
            const SheetCell cell = book.cells.value(columns[c] + line);
            QCOMPARE(cell.isNumber, rate.has_value());
            if (rate)
                QCOMPARE(cell.text.toDouble(), *rate / 100);
            else
                QCOMPARE(cell.text, u"—"_s);
        }
        // Differences red below the plan and blue above it, as in the window.
        const QString colour = book.fontColour(u"D"_s + line);
        if (row.termDifference < 0)
            QCOMPARE(colour, u"FFFF0000"_s);
        else if (row.termDifference > 0)
            QCOMPARE(colour, u"FF0000FF"_s);
        else
            QVERIFY(colour != u"FFFF0000"_s && colour != u"FF0000FF"_s);
    }

    // One A4 page, landscape, fitted; columns sized.
    const QByteArray xml = book.sheetXml();
    QVERIFY(xml.contains("paperSize=\"9\""));
    QVERIFY(xml.contains("orientation=\"landscape\""));
    QVERIFY(xml.contains("fitToPage=\"1\""));
    QVERIFY(xml.contains("<col "));
}

void ReportTest::workbookNotWrittenIntoAMissingFolder() {
    QTemporaryDir dir;
    AppState state = sample::classState(2026);
    const QString path = dir.filePath(u"missing/sum.xlsx"_s);
    const FileWriteResult result =
        writeWorkbook(path, fncSummaryReport(state, fncHoursSummary(state, 1)));
    QVERIFY(!result.ok());
    QVERIFY(result.message.contains(u"sum.xlsx"_s));
    QVERIFY(!QFile::exists(path));
}

void ReportTest::schoolFolderWithGoodBrokenAndDuplicateFiles() {
    QTemporaryDir dir;
    const QString folder = dir.filePath(u"school"_s);
    QVERIFY(QDir().mkpath(folder));
    // Named so that the folder's name order differs from the class order.
    QVERIFY(save(classWithDays(2026, 5, u"1"_s, QDate(2026, 6, 30)), folder + u"/a.zr2"_s));
    QVERIFY(save(classWithDays(2026, 3, u"2"_s, QDate(2026, 7, 31)), folder + u"/b.zr2"_s));
    QVERIFY(save(classWithDays(2026, 3, u"2"_s, QDate(2026, 4, 30)), folder + u"/c.zr2"_s));
    QVERIFY(save(classWithDays(2025, 6, u"1"_s, QDate(2025, 4, 30)), folder + u"/d.zr2"_s));
    QFile broken(folder + u"/broken.zr2"_s);
    QVERIFY(broken.open(QIODevice::WriteOnly));
    broken.write("not a data file\r\n");
    broken.close();
    QFile other(folder + u"/notes.txt"_s);
    QVERIFY(other.open(QIODevice::WriteOnly));
    other.close();
    const QString missing = dir.filePath(u"gone.zr2"_s);

    const SchoolSummary school = fncSchoolSummary({folder, missing}, 0);

    QStringList files;
    for (const SchoolClass &one : school.classes)
        files += QFileInfo(one.file).fileName();
    // Year, grade, class; the two files of 3-2 by file name.
    QCOMPARE(files, (QStringList{u"d.zr2"_s, u"b.zr2"_s, u"c.zr2"_s, u"a.zr2"_s}));
    QCOMPARE(school.classes[0].year, 2025);
    QCOMPARE(school.classes[1].grade, 3);
    QCOMPARE(school.classes[1].className, u"2"_s);
    QCOMPARE(school.classes[1].teacher, u"山田　花子"_s);
    QVERIFY(!school.classes[0].duplicate);
    QVERIFY(school.classes[1].duplicate);
    QVERIFY(school.classes[2].duplicate);
    QVERIFY(!school.classes[3].duplicate);
    // The same class read twice holds different records: b to July, c to April.
    QVERIFY(school.classes[1].actual[F::kokugo] > school.classes[2].actual[F::kokugo]);

    QCOMPARE(school.failed.size(), 2);
    QCOMPARE(QFileInfo(school.failed[0].file).fileName(), u"broken.zr2"_s);
    QVERIFY(!school.failed[0].error.isEmpty());
    QCOMPARE(school.failed[1].file, missing);
    QVERIFY(!school.failed[1].error.isEmpty());

    // The table: one row per class and subject row, the duplicate mark on both files of 3-2.
    const ReportTable table = fncSchoolReport(school);
    qsizetype rowCount = 0;
    for (const SchoolClass &one : school.classes)
        rowCount += one.shownFields.size();
    QCOMPARE(table.rows.size(), rowCount);
    // Each class with the rows its own window shows: 外国語 in grade 5, 外国語活動 in grade 3.
    QVERIFY(school.classes[3].shownFields.contains(F::gaikokugo));
    QVERIFY(!school.classes[3].shownFields.contains(F::gaikokugokatsudou));
    QVERIFY(school.classes[1].shownFields.contains(F::gaikokugokatsudou));
    QVERIFY(!school.classes[1].shownFields.contains(F::gaikokugo));
    const QList<ReportCell> &first = table.rows[school.classes[0].shownFields.size()];
    QCOMPARE(first[0].text, u"2026"_s);
    QCOMPARE(first[1].text, u"3"_s);
    QCOMPARE(first[2].text, u"2"_s);
    QCOMPARE(first[4].text, subjectInfo(displayOrder()[0]).summaryName.toString());
    QCOMPARE(first[9].text, u"重複"_s);
    QCOMPARE(table.rows.first()[9].text, QString());

    // Its workbook prints one page wide and as many pages long as the classes need, the
    // headings on each page.
    QString error;
    const Workbook book = readWorkbook(fncWorkbookBytes(table, &error));
    QVERIFY2(!book.sheetXml().isEmpty(), qPrintable(error));
    QCOMPARE(book.text(u"A4"_s), u"年度"_s);
    QVERIFY(book.sheetXml().contains("fitToHeight=\"0\""));
    QVERIFY(book.parts.value(u"xl/workbook.xml"_s).contains("_xlnm.Print_Titles"));
}

// Classes by year, grade and class; class names that are numbers in their numeric order, before
// names that are not.
void ReportTest::schoolClassOrder() {
    QTemporaryDir dir;
    const QList<std::tuple<int, int, QString>> classes = {
        {2026, 3, u"10"_s}, {2026, 3, u"B"_s}, {2026, 3, u"2"_s},
        {2026, 2, u"5"_s},  {2025, 4, u"1"_s}, {2026, 3, u"A"_s},
    };
    QStringList paths;
    for (qsizetype i = 0; i < classes.size(); ++i) {
        const auto &[year, grade, name] = classes[i];
        paths += dir.filePath(u"%1.zr2"_s.arg(i));
        QVERIFY(save(sample::classState(year, grade, name), paths.last()));
    }
    const SchoolSummary school = fncSchoolSummary(paths, 0);
    QStringList order;
    for (const SchoolClass &one : school.classes)
        order += u"%1-%2-%3"_s.arg(one.year).arg(one.grade).arg(one.className);
    QCOMPARE(order, (QStringList{u"2025-4-1"_s, u"2026-2-5"_s, u"2026-3-2"_s, u"2026-3-10"_s,
                                 u"2026-3-A"_s, u"2026-3-B"_s}));
}

void ReportTest::schoolTermOrYear_data() {
    QTest::addColumn<int>("term");
    QTest::newRow("year") << 0;
    QTest::newRow("term 1") << 1;
    QTest::newRow("term 2") << 2;
}

void ReportTest::schoolTermOrYear() {
    QFETCH(int, term);
    QTemporaryDir dir;
    AppState state = classWithDays(2026, 2, u"1"_s, QDate(2026, 9, 30));
    const QString path = dir.filePath(u"one.zr2"_s);
    QVERIFY(save(state, path));
    // The same figures as the class's own summary.
    const HoursSummary own = fncHoursSummary(state, std::max(term, 1));
    const HourCounts &plan = term == 0 ? own.yearPlan : own.termPlans[term - 1];
    const HourCounts &actual = term == 0 ? own.yearActual : own.termActuals[term - 1];

    const SchoolSummary school = fncSchoolSummary({path}, term);
    QCOMPARE(school.classes.size(), 1);
    QVERIFY(school.failed.isEmpty());
    QCOMPARE(school.classes[0].plan, plan);
    QCOMPARE(school.classes[0].actual, actual);
}

QTEST_GUILESS_MAIN(ReportTest)
#include "report_test.moc"
