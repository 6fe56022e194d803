// The print selection window: its ten options, the refusal without a class, the printer dialog
// before every sheet (and no sheet when it is cancelled), the preview, saving a sheet as a PDF,
// the page set-up of the session, keeping the choice while hidden, and accessible names.

#include "model/class_settings.h"
#include "model/day_record.h"
#include "pdf_page_sizes.h"
#include "support/ui_test_support.h"
#include "ui/print/frm_print.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QPageLayout>
#include <QPointer>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

using namespace Qt::StringLiterals;
using namespace mirune;
using namespace mirune::ui;
using namespace mirune::ui::test;

namespace {

using mirune::test::pdfPageSizes;

const QStringList kCaptions = {
    u"年間の時数集計表"_s,   u"1学期の時間割表"_s,  u"1学期の時間集計表"_s,  u"２学期の時間割表"_s,
    u"２学期の時間集計表"_s, u"３学期の時間割表"_s, u"３学期の時間集計表"_s, u"週間時間割計画表A"_s,
    u"週間時間割計画表B"_s,  u"月別時数表"_s,
};

// What each sheet prints at its head, with the blanks taken out.
const QStringList kSheetHeads = {
    u"年間時間割及び時間集計表"_s, u"1学期時間割表"_s,
    u"1学期時間集計表"_s,          u"2学期時間割表"_s,
    u"2学期時間集計表"_s,          u"3学期時間割表"_s,
    u"3学期時間集計表"_s,          u"４年２組時間割A"_s,
    u"４年２組時間割B"_s,          u"2026年度月別時数表４年２組"_s,
};

// Class 4-2 of 2026, teacher 山田, with one recorded day.
void setUpClass(AppState &state) {
    state.intYear = 2026;
    state.intGrade = 4;
    state.strClass = u"2"_s;
    state.strTeacher = u"山田"_s;
    subGetHoliday(state, {});
    state.objFirstDay->appendDay(
        makeRegisteredDay(QDate(2026, 4, 7), u"国算社理体音図学"_s, u"33333300"_s));
}

// Whether pdftotext and pdftoppm (Debian's poppler-utils) are there to read a PDF back: not for
// the Windows edition's tests, which run under wine and see no Linux program.
bool canReadPdfBack() {
    return !QStandardPaths::findExecutable(u"pdftotext"_s).isEmpty() &&
           !QStandardPaths::findExecutable(u"pdftoppm"_s).isEmpty();
}
#define MIRUNE_SKIP_WITHOUT_POPPLER()                                                              \
    do {                                                                                           \
        if (!canReadPdfBack())                                                                     \
            QSKIP("pdftotext and pdftoppm (poppler-utils) are not there to read the PDF back");    \
    } while (false)

// The text layer of a PDF in drawing order with every blank removed; empty when pdftotext cannot
// read it.
QString pdfText(const QString &path) {
    QProcess process;
    process.start(u"pdftotext"_s, {u"-raw"_s, path, u"-"_s});
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return QString();
    return QString::fromUtf8(process.readAllStandardOutput()).remove(QRegularExpression(u"\\s"_s));
}

int pdfPages(const QString &path) {
    return int(pdfPageSizes(path).size());
}

// A3 either way round.
bool isA3(const QStringList &sizes) {
    return sizes.size() == 1 && (sizes[0] == u"842x1191"_s || sizes[0] == u"1191x842"_s);
}

// How wide the ink on the PDF's page is, as a share of the page's width; -1 when it cannot be
// rendered.
double inkWidthShare(const QString &path) {
    const QString base = path + u"-page"_s;
    QProcess process;
    process.start(u"pdftoppm"_s, {u"-r"_s, u"30"_s, u"-png"_s, u"-singlefile"_s, path, base});
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return -1;
    const QImage page(base + u".png"_s);
    if (page.isNull())
        return -1;
    int left = page.width();
    int right = -1;
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x)
            if (qGray(page.pixel(x, y)) < 200) {
                left = std::min(left, x);
                right = std::max(right, x);
            }
    return right < left ? 0.0 : double(right - left + 1) / page.width();
}

// Sends what the printer prints into a PDF file, as a printer driver would print it.
void printInto(QPrinter &printer, const QString &path) {
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
}

