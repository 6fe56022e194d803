// The sheets on a real device: the fonts' widths agree with those the sheets are laid out for,
// a placed sheet is scaled as a whole, a PDF's text layer gives spaces and never tabs, and
// writing a PDF reports the sheets it scaled down.

#include "ink_image.h"
#include "print/painter_surface.h"
#include "print/pdf_output.h"
#include "print/placed_sheets.h"
#include "print/print_dispatch.h"
#include "print/sheet_fonts.h"
#include "print_test_support.h"

#include <QBuffer>
#include <QImage>
#include <QPdfWriter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

using namespace mirune;
using namespace mirune::test;
using namespace Qt::StringLiterals;

namespace {

// The contents of every stream of a PDF, inflated where it is compressed (the PDF writer
// compresses with zlib).
QList<QByteArray> pdfStreams(const QByteArray &pdf) {
    QList<QByteArray> streams;
    qsizetype at = 0;
    while ((at = pdf.indexOf("stream", at)) >= 0) {
        const bool isStart = at == 0 || pdf.sliced(at - 3, 3) != "end";
        qsizetype start = at + 6;
        at = start;
        if (!isStart)
            continue;
        if (pdf.sliced(start, 2) == "\r\n")
            start += 2;
        else if (pdf[start] == '\n')
            start += 1;
        const qsizetype end = pdf.indexOf("endstream", start);
        if (end < 0)
            break;
        const QByteArray body = pdf.sliced(start, end - start);
        const qsizetype dictionary = pdf.lastIndexOf("obj", start);
        if (pdf.sliced(dictionary, start - dictionary).contains("/FlateDecode")) {
            // qUncompress wants the length in front; a generous guess is enough.
            QByteArray sized(4, '\0');
            qToBigEndian<quint32>(16u << 20, sized.data());
            streams.append(qUncompress(sized + body));
        } else {
            streams.append(body);
        }
        at = end + 9;
    }
    return streams;
}

AppState lateTermsState(int summerLastDay) {
    VacationDays days;
    days.summerFirstDay = 21;
    days.summerLastDay = summerLastDay;
    days.springFirstDay = 25;
    return classState(2026, 3, u"1"_s, u"鈴木　一郎"_s, days);
}

QList<int> allSheets() {
    QList<int> all;
    for (int i = 0; i < kPrintOptionCount; ++i)
        all.append(i);
    return all;
}

} // namespace

class PdfFitTest : public QObject {
    Q_OBJECT

  private slots:
    void widthsAgreeWithTheLayout_data();
    void widthsAgreeWithTheLayout();
    void spacesLeaveTheirRoom();
    void placementScalesEverything();
    void textLayerHasSpacesNotTabs();
    void shrinkNotices_data();
    void shrinkNotices();
};

void PdfFitTest::widthsAgreeWithTheLayout_data() {
    QTest::addColumn<QString>("fontName");
    QTest::addColumn<int>("size");
    QTest::addColumn<QString>("text");
    QTest::newRow("figure, 5 point") << u"ＭＳ 明朝"_s << 5 << u"-162.2"_s;
    QTest::newRow("padded figure, 9 point") << u"ＭＳ 明朝"_s << 9 << u"  33.1"_s;
    QTest::newRow("title with both spaces")
        << u"ＭＳ 明朝"_s << 14 << u"年 間 時 間 割　及び　時 間 集 計 表   ３年１組"_s;
    QTest::newRow("labels and marks") << u"ＭＳ 明朝"_s << 7 << u"日０ⅠⅡⅦ☆"_s;
    QTest::newRow("teacher, gothic") << u"ＭＳ ゴシック"_s << 18 << u"担任　　山田　花子"_s;
    QTest::newRow("half-width katakana") << u"ＭＳ ゴシック"_s << 32 << u"ｸﾗﾌﾞ"_s;
    QTest::newRow("hiragana title") << u"ＭＳ ゴシック"_s << 32 << u"１ねん２くみ   じかんわり A"_s;
}

// The recording surface measures with the fixed-pitch rule; the IPA fonts must keep it, or the
// sheets would fit on the recording surface and not on paper.
void PdfFitTest::widthsAgreeWithTheLayout() {
    QFETCH(QString, fontName);
    QFETCH(int, size);
    QFETCH(QString, text);
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setResolution(kPdfResolution);
    PainterSurface s(writer);
    s.setFontName(fontName);
    s.setFontSize(size);
    const int expected = fncFixedPitchTextWidth(text, size);
    QVERIFY2(qAbs(s.textWidth(text) - expected) <= 1,
             qPrintable(u"%1 twips, the layout's %2"_s.arg(s.textWidth(text)).arg(expected)));
    QCOMPARE(s.errorString(), QString());
}

