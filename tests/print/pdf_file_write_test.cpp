// PDF files are written whole or not at all: a full disk part way, a drawing that fails, and a
// document that is complete when it is written.

#include "file_size_limit.h"
#include "print/pdf_file_write.h"
#include "print/pdf_output.h"
#include "print_test_support.h"

#include <QDir>
#include <QFile>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>
#include <cerrno>
#include <cstring>

using namespace mirune;
using namespace mirune::test;
using namespace Qt::StringLiterals;

namespace {

const QByteArray kPreviousPdf = "%PDF-1.4 the previous sheets\n%%EOF\n";
const QString kPreviousKept = u"以前のファイルはそのまま残っています。"_s;

QByteArray readAll(const QString &path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(cannot be read)");
}

void writeFile(const QString &path, const QByteArray &bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

QStringList folderEntries(const QString &folder) {
    return QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
}

// The year sheet of the test state as a PDF, as the command line writes it.
PdfResult writeYearSheet(const QString &path) {
    AppState state = smallState();
    return writeSheetsPdf(state, {0}, path);
}

} // namespace

class PdfFileWriteTest : public QObject {
    Q_OBJECT

  private slots:
    void writtenDocumentIsComplete();
    void diskFullPartWay_data();
    void diskFullPartWay();
    void drawingThatFails();
};

void PdfFileWriteTest::writtenDocumentIsComplete() {
    QTemporaryDir dir;
    const QString path = dir.filePath(u"year.pdf"_s);
    writeFile(path, kPreviousPdf);
    const PdfResult result = writeYearSheet(path);
    QVERIFY2(result.ok(), qPrintable(result.message));
    const QByteArray pdf = readAll(path);
    QVERIFY(pdf.startsWith("%PDF-"));
    QVERIFY(pdf.endsWith("%%EOF\n"));
    QCOMPARE(folderEntries(dir.path()), QStringList{u"year.pdf"_s});
}

void PdfFileWriteTest::diskFullPartWay_data() {
    QTest::addColumn<bool>("previousFile");
    QTest::addColumn<int>("bytesShort"); // how far below the document's size the disk fills
    QTest::addColumn<int>("limit");      // or a fixed limit when bytesShort is 0
    QTest::newRow("replacing a PDF, room for 4 KB") << true << 0 << 4096;
    QTest::newRow("replacing a PDF, no room at all") << true << 0 << 0;
    QTest::newRow("replacing a PDF, one byte short") << true << 1 << 0;
    QTest::newRow("new file, room for 4 KB") << false << 0 << 4096;
}

void PdfFileWriteTest::diskFullPartWay() {
    QFETCH(bool, previousFile);
    QFETCH(int, bytesShort);
    QFETCH(int, limit);
    QTemporaryDir dir;
    if (bytesShort > 0) {
        const QString reference = dir.filePath(u"reference.pdf"_s);
        QVERIFY(writeYearSheet(reference).ok());
        limit = int(readAll(reference).size()) - bytesShort;
        QVERIFY(QFile::remove(reference));
    }
    const QString path = dir.filePath(u"year.pdf"_s);
    if (previousFile)
        writeFile(path, kPreviousPdf);
    const QStringList entriesBefore = folderEntries(dir.path());

    PdfResult result;
    {
        FileSizeLimit fileSizeLimit{rlim_t(limit)};
        if (!fileSizeLimit.ok())
            QSKIP("cannot limit the file size");
        result = writeYearSheet(path);
    }
    QCOMPARE(result.status, PdfResult::Status::Failed);
    const QString expected =
        u"ファイル「%1」に保存できませんでした（エラー %2：%3）。"_s.arg(path).arg(EFBIG).arg(
            QString::fromLocal8Bit(std::strerror(EFBIG)));
    QCOMPARE(result.message, previousFile ? expected + kPreviousKept : expected);
    QCOMPARE(folderEntries(dir.path()), entriesBefore);
    if (previousFile)
        QCOMPARE(readAll(path), kPreviousPdf);
}

void PdfFileWriteTest::drawingThatFails() {
    QTemporaryDir dir;
    const QString path = dir.filePath(u"year.pdf"_s);
    writeFile(path, kPreviousPdf);
    const PdfResult result = writePdfSafely(path, [](QPdfWriter &writer) {
        QPainter painter(&writer);
        painter.drawText(100, 100, u"the first page"_s);
        return u"フォントがありません。"_s;
    });
    QCOMPARE(result.status, PdfResult::Status::Failed);
    QCOMPARE(result.message,
             u"ファイル「%1」に保存できませんでした。フォントがありません。"_s.arg(path));
    QCOMPARE(readAll(path), kPreviousPdf);
    QCOMPARE(folderEntries(dir.path()), QStringList{u"year.pdf"_s});
}

QTEST_MAIN(PdfFileWriteTest)
#include "pdf_file_write_test.moc"
