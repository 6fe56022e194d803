// The records office's outputs: CSV bytes as Excel on a Japanese PC reads them, the workbook read
// back (headings, figures, numbers for totalling, colours, the page), and a school's class files
// summarised at once with broken and duplicate files among them.

#include "hand_worked_year.h"
#include "hard_link.h"
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
    void reportCsv_data();
    void reportCsv();
    void hoursPinned();
    void workbookReadBack();
    void workbookRefusesWhatItCannotHold();
    void workbookListsUnreadFiles();
    void workbookNotWrittenIntoAMissingFolder();
    void schoolFolderWithGoodBrokenAndDuplicateFiles();
    void schoolClassOrder();
    void schoolFileNamedTwice();
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

// A report table's CSV: texts a spreadsheet would run as a formula are made text, figures are
// left alone, and the lesson hours follow at the right.
void ReportTest::reportCsv_data() {
    QTest::addColumn<QString>("label");
    QTest::addColumn<int>("units");
    QTest::addColumn<QByteArray>("line");
    QTest::newRow("plain name") << u"国語"_s << 97 << QByteArray("国語,32.1,32.333333");
    QTest::newRow("=: a formula") << u"=1+2"_s << 3 << QByteArray("'=1+2,1.0,1");
    QTest::newRow("+") << u"+81"_s << 0 << QByteArray("'+81,0.0,0");
    QTest::newRow("- on a name, not on a figure")
        << u"-1"_s << -4 << QByteArray("'-1,-1.1,-1.333333");
    QTest::newRow("@") << u"@SUM(A1)"_s << 2 << QByteArray("'@SUM(A1),0.2,0.666667");
    QTest::newRow("tab") << u"\tx"_s << 1 << QByteArray("'\tx,0.1,0.333333");
    QTest::newRow("carriage return, quoted too")
        << u"\rx"_s << 1 << QByteArray("\"'\rx\",0.1,0.333333");
    QTest::newRow("= inside a name") << u"a=b"_s << 6 << QByteArray("a=b,2.0,2");
    // Japanese Excel takes a full-width ＝ typed at a cell's start for =, and so on.
    QTest::newRow("full-width ＝")
        << u"＝HYPERLINK(1)"_s << 3 << u"'＝HYPERLINK(1),1.0,1"_s.toUtf8();
    QTest::newRow("full-width ＋") << u"＋81"_s << 0 << u"'＋81,0.0,0"_s.toUtf8();
    QTest::newRow("full-width －") << u"－1"_s << 0 << u"'－1,0.0,0"_s.toUtf8();
    QTest::newRow("full-width ＠") << u"＠SUM(A1)"_s << 0 << u"'＠SUM(A1),0.0,0"_s.toUtf8();
    QTest::newRow("minus sign") << u"−1"_s << 0 << u"'−1,0.0,0"_s.toUtf8();
    QTest::newRow("full-width ＝ inside a name") << u"a＝b"_s << 0 << u"a＝b,0.0,0"_s.toUtf8();
}

void ReportTest::reportCsv() {
    QFETCH(QString, label);
    QFETCH(int, units);
    QFETCH(QByteArray, line);
    ReportTable table;
    table.headings = {u"組"_s, u"計画"_s};
    table.numberHeadings = {u"計画（時間）"_s};
    table.rows += QList<ReportCell>{{ReportCell::Kind::Label, label, std::nullopt, 0, {}},
                                    figureCell(units, ReportCell::Shade::Term)};
    table.unread += {u"broken.zr2"_s, u"読めません"_s};
    const QByteArray bom("\xEF\xBB\xBF");
    QCOMPARE(fncReportCsvBytes(table),
             bom + u"組,計画,計画（時間）\r\n"_s.toUtf8() + line + "\r\n");
}