frmPrint *openPrintWindow(UiHarness &h) {
    auto *w = h.windows.open<frmPrint>();
    return QTest::qWaitForWindowActive(w) ? w : nullptr;
}

} // namespace

class PrintWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { initUiTestCase(); }

    void optionsAndButtons();
    void refusedWithoutAClass_data();
    void refusedWithoutAClass();
    void printsTheChosenSheet_data();
    void printsTheChosenSheet();
    void cancelledPrinterDialogPrintsNothing();
    void printerDialogBeforeEverySheet();
    void previewDrawsTheChosenSheet();
    void savesTheChosenSheetAsPdf();
    void pdfSaveCancelledOrFailing();
    void pageSetUpHoldsForTheSession();
    void scaledDownSheetIsSaid();
    void fitToPaperFillsLargerPaper();
    void choiceSurvivesClosing();
    void accessibleNames();
};

void PrintWindowTest::optionsAndButtons() {
    UiHarness h;
    auto *w = openPrintWindow(h);
    QVERIFY(w);
    QCOMPARE(w->windowTitle(), u"印刷する表を選んでください"_s);
    int previousTop = -1;
    QCOMPARE(kCaptions.size(), kPrintOptionCount);
    for (int i = 0; i < kPrintOptionCount; ++i) {
        MIRUNE_FIND(opt, QRadioButton, w, u"optPrint_%1"_s.arg(i));
        QCOMPARE(opt->text(), kCaptions[i]);
        QCOMPARE(opt->isChecked(), i == 0);
        // Top to bottom in index order.
        QVERIFY(opt->y() > previousTop);
        previousTop = opt->y();
    }
    MIRUNE_FIND(print, QPushButton, w, u"cmdPrint"_s);
    MIRUNE_FIND(preview, QPushButton, w, u"cmdPrintPreview"_s);
    MIRUNE_FIND(pdf, QPushButton, w, u"cmdPrintPdf"_s);
    MIRUNE_FIND(close, QPushButton, w, u"cmdPrintClose"_s);
    QCOMPARE(print->text(), u"印刷"_s);
    QCOMPARE(preview->text(), u"プレビュー"_s);
    QCOMPARE(pdf->text(), u"PDF に保存"_s);
    QCOMPARE(close->text(), u"閉じる"_s);
    // The buttons stand side by side below the options, the print button with the focus.
    QCOMPARE(print->y(), close->y());
    QVERIFY(print->y() > previousTop);
    QVERIFY(print->hasFocus());
    MIRUNE_VERIFY_DIALOGS(h.dialogs);
}

void PrintWindowTest::refusedWithoutAClass_data() {
    QTest::addColumn<QString>("button");
    QTest::newRow("print") << u"cmdPrint"_s;
    QTest::newRow("preview") << u"cmdPrintPreview"_s;
    QTest::newRow("PDF") << u"cmdPrintPdf"_s;
}

void PrintWindowTest::refusedWithoutAClass() {
    QFETCH(QString, button);
    UiHarness h;
    QTemporaryDir dir;
    printInto(h.printer, dir.filePath(u"printed.pdf"_s));
    auto *w = openPrintWindow(h);
    QVERIFY(w);
    // Only the message: no printer dialog, no preview, no save dialog.
    h.dialogs.expectMessage(u"印刷するデータがありません。"_s);
    MIRUNE_FIND(command, QPushButton, w, button);
    MIRUNE_CLICK(command);
    MIRUNE_VERIFY_DIALOGS(h.dialogs);
    QVERIFY(!QFile::exists(dir.filePath(u"printed.pdf"_s)));
    QVERIFY(w->isVisible());
}

void PrintWindowTest::printsTheChosenSheet_data() {
    QTest::addColumn<int>("option");
    for (int i = 0; i < kPrintOptionCount; ++i)
        QTest::newRow(qPrintable(kCaptions[i])) << i;
}

