// Drawing for real: the QPainter surface's mapping of twips, dots and text corners onto a
// device, its refusal of a missing font, and PDF files of the sheets with their pages, paper
// and embedded fonts.

#include "file_bytes.h"
#include "ink_image.h"
#include "print/painter_surface.h"
#include "print/pdf_output.h"
#include "print/print_dispatch.h"
#include "print/sheet_fonts.h"
#include "print_test_support.h"

#include <QFile>
#include <QImage>
#include <QPrinter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

using namespace mirune;
using namespace mirune::test;
using namespace Qt::StringLiterals;

namespace {

using mirune::test::readBytes;

struct PdfPage {
    qreal width;
    qreal height;
};

// The media boxes of a PDF's pages, in points, in page order.
QList<PdfPage> pdfPages(const QByteArray &pdf) {
    QList<PdfPage> pages;
    static const QRegularExpression mediaBox(
        u"/MediaBox \\[\\s*0\\s+0\\s+([0-9.]+)\\s+([0-9.]+)\\s*\\]"_s);
    auto it = mediaBox.globalMatch(QString::fromLatin1(pdf));
    while (it.hasNext()) {
        const auto m = it.next();
        pages.append({m.captured(1).toDouble(), m.captured(2).toDouble()});
    }
    return pages;
}

} // namespace

class PdfOutputTest : public QObject {
    Q_OBJECT

  private slots:
    void sheetFontsInstalled();
    void fontSubstitution();
    void twipsAndDots();
    void textHangsFromItsPosition();
    void textColour();
    void missingFontIsAnError();
    void allSheetsAsPages();
    void paperSizes_data();
    void paperSizes();
    void printerDevice();
    void refusedWithoutSchoolYear();
    void unwritablePath();
    void paperNames_data();
    void paperNames();
};

void PdfOutputTest::sheetFontsInstalled() {
    QCOMPARE(fncCheckSheetFonts(), QString());
}

void PdfOutputTest::fontSubstitution() {
    QCOMPARE(fncSheetFontFamily(u"ＭＳ 明朝"_s), u"IPAMincho"_s);
    QCOMPARE(fncSheetFontFamily(u"ＭＳ ゴシック"_s), u"IPAGothic"_s);
    QVERIFY(!fncFontFamilyResolves(u"No Such Family For Sheets"_s));
}

void PdfOutputTest::twipsAndDots() {
    QImage image = whitePage();
    {
        PainterSurface s(image);
        s.setLineWidth(8);
        s.drawLine(1440, 1440, 1440, 2880); // one inch right, one inch down, one inch long
        s.endDocument();
        QCOMPARE(s.errorString(), QString());
        QVERIFY(s.isFinished());
    }
    const QRect box = inkBox(image);
    // 8 dots wide round x = 144 pixels; round caps add half the width at each end.
    QVERIFY2(qAbs(box.center().x() - 144) <= 1, qPrintable(u"centre %1"_s.arg(box.center().x())));
    QVERIFY2(box.width() >= 7 && box.width() <= 9, qPrintable(u"width %1"_s.arg(box.width())));
    QVERIFY(box.top() >= 144 - 5 && box.bottom() <= 288 + 5);
}

void PdfOutputTest::textHangsFromItsPosition() {
    QImage image = whitePage();
    {
        PainterSurface s(image);
        s.setFontName(u"ＭＳ 明朝"_s);
        s.setFontSize(72); // one inch: 144 pixels here
        s.printAt(1440, 1440, u"国"_s);
        s.endDocument();
        QCOMPARE(s.errorString(), QString());
    }
    const QRect box = inkBox(image);
    // The text's top-left corner is at the position: its ink lies below and right of it, within
    // the em square, not above a baseline there.
    QVERIFY2(box.top() >= 144 && box.top() < 144 + 40, qPrintable(u"top %1"_s.arg(box.top())));
    QVERIFY2(box.left() >= 144 && box.left() < 144 + 30, qPrintable(u"left %1"_s.arg(box.left())));
    QVERIFY2(box.height() > 100 && box.bottom() < 144 + 160,
             qPrintable(u"height %1"_s.arg(box.height())));
}

void PdfOutputTest::textColour() {
    QImage image = whitePage();
    {
        PainterSurface s(image);
        s.setFontName(u"ＭＳ 明朝"_s);
        s.setFontSize(72);
        s.setTextColour(textRed());
        s.printAt(1440, 1440, u"国"_s);
        s.setTextColour(textBlack());
        s.setLineWidth(4);
        s.drawLine(7000, 1440, 7000, 2880); // lines stay black whatever the text colour
        s.endDocument();
    }
    int red = 0;
    for (int y = 144; y < 300; ++y)
        for (int x = 144; x < 300; ++x) {
            const QRgb p = image.pixel(x, y);
            red += qRed(p) > 200 && qGreen(p) < 60 && qBlue(p) < 60;
        }
    QVERIFY(red > 100);
    const QRgb line = image.pixel(700, 200);
    QVERIFY(qRed(line) < 60 && qGreen(line) < 60 && qBlue(line) < 60);
}

void PdfOutputTest::missingFontIsAnError() {
    QImage image = whitePage();
    PainterSurface s(image);
    s.setFontName(u"No Such Family For Sheets"_s);
    s.setFontSize(72);
    s.printAt(1440, 1440, u"国"_s);
    s.endDocument();
    QVERIFY(s.errorString().contains(u"No Such Family For Sheets"_s));
    QVERIFY(inkBox(image).isEmpty());
}

