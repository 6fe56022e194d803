// The output policy in the windows: the summary window's Excel に保存 and the print window's
// PDF に保存, told through the save dialog to write to every place of the shared table of
// targets, the question answered Yes and No.

#include "model/class_settings.h"
#include "output_targets.h"
#include "print/pdf_output.h"
#include "print/print_dispatch.h"
#include "report/csv_bytes.h"
#include "report/report_table.h"
#include "report/workbook_write.h"
#include "storage/data_file.h"
#include "support/ui_test_support.h"
#include "ui/main/frm_disp_time_table.h"
#include "ui/print/frm_print.h"

#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

using namespace Qt::StringLiterals;
using namespace mirune;
using namespace mirune::test;
using namespace mirune::ui;
using namespace mirune::ui::test;

namespace {

// Class 4-2 of 2026 with one recorded day, saved as `path` and open from it.
void setUpClass(AppState &state, const QString &path) {
    state.intYear = 2026;
    state.intGrade = 4;
    state.strClass = u"2"_s;
    state.strTeacher = u"山田"_s;
    subGetHoliday(state, {});
    state.objFirstDay->appendDay(
        makeRegisteredDay(QDate(2026, 4, 7), u"国算社理体音図学"_s, u"33333300"_s));
    state.strFileName = path;
}

} // namespace

class OutputTargetsWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase();
    void targets_data();
    void targets();

  private:
    QHash<QString, QByteArray> m_own; // each format's output of the class, as the program makes it
    QByteArray m_foreignWorkbook;
    QByteArray m_classBytes;
};

void OutputTargetsWindowTest::initTestCase() {
    initUiTestCase();
    QTemporaryDir dir;
    AppState state;
    subInitApp(state);
    setUpClass(state, dir.filePath(u"class.zr2"_s));
    QVERIFY(subSaveFile(state).ok());
    m_classBytes = readBytes(state.strFileName);

    HoursSummary summary = fncHoursSummary(state, 1);
    const ReportTable table = fncSummaryReport(state, summary);
    QString error;
    m_own.insert(u"xlsx"_s, fncWorkbookBytes(table, &error));
    QVERIFY2(!m_own[u"xlsx"_s].isEmpty(), qPrintable(error));
    m_own.insert(u"csv"_s, fncReportCsvBytes(table));
    const QString pdf = dir.filePath(u"own.pdf"_s);
    QVERIFY(writeSheetsPdf(state, {0}, pdf, PaperSize::A4, PaperFit{}, QDate(2026, 4, 8)).ok());
    m_own.insert(u"pdf"_s, readBytes(pdf));

    ReportTable names;
    names.title = u"学級名簿"_s;
    names.headings = {u"番号"_s, u"氏名"_s};
    m_foreignWorkbook = fncWorkbookBytes(names, &error);
    QVERIFY2(!m_foreignWorkbook.isEmpty(), qPrintable(error));
}

void OutputTargetsWindowTest::targets_data() {
    QTest::addColumn<QString>("format");
    QTest::addColumn<int>("target");
    QTest::addColumn<int>("expected");
    QTest::addColumn<bool>("existing");
    QTest::addColumn<bool>("yes");
    for (const QString &format : {u"xlsx"_s, u"pdf"_s}) {
        for (const TargetCase &c : kTargetCases) {
#ifndef Q_OS_UNIX
            if (c.linkOnly || c.pipeOnly)
                continue;
#endif
            for (bool yes : {false, true})
                QTest::addRow("%s: %s, %s", qPrintable(format), c.name, yes ? "Yes" : "No")
                    << format << int(c.target) << int(c.expected) << c.existing << yes;
        }
    }
}

void OutputTargetsWindowTest::targets() {
    QFETCH(QString, format);
    QFETCH(int, target);
    QFETCH(int, expected);
    QFETCH(bool, existing);
    QFETCH(bool, yes);
    QTemporaryDir dir;
    const TargetFolder folder{dir.path(), dir.filePath(u"class.zr2"_s)};
    QVERIFY(writeBytes(folder.input, m_classBytes));
    const QString out =
        makeTarget(folder, Target(target), format, m_classBytes, m_foreignWorkbook,
                   [this](const QString &f) { return m_own.value(f, m_own.value(u"csv"_s)); });
    QVERIFY(!out.isEmpty());
    const bool wasLink = QFileInfo(out).isSymLink();
    const QStringList before = folderSnapshot(dir.path());

    UiHarness h;
    setUpClass(h.state, folder.input);
    QWidget *w = nullptr;
    QString button;
    if (format == u"xlsx"_s) {
        w = h.windows.open<frmDispTimeTable>();
        button = u"cmdSaveExcel"_s;
    } else {
        w = h.windows.open<frmPrint>();
        button = u"cmdPrintPdf"_s;
    }
    QVERIFY(QTest::qWaitForWindowActive(w));

    const bool refused = Expected(expected) == Expected::Refused;
    const bool asked = !refused && existing;
    const bool written = !refused && (!asked || yes);
    h.dialogs.expectSaveFile(out);
    if (refused)
        h.dialogs.expectMessage(QFileInfo(out).fileName());
    else if (asked)
        h.dialogs.expectMessage(u"置き換えますか"_s,
                                yes ? Dialogs::Answer::Yes : Dialogs::Answer::No);
    MIRUNE_FIND(save, QPushButton, w, button);
    MIRUNE_CLICK(save);
    MIRUNE_VERIFY_DIALOGS(h.dialogs);

    if (written) {
        const QByteArray bytes = readBytes(landingPlace(out));
        QVERIFY(bytes.startsWith(format == u"pdf"_s ? "%PDF-" : "PK\x03\x04"));
        QCOMPARE(QFileInfo(out).isSymLink(), wasLink);
        QCOMPARE(readBytes(folder.input), m_classBytes);
        return;
    }
    QCOMPARE(folderSnapshot(dir.path()), before);
}

QTEST_MAIN(OutputTargetsWindowTest)
#include "output_targets_test.moc"