// 97 units: "32.1" for a person, 32.33 lesson hours for a spreadsheet, in every form.
void ReportTest::hoursPinned() {
    AppState state = sample::classState(2026, 2);
    (*state.objSeasonPlan->terms()[0])[F::kokugo] = 97;
    state.objSeasonPlan->terms()[0]->hours.deriveTotals();
    state.objSeasonPlan->calculate();
    const ReportTable table = fncSummaryReport(state, fncHoursSummary(state, 1));
    const QList<ReportCell> &kokugo = table.rows.first();
    QCOMPARE(kokugo[0].text, u"国語"_s);
    QCOMPARE(kokugo[1].text, u"32.1"_s);
    QCOMPARE(qRound(*kokugo[1].number * 100), 3233);

    const QList<QByteArray> csv = fncReportCsvBytes(table).split('\n');
    QVERIFY(csv[0].contains(u"学期･計画（時間）"_s.toUtf8()));
    const QList<QByteArray> fields = csv[1].trimmed().split(',');
    QCOMPARE(fields.size(), 9 + 6);
    QCOMPARE(fields[1], QByteArray("32.1"));
    QCOMPARE(qRound(fields[9].toDouble() * 100), 3233);
    // Totalled over three such rows the hours come to 97 exactly.
    QCOMPARE(qRound(fields[9].toDouble() * 3 * 100), 9700);

    QString error;
    const Workbook book = readWorkbook(fncWorkbookBytes(table, &error));
    QCOMPARE(book.text(u"B5"_s), u"32.1"_s);
    QVERIFY(book.cells.value(u"J5"_s).isNumber);
    QCOMPARE(qRound(book.number(u"J5"_s) * 100), 3233);
    QCOMPARE(qRound(book.number(u"J5"_s) * 3 * 1000), 97000);
}