void PrintWindowTest::printsTheChosenSheet() {
    QFETCH(int, option);
    UiHarness h;
    setUpClass(h.state);
    QTemporaryDir dir;
    const QString printed = dir.filePath(u"printed.pdf"_s);
    printInto(h.printer, printed);
    auto *w = openPrintWindow(h);
    QVERIFY(w);
    MIRUNE_FIND(opt, QRadioButton, w, u"optPrint_%1"_s.arg(option));
    MIRUNE_CLICK(opt);
    QCOMPARE(w->selectedOption(), option);

    h.dialogs.expectChoosePrinter(true);
    MIRUNE_FIND(print, QPushButton, w, u"cmdPrint"_s);
    MIRUNE_CLICK(print);
    MIRUNE_VERIFY_DIALOGS(h.dialogs);

    QCOMPARE(pdfPages(printed), 1);
    MIRUNE_FIND(status, QLabel, w, u"labPrintStatus"_s);
    QCOMPARE(status->text(), u"「%1」を印刷しました。"_s.arg(kCaptions[option]));
    QVERIFY(w->isVisible());

    MIRUNE_SKIP_WITHOUT_POPPLER();
    const QString text = pdfText(printed);
    QVERIFY2(text.contains(kSheetHeads[option]), qPrintable(text.left(200)));
    for (int other = 0; other < kPrintOptionCount; ++other)
        if (other != option && !kSheetHeads[option].contains(kSheetHeads[other]))
            QVERIFY2(!text.contains(kSheetHeads[other]), qPrintable(kSheetHeads[other]));
}

void PrintWindowTest::cancelledPrinterDialogPrintsNothing() {
    UiHarness h;
    setUpClass(h.state);
    QTemporaryDir dir;
    const QString printed = dir.filePath(u"printed.pdf"_s);
    printInto(h.printer, printed);
    auto *w = openPrintWindow(h);
    QVERIFY(w);

    h.dialogs.expectChoosePrinter(false);
    MIRUNE_FIND(print, QPushButton, w, u"cmdPrint"_s);
    MIRUNE_CLICK(print);
    MIRUNE_VERIFY_DIALOGS(h.dialogs);
    QVERIFY(!QFile::exists(printed));
    MIRUNE_FIND(status, QLabel, w, u"labPrintStatus"_s);
    QCOMPARE(status->text(), u"印刷を取りやめました。"_s);
}

void PrintWindowTest::printerDialogBeforeEverySheet() {
    UiHarness h;
    setUpClass(h.state);
    QTemporaryDir dir;
    auto *w = openPrintWindow(h);
    QVERIFY(w);
    MIRUNE_FIND(print, QPushButton, w, u"cmdPrint"_s);
    for (int option : {7, 8}) {
        const QString printed = dir.filePath(u"sheet%1.pdf"_s.arg(option));
        printInto(h.printer, printed);
        MIRUNE_FIND(opt, QRadioButton, w, u"optPrint_%1"_s.arg(option));
        MIRUNE_CLICK(opt);
        h.dialogs.expectChoosePrinter(true);
        MIRUNE_CLICK(print);
        MIRUNE_VERIFY_DIALOGS(h.dialogs);
        QCOMPARE(pdfPages(printed), 1);
        if (canReadPdfBack())
            QVERIFY(pdfText(printed).contains(kSheetHeads[option]));
    }
    MIRUNE_SKIP_WITHOUT_POPPLER(); // said when the sheets' texts went unchecked
}

void PrintWindowTest::previewDrawsTheChosenSheet() {
    UiHarness h;
    setUpClass(h.state);
    QTemporaryDir dir;
    const QString previewed = dir.filePath(u"preview.pdf"_s);
    auto *w = openPrintWindow(h);
    QVERIFY(w);
    MIRUNE_FIND(opt, QRadioButton, w, u"optPrint_2"_s);
    MIRUNE_CLICK(opt);

    h.dialogs.expectPreview(previewed);
    MIRUNE_FIND(preview, QPushButton, w, u"cmdPrintPreview"_s);
    MIRUNE_CLICK(preview);
    MIRUNE_VERIFY_DIALOGS(h.dialogs);
    QCOMPARE(h.dialogs.previewsDrawn(), 1);
    QCOMPARE(pdfPages(previewed), 1);
    MIRUNE_SKIP_WITHOUT_POPPLER();
    QVERIFY(pdfText(previewed).contains(kSheetHeads[2]));
}