// A text drawn in runs between its spaces looks as it would drawn whole.
void PdfFitTest::spacesLeaveTheirRoom() {
    QImage whole = whitePage();
    QImage pieces = whitePage();
    {
        PainterSurface s(whole);
        s.setFontName(u"ＭＳ 明朝"_s);
        s.setFontSize(36);
        s.printAt(1440, 1440, u"国 語  算　数"_s);
        s.endDocument();
        QCOMPARE(s.errorString(), QString());
    }
    {
        // 18 twips to the half-width character in 36 point.
        PainterSurface s(pieces);
        s.setFontName(u"ＭＳ 明朝"_s);
        s.setFontSize(36);
        s.printAt(1440, 1440, u"国"_s);
        s.printAt(1440 + 3 * 360, 1440, u"語"_s);
        s.printAt(1440 + 7 * 360, 1440, u"算　数"_s);
        s.endDocument();
    }
    QVERIFY(!inkBox(whole).isEmpty());
    QCOMPARE(whole, pieces);
}

void PdfFitTest::placementScalesEverything() {
    QImage image = whitePage();
    {
        PainterSurface s(image);
        s.setPlacement({0.5, 1000, 2000});
        s.setLineWidth(8);
        s.drawLine(1440, 1440, 1440, 2880);
        s.endDocument();
        QCOMPARE(s.errorString(), QString());
    }
    // Twips (1440, 1440)-(1440, 2880) become (1720, 2720)-(1720, 3440): pixels 172, 272 to 344;
    // the 8-dot line is 4 pixels wide.
    const QRect box = inkBox(image);
    QVERIFY2(qAbs(box.center().x() - 172) <= 1, qPrintable(u"centre %1"_s.arg(box.center().x())));
    QVERIFY2(box.width() >= 3 && box.width() <= 5, qPrintable(u"width %1"_s.arg(box.width())));
    QVERIFY2(box.top() >= 272 - 3 && box.top() <= 272, qPrintable(u"top %1"_s.arg(box.top())));
    QVERIFY2(box.bottom() >= 344 && box.bottom() <= 344 + 3,
             qPrintable(u"bottom %1"_s.arg(box.bottom())));
}

// The IPA fonts give the half-width space the glyph of the tab, and a PDF's text layer maps each
// glyph back to one character: a space drawn as a glyph reads back as a tab.
void PdfFitTest::textLayerHasSpacesNotTabs() {
    const QString pdftotext = QStandardPaths::findExecutable(u"pdftotext"_s);
    if (pdftotext.isEmpty())
        QSKIP("pdftotext (Debian package poppler-utils) is not installed");
    QTemporaryDir dir;
    const QString path = dir.filePath(u"all.pdf"_s);
    AppState state = fullYearState();
    const PdfResult result = writeSheetsPdf(state, allSheets(), path);
    QVERIFY2(result.ok(), qPrintable(result.message));

    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    int maps = 0;
    for (const QByteArray &stream : pdfStreams(file.readAll())) {
        if (!stream.contains("beginbfchar") && !stream.contains("beginbfrange"))
            continue;
        ++maps;
        QVERIFY2(!stream.contains("<0009>"), "a glyph of the text layer reads back as a tab");
    }
    QCOMPARE(maps, 2); // one for each font

    QProcess process;
    process.start(pdftotext, {u"-layout"_s, path, u"-"_s});
    QVERIFY(process.waitForFinished(60000));
    QCOMPARE(process.exitCode(), 0);
    const QString text = QString::fromUtf8(process.readAllStandardOutput());
    QVERIFY(!text.contains(u'\t'));
    // The spaced titles read with their spaces.
    for (const QString &spaced : {u"年 間 時 間 割"_s, u"時 間 割 A"_s, u"時 間 割 B"_s,
                                  u"時 間 集 計 表"_s, u"特 別 活 動"_s})
        QVERIFY2(text.contains(spaced), qPrintable(spaced));
}

void PdfFitTest::shrinkNotices_data() {
    QTest::addColumn<int>("summerLastDay");
    QTest::addColumn<bool>("fit");
    QTest::addColumn<int>("notices");
    QTest::newRow("45 rows fit A4") << 31 << false << 0;
    QTest::newRow("46 rows scaled down") << 24 << false << 1;
    QTest::newRow("46 rows fitted as asked, nothing to say") << 24 << true << 0;
}

void PdfFitTest::shrinkNotices() {
    QFETCH(int, summerLastDay);
    QFETCH(bool, fit);
    QFETCH(int, notices);
    AppState state = lateTermsState(summerLastDay);
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    const PdfResult result = writeSheetsPdf(state, allSheets(), buffer, PaperSize::A4, {fit});
    QVERIFY2(result.ok(), qPrintable(result.message));
    QCOMPARE(result.notices.size(), notices);
    if (notices > 0)
        QVERIFY(result.notices.first().startsWith(u"「年間の時数集計表」"_s));
}

QTEST_MAIN(PdfFitTest)
#include "pdf_fit_test.moc"