// The first term's summary of the year worked out by hand, read back from the workbook.
void ReportTest::workbookReadBack() {
    AppState state = hand_worked::state();
    QString error;
    const QByteArray bytes =
        fncWorkbookBytes(fncSummaryReport(state, fncHoursSummary(state, 1)), &error);
    QVERIFY2(!bytes.isEmpty(), qPrintable(error));
    const Workbook book = readWorkbook(bytes);
    QVERIFY(!book.sheetXml().isEmpty());

    QCOMPARE(book.text(u"A1"_s), u"時数集計表　1学期"_s);
    QVERIFY(book.text(u"A2"_s).startsWith(u"2026年　5年1組"_s));
    // The window's headings, then the lesson-hour columns for totalling.
    const QString columns = u"ABCDEFGHIJKLMNO"_s;
    const QStringList headings = {u"教科"_s,      u"学期･計画"_s,   u"学期･実績"_s,
                                  u"学期･増減"_s, u"年間･計画"_s,   u"年間･実績"_s,
                                  u"年間･増減"_s, u"学期･実施率"_s, u"年間･実施率"_s};
    for (int c = 0; c < headings.size(); ++c)
        QCOMPARE(book.text(columns[c] + u"4"_s), headings[c]);
    QCOMPARE(book.text(u"J4"_s), u"学期･計画\n（時間）"_s);
    QCOMPARE(book.text(u"O4"_s), u"年間･増減\n（時間）"_s);

    // 22 rows: a grade 5 of 2026 has 外国語 but no 外国語活動.
    QCOMPARE(book.text(u"A26"_s), u"総時数"_s);
    QCOMPARE(book.text(u"A27"_s), QString());
    for (const hand_worked::SummaryCase &c : hand_worked::kTermOneSummary) {
        QString line;
        for (int r = 5; r <= 26 && line.isEmpty(); ++r)
            if (book.text(u"A%1"_s.arg(r)) == QString::fromUtf16(c.texts[0]))
                line = QString::number(r);
        QVERIFY2(!line.isEmpty(), qPrintable(QString::fromUtf16(c.texts[0])));
        for (int col = 1; col < 7; ++col) {
            QCOMPARE(book.text(columns[col] + line), QString::fromUtf16(c.texts[std::size_t(col)]));
            const QString numberRef = columns[col + 8] + line;
            QVERIFY(book.cells.value(numberRef).isNumber);
            QCOMPARE(book.number(numberRef), c.units[std::size_t(col - 1)] / 3.0);
        }
        // 実施率 as a number a spreadsheet shows as a per cent; none as "—".
        QCOMPARE(book.text(u"H"_s + line), u"—"_s);
        const SheetCell year = book.cells.value(u"I"_s + line);
        if (c.units[3] > 0) {
            QVERIFY(year.isNumber);
            QCOMPARE(year.text.toDouble(), double(c.units[4]) / c.units[3]);
        } else {
            QCOMPARE(year.text, u"—"_s);
        }
        // Differences red below the plan and blue above it, as in the window.
        QCOMPARE(book.fontColour(u"G"_s + line), c.units[5] < 0 ? u"FFFF0000"_s : u"FF0000FF"_s);
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

// A cell the workbook cannot hold (a class name past a cell's 32,767 characters, which a data
// file's 64 KiB line can carry) fails the workbook rather than leaving the cell empty.
void ReportTest::workbookRefusesWhatItCannotHold() {
    SchoolSummary school;
    SchoolClass one;
    one.file = u"long.zr2"_s;
    one.year = 2026;
    one.grade = 2;
    one.className = QString(40000, u'A');
    one.shownFields = {F::kokugo};
    school.classes += one;
    QString error;
    QVERIFY(fncWorkbookBytes(fncSchoolReport(school), &error).isEmpty());
    QVERIFY2(error.contains(u"5行3列目"_s), qPrintable(error));

    QTemporaryDir dir;
    const QString path = dir.filePath(u"school.xlsx"_s);
    QFile previous(path);
    QVERIFY(previous.open(QIODevice::WriteOnly));
    previous.write("the previous workbook");
    previous.close();
    const FileWriteResult written = writeWorkbook(path, fncSchoolReport(school));
    QVERIFY(!written.ok());
    QVERIFY(written.message.contains(u"school.xlsx"_s));
    QFile after(path);
    QVERIFY(after.open(QIODevice::ReadOnly));
    QCOMPARE(after.readAll(), QByteArray("the previous workbook"));
}

// The files a school's table leaves out stand under it in red, with their reasons.
void ReportTest::workbookListsUnreadFiles() {
    QTemporaryDir dir;
    QVERIFY(save(classWithDays(2026, 3, u"1"_s, QDate(2026, 4, 30)), dir.filePath(u"a.zr2"_s)));
    QFile broken(dir.filePath(u"b.zr2"_s));
    QVERIFY(broken.open(QIODevice::WriteOnly));
    broken.write("not a data file\r\n");
    broken.close();
    const SchoolSummary school = fncSchoolSummary({dir.path()}, 0);
    QCOMPARE(school.classes.size(), 1);
    const ReportTable table = fncSchoolReport(school);
    QCOMPARE(table.unread.size(), 1);

    QString error;
    const Workbook book = readWorkbook(fncWorkbookBytes(table, &error));
    QVERIFY2(!book.sheetXml().isEmpty(), qPrintable(error));
    // Title, class line, a blank row, the headings, the rows, a blank row, then the list.
    const QString heading = u"A"_s + QString::number(4 + table.rows.size() + 2);
    const QString entry = u"A"_s + QString::number(4 + table.rows.size() + 3);
    QCOMPARE(book.text(heading), u"読み込めなかったファイル"_s);
    QCOMPARE(book.fontColour(heading), u"FFFF0000"_s);
    QVERIFY(book.text(entry).startsWith(dir.filePath(u"b.zr2"_s)));
    QVERIFY(book.text(entry).endsWith(school.failed.first().error));
    QCOMPARE(book.fontColour(entry), u"FFFF0000"_s);
    // Printed with the table.
    QVERIFY2(book.parts.value(u"xl/workbook.xml"_s)
                 .contains(u"$A$1:$N$%1"_s.arg(4 + table.rows.size() + 3).toUtf8()),
             book.parts.value(u"xl/workbook.xml"_s).constData());
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

// Classes by year, grade and class; class names that are numbers (in half-width or full-width
// digits) in their numeric order, before names that are not.
void ReportTest::schoolClassOrder() {
    QTemporaryDir dir;
    const QList<std::tuple<int, int, QString>> classes = {
        {2026, 3, u"10"_s},   {2026, 3, u"B"_s},  {2026, 3, u"2"_s},
        {2026, 2, u"5"_s},    {2025, 4, u"1"_s},  {2026, 3, u"A"_s},
        {2026, 3, u"１１"_s}, {2026, 3, u"３"_s}, {2026, 2, u"５"_s},
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
    // Full-width digits are the numbers they show: "３" between 2 and 10, "１１" after 10; "５"
    // is class 5 again, and both files of 2-5 are marked.
    QCOMPARE(order, (QStringList{u"2025-4-1"_s, u"2026-2-5"_s, u"2026-2-５"_s, u"2026-3-2"_s,
                                 u"2026-3-３"_s, u"2026-3-10"_s, u"2026-3-１１"_s, u"2026-3-A"_s,
                                 u"2026-3-B"_s}));
    QList<bool> duplicates;
    for (const SchoolClass &one : school.classes)
        duplicates += one.duplicate;
    QCOMPARE(duplicates,
             (QList<bool>{false, true, true, false, false, false, false, false, false}));
}

// One file named directly, through its folder, through a link, a hard link and "..": read once,
// and not marked as a duplicate of itself. A copy of it is another file of the same class.
// (Windows names it in other letter cases instead of a link: its QFile::link makes a shortcut,
// which is another file.)
void ReportTest::schoolFileNamedTwice() {
    QTemporaryDir dir;
    const QString folder = dir.filePath(u"school"_s);
    QVERIFY(QDir().mkpath(folder));
    const QString file = folder + u"/3-1.zr2"_s;
    QVERIFY(save(classWithDays(2026, 3, u"1"_s, QDate(2026, 4, 30)), file));
#ifdef Q_OS_WIN
    const QString otherName = folder.toUpper() + u"/3-1.ZR2"_s;
#else
    const QString otherName = dir.filePath(u"link.zr2"_s);
    QVERIFY(QFile::link(file, otherName));
#endif
    const QString hardLink = dir.filePath(u"hard.zr2"_s);
    QVERIFY(test::makeHardLink(file, hardLink));
    const QStringList paths = {file, folder, otherName, hardLink, folder + u"/../school/3-1.zr2"_s};
    SchoolSummary school = fncSchoolSummary(paths, 0);
    QCOMPARE(school.classes.size(), 1);
    QCOMPARE(school.classes[0].file, file);
    QVERIFY(!school.classes[0].duplicate);
    QVERIFY(school.failed.isEmpty());

    QVERIFY(QFile::copy(file, folder + u"/3-1 copy.zr2"_s));
    school = fncSchoolSummary(paths, 0);
    QCOMPARE(school.classes.size(), 2);
    QVERIFY(school.classes[0].duplicate && school.classes[1].duplicate);
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
    const QString path = dir.filePath(u"one.zr2"_s);
    QVERIFY(save(hand_worked::state(), path));

    const SchoolSummary school = fncSchoolSummary({path}, term);
    QCOMPARE(school.classes.size(), 1);
    QVERIFY(school.failed.isEmpty());
    // The figures worked out by hand: the year's, the first term's, and nothing of the second
    // but 行事's day in September.
    for (const hand_worked::SummaryCase &c : hand_worked::kTermOneSummary) {
        const QString name = QString::fromUtf16(c.texts[0]);
        const int plan = term == 0 ? c.units[3] : term == 1 ? c.units[0] : 0;
        int actual = term == 0 ? c.units[4] : term == 1 ? c.units[1] : 0;
        if (term == 2)
            actual = hand_worked::monthUnits(5, c.field);
        QVERIFY2(school.classes[0].plan[c.field] == plan, qPrintable(name));
        QVERIFY2(school.classes[0].actual[c.field] == actual, qPrintable(name));
    }
    const QList<QList<ReportCell>> rows = fncSchoolReport(school).rows;
    QCOMPARE(rows.size(), 22);
    QCOMPARE(rows.first()[4].text, u"国語"_s);
}

QTEST_GUILESS_MAIN(ReportTest)
#include "report_test.moc"