void PrintWindowTest::savesTheChosenSheetAsPdf() {
    UiHarness h;
    setUpClass(h.state);
    QTemporaryDir dir;
    const QString saved = dir.filePath(u"３学期 集計.pdf"_s);
    auto *w = openPrintWindow(h);
    QVERIFY(w);
    MIRUNE_FIND(opt, QRadioButton, w, u"optPrint_6"_s);
    MIRUNE_CLICK(opt);

    h.dialogs.expectSaveFile(saved);
    MIRUNE_FIND(pdf, QPushButton, w, u"cmdPrintPdf"_s);
    MIRUNE_CLICK(pdf);
    MIRUNE_VERIFY_DIALOGS(h.dialogs);

    QFile file(saved);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.read(5) == "%PDF-");
    QCOMPARE(pdfPages(saved), 1);
    MIRUNE_FIND(status, QLabel, w, u"labPrintStatus"_s);
    QVERIFY2(status->text().startsWith(u"「３学期の時間集計表」を PDF に保存しました"_s),
             qPrintable(status->text()));

    MIRUNE_SKIP_WITHOUT_POPPLER();
    const QString text = pdfText(saved);
    QVERIFY2(text.contains(kSheetHeads[6]), qPrintable(text.left(200)));
    QVERIFY(text.contains(u"山田"_s));
}

void PrintWindowTest::pdfSaveCancelledOrFailing() {
    UiHarness h;
    setUpClass(h.state);
    QTemporaryDir dir;
    auto *w = openPrintWindow(h);
    QVERIFY(w);
    MIRUNE_FIND(pdf, QPushButton, w, u"cmdPrintPdf"_s);
    MIRUNE_FIND(status, QLabel, w, u"labPrintStatus"_s);

    // Cancelled: nothing written, nothing said.
    h.dialogs.expectSaveFile(QString());
    MIRUNE_CLICK(pdf);
    MIRUNE_VERIFY_DIALOGS(h.dialogs);
    QVERIFY(QDir(dir.path()).isEmpty());
    QVERIFY(status->text().isEmpty());

    // A folder that does not exist: the teacher is told, nothing is written.
    const QString unreachable = dir.filePath(u"no such folder/year.pdf"_s);
    h.dialogs.expectSaveFile(unreachable).expectMessage(u"保存先のフォルダ"_s);
    MIRUNE_CLICK(pdf);
    MIRUNE_VERIFY_DIALOGS(h.dialogs);
    QVERIFY(!QFile::exists(unreachable));
    QCOMPARE(status->text(), u"PDF に保存できませんでした。"_s);
}

void PrintWindowTest::pageSetUpHoldsForTheSession() {
    UiHarness h;
    setUpClass(h.state);
    QTemporaryDir dir;
    // The page set-up of the session chose A3.
    h.printer.setPageSize(QPageSize(QPageSize::A3));
    auto *w = openPrintWindow(h);
    QVERIFY(w);

    const QString saved = dir.filePath(u"year.pdf"_s);
    h.dialogs.expectSaveFile(saved);
    MIRUNE_FIND(pdf, QPushButton, w, u"cmdPrintPdf"_s);
    MIRUNE_CLICK(pdf);
    MIRUNE_VERIFY_DIALOGS(h.dialogs);
    QVERIFY2(isA3(pdfPageSizes(saved)), qPrintable(pdfPageSizes(saved).join(u' ')));

    // Printing keeps the paper chosen, for the next sheet too.
    const QString printed = dir.filePath(u"printed.pdf"_s);
    printInto(h.printer, printed);
    h.dialogs.expectChoosePrinter(true);
    MIRUNE_FIND(print, QPushButton, w, u"cmdPrint"_s);
    MIRUNE_CLICK(print);
    MIRUNE_VERIFY_DIALOGS(h.dialogs);
    QVERIFY2(isA3(pdfPageSizes(printed)), qPrintable(pdfPageSizes(printed).join(u' ')));
    QCOMPARE(h.printer.pageLayout().pageSize().id(), QPageSize::A3);
}