void PdfOutputTest::allSheetsAsPages() {
    QTemporaryDir dir;
    const QString path = dir.filePath(u"all.pdf"_s);
    AppState state = fullYearState();
    QList<int> all;
    for (int i = 0; i < kPrintOptionCount; ++i)
        all.append(i);
    const PdfResult result = writeSheetsPdf(state, all, path);
    QVERIFY2(result.ok(), qPrintable(result.message));

    const QByteArray pdf = readBytes(path);
    QVERIFY(pdf.startsWith("%PDF-"));
    const QList<PdfPage> pages = pdfPages(pdf);
    QCOMPARE(pages.size(), kPrintOptionCount);
    for (int i = 0; i < kPrintOptionCount; ++i) {
        // The weekly timetables stand upright, every other sheet lies on its side.
        const bool landscape = pages[i].width > pages[i].height;
        QCOMPARE(landscape, i < 7 || i == 9);
        // A4 either way round, in points.
        QCOMPARE(qRound(qMax(pages[i].width, pages[i].height)), 842);
        QCOMPARE(qRound(qMin(pages[i].width, pages[i].height)), 595);
    }
    // Both IPA fonts are embedded and nothing else.
    static const QRegularExpression baseFont(u"/BaseFont\\s*/([A-Z]{6}\\+)?([^\\s/]+)"_s);
    QSet<QString> fonts;
    for (auto it = baseFont.globalMatch(QString::fromLatin1(pdf)); it.hasNext();)
        fonts.insert(it.next().captured(2));
    QCOMPARE(fonts, (QSet<QString>{u"IPAMincho"_s, u"IPAGothic"_s}));
}

void PdfOutputTest::paperSizes_data() {
    QTest::addColumn<QString>("paper");
    QTest::addColumn<int>("width"); // portrait, in points
    QTest::addColumn<int>("height");
    QTest::newRow("A4") << u"A4"_s << 595 << 842;
    QTest::newRow("B4 (JIS)") << u"B4"_s << 729 << 1032;
    QTest::newRow("A3") << u"A3"_s << 842 << 1191;
}

void PdfOutputTest::paperSizes() {
    QFETCH(QString, paper);
    QFETCH(int, width);
    QFETCH(int, height);
    QTemporaryDir dir;
    const QString path = dir.filePath(u"week.pdf"_s);
    AppState state = fullYearState();
    const PdfResult result = writeSheetsPdf(state, {7}, path, *fncPaperSize(paper));
    QVERIFY2(result.ok(), qPrintable(result.message));
    const QList<PdfPage> pages = pdfPages(readBytes(path));
    QCOMPARE(pages.size(), 1);
    QVERIFY(qAbs(pages[0].width - width) <= 1);
    QVERIFY(qAbs(pages[0].height - height) <= 1);
}

void PdfOutputTest::printerDevice() {
    // The same surface on a printer (here one that prints to a file), as the print window uses
    // it: the sheet's orientation reaches the printer before the page begins.
    QTemporaryDir dir;
    const QString path = dir.filePath(u"printer.pdf"_s);
    AppState state = smallState();
    {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
        subSetUpSheetDevice(printer, PaperSize::A4);
        QCOMPARE(printer.colorMode(), QPrinter::Color);
        PainterSurface surface(printer);
        QCOMPARE(subPrintOption(state, 2, surface), PrintOutcome::Printed);
        QCOMPARE(surface.errorString(), QString());
        QVERIFY(surface.isFinished());
    }
    const QList<PdfPage> pages = pdfPages(readBytes(path));
    QCOMPARE(pages.size(), 1);
    QVERIFY(pages[0].width > pages[0].height);
}

void PdfOutputTest::refusedWithoutSchoolYear() {
    QTemporaryDir dir;
    const QString path = dir.filePath(u"none.pdf"_s);
    AppState state = smallState();
    state.intYear = 0;
    const PdfResult result = writeSheetsPdf(state, {0}, path);
    QCOMPARE(result.status, PdfResult::Status::NothingToPrint);
    QCOMPARE(result.message, u"印刷するデータがありません。"_s);
    QVERIFY(!QFile::exists(path));
}

void PdfOutputTest::unwritablePath() {
    QTemporaryDir dir;
    const QString path = dir.filePath(u"no/such/folder/year.pdf"_s);
    AppState state = smallState();
    const PdfResult result = writeSheetsPdf(state, {0}, path);
    QCOMPARE(result.status, PdfResult::Status::Failed);
    QVERIFY(result.message.contains(path));
    QVERIFY(!QFile::exists(path));
}

void PdfOutputTest::paperNames_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("known");
    QTest::newRow("A4") << u"A4"_s << true;
    QTest::newRow("a3") << u"a3"_s << true;
    QTest::newRow("B4") << u"B4"_s << true;
    QTest::newRow("Letter") << u"Letter"_s << false;
    QTest::newRow("empty") << QString() << false;
}

void PdfOutputTest::paperNames() {
    QFETCH(QString, name);
    QFETCH(bool, known);
    QCOMPARE(fncPaperSize(name).has_value(), known);
}

QTEST_MAIN(PdfOutputTest)
#include "pdf_output_test.moc"