void PrintWindowTest::scaledDownSheetIsSaid() {
    UiHarness h;
    setUpClass(h.state);
    QTemporaryDir dir;
    // The page set-up chose A5: the year sheet is scaled down to stay whole on it.
    h.printer.setPageSize(QPageSize(QPageSize::A5));
    auto *w = openPrintWindow(h);
    QVERIFY(w);
    MIRUNE_FIND(print, QPushButton, w, u"cmdPrint"_s);
    MIRUNE_FIND(status, QLabel, w, u"labPrintStatus"_s);

    const QString shrunk = dir.filePath(u"shrunk.pdf"_s);
    printInto(h.printer, shrunk);
    h.dialogs.expectChoosePrinter(true);
    MIRUNE_CLICK(print);
    MIRUNE_VERIFY_DIALOGS(h.dialogs);
    QVERIFY2(status->text().startsWith(u"「年間の時数集計表」を印刷しました。\n"
                                       "「年間の時数集計表」は用紙の印刷範囲に収まらないため"_s),
             qPrintable(status->text()));
    if (canReadPdfBack()) {
        const double shrunkWidth = inkWidthShare(shrunk);
        QVERIFY2(shrunkWidth > 0.8 && shrunkWidth <= 1.0, qPrintable(QString::number(shrunkWidth)));
    }

    // Asked to fit the paper, the sheet is scaled as asked and nothing more needs saying.
    MIRUNE_FIND(fit, QCheckBox, w, u"chkPrintFit"_s);
    MIRUNE_CLICK(fit);
    QVERIFY(fit->isChecked());
    printInto(h.printer, dir.filePath(u"fitted.pdf"_s));
    h.dialogs.expectChoosePrinter(true);
    MIRUNE_CLICK(print);
    MIRUNE_VERIFY_DIALOGS(h.dialogs);
    QCOMPARE(status->text(), u"「年間の時数集計表」を印刷しました。"_s);
}

void PrintWindowTest::fitToPaperFillsLargerPaper() {
    UiHarness h;
    setUpClass(h.state);
    QTemporaryDir dir;
    h.printer.setPageSize(QPageSize(QPageSize::A3));
    auto *w = openPrintWindow(h);
    QVERIFY(w);
    MIRUNE_FIND(pdf, QPushButton, w, u"cmdPrintPdf"_s);
    MIRUNE_FIND(fit, QCheckBox, w, u"chkPrintFit"_s);
    QVERIFY(!fit->isChecked());

    // As drawn, the year sheet keeps its A4 size on A3 paper; fitted, it fills the paper.
    const QString asDrawn = dir.filePath(u"as-drawn.pdf"_s);
    h.dialogs.expectSaveFile(asDrawn);
    MIRUNE_CLICK(pdf);
    const QString fitted = dir.filePath(u"fitted.pdf"_s);
    MIRUNE_CLICK(fit);
    h.dialogs.expectSaveFile(fitted);
    MIRUNE_CLICK(pdf);
    MIRUNE_VERIFY_DIALOGS(h.dialogs);

    MIRUNE_SKIP_WITHOUT_POPPLER();
    const double drawnWidth = inkWidthShare(asDrawn);
    const double fittedWidth = inkWidthShare(fitted);
    QVERIFY2(drawnWidth > 0.5 && drawnWidth < 0.8, qPrintable(QString::number(drawnWidth)));
    QVERIFY2(fittedWidth > 0.9, qPrintable(QString::number(fittedWidth)));
}

void PrintWindowTest::choiceSurvivesClosing() {
    UiHarness h;
    QPointer<frmPrint> w = openPrintWindow(h);
    QVERIFY(w);
    MIRUNE_FIND(opt, QRadioButton, w.data(), u"optPrint_4"_s);
    MIRUNE_CLICK(opt);
    MIRUNE_FIND(close, QPushButton, w.data(), u"cmdPrintClose"_s);
    MIRUNE_CLICK(close);
    QVERIFY(!w->isVisible());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!w.isNull());

    QCOMPARE(h.windows.open<frmPrint>(), w.data());
    QVERIFY(QTest::qWaitForWindowActive(w));
    QCOMPARE(w->selectedOption(), 4);
    MIRUNE_VERIFY_DIALOGS(h.dialogs);
}

void PrintWindowTest::accessibleNames() {
    UiHarness h;
    auto *w = openPrintWindow(h);
    QVERIFY(w);
    QCOMPARE(unnamedControls(w), QStringList());
    MIRUNE_VERIFY_DIALOGS(h.dialogs);
}

QTEST_MAIN(PrintWindowTest)
#include "print_window_test.moc"
