// What the reader takes in is bounded: a file or a line beyond the limits is refused with a
// message naming the limit and the place, an input that never ends is read no further than the
// limit, and a pipe, a device or a folder is refused before it is opened.

#include "storage/data_file_layout.h"
#include "storage_test_support.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <cstring>
#ifndef Q_OS_WIN
#include <sys/stat.h>
#endif

using namespace Qt::StringLiterals;
using namespace mirune;
using namespace mirune::test;

namespace {

// The header line, then zero bytes without end, as a pipe fed from /dev/zero delivers them.
class EndlessInput : public QIODevice {
  public:
    EndlessInput() { open(QIODevice::ReadOnly); }
    bool isSequential() const override { return true; }
    qint64 handedOut() const { return m_handedOut; }

  protected:
    qint64 readData(char *data, qint64 maxSize) override {
        static const QByteArray header = cp932File({u"トワラ"_s});
        for (qint64 i = 0; i < maxSize; ++i, ++m_handedOut)
            data[i] = m_handedOut < header.size() ? header[m_handedOut] : '\0';
        return maxSize;
    }
    qint64 writeData(const char *, qint64) override { return -1; }

  private:
    qint64 m_handedOut = 0;
};

// The first bytes of a file, then a read error, as a failing disk or a lost share gives them.
class FailingInput : public QIODevice {
  public:
    explicit FailingInput(QByteArray bytes) : m_bytes(std::move(bytes)) {
        open(QIODevice::ReadOnly);
    }
    bool isSequential() const override { return true; }

  protected:
    qint64 readData(char *data, qint64 maxSize) override {
        if (m_handedOut >= m_bytes.size()) {
            setErrorString(u"Input/output error"_s);
            return -1;
        }
        const qint64 n = qMin(maxSize, m_bytes.size() - m_handedOut);
        std::memcpy(data, m_bytes.constData() + m_handedOut, size_t(n));
        m_handedOut += n;
        return n;
    }
    qint64 writeData(const char *, qint64) override { return -1; }

  private:
    QByteArray m_bytes;
    qint64 m_handedOut = 0;
};

// The lines of a small valid file: class settings, plans and one registered day.
QStringList smallFileLines() {
    AppState state = sample::classState(2004);
    sample::fillPlans(state);
    state.objFirstDay->appendDay(
        makeRegisteredDay(QDate(2004, 4, 8), sample::weekdaySubjects(3), u"13333200"_s));
    return writtenLines(state);
}

} // namespace

class InputLimitsTest : public QObject {
    Q_OBJECT

  private slots:
    void lineLength_data();
    void lineLength();
    void fileSize();
    void inputWithoutEnd();
    void readErrorPartWay();
    void schoolYear_data();
    void schoolYear();
    void inputThatIsNoRegularFile_data();
    void inputThatIsNoRegularFile();
};

void InputLimitsTest::lineLength_data() {
    QTest::addColumn<int>("line");
    QTest::addColumn<int>("length");
    QTest::addColumn<bool>("loads");
    const int limit = int(data_file::kMaxLineBytes);
    QTest::newRow("teacher at the limit") << 5 << limit << true;
    QTest::newRow("teacher one byte over") << 5 << limit + 1 << false;
    QTest::newRow("teacher of 10 MB") << 5 << 10'000'000 << false;
    QTest::newRow("day comment over") << smallFileLines().size() - 1 << limit + 1 << false;
}

void InputLimitsTest::lineLength() {
    QFETCH(int, line);
    QFETCH(int, length);
    QFETCH(bool, loads);
    QStringList lines = smallFileLines();
    lines[line - 1] = QString(length, u'a');
    AppState state = startedState();
    state.strFileName = u"/somewhere/class.zr2"_s;

    const LoadResult result = readBytes(cp932File(lines), state);
    if (loads) {
        QVERIFY2(result.ok(), qPrintable(result.message));
        QCOMPARE(writtenLines(state)[line - 1].size(), length);
        return;
    }
    QCOMPARE(result.status, LoadResult::Status::Failed);
    QCOMPARE(result.line, line);
    QCOMPARE(result.message, u"データファイルの%1行目を読み込めませんでした。"
                             "行の長さが上限（64 KiB）を超えています。"_s.arg(line));
    QVERIFY(state.strFileName.isEmpty());
    QCOMPARE(notFreshWeekAndYearData(state), QString());
}

void InputLimitsTest::fileSize() {
    // A valid beginning, then more short lines than the reader holds, past the size limit.
    QByteArray bytes = cp932File(smallFileLines());
    const qint64 limit = data_file::kMaxFileBytes;
    bytes.append(QByteArray(limit + 1 - bytes.size(), '\n'));
    QCOMPARE(bytes.size(), limit + 1);
    AppState state = startedState();

    const LoadResult result = readBytes(bytes, state);
    QCOMPARE(result.status, LoadResult::Status::Failed);
    QCOMPARE(result.message, u"データファイルが大きさの上限（16 MiB）を超えています。"
                             "16777216バイト目より先は読み込みませんでした。"_s);

    bytes.chop(1); // at the limit the file is read, and refused for its lines
    QVERIFY(readBytes(bytes, state).message.contains(u"行数が上限の3001行を超えています"_s));
}

void InputLimitsTest::inputWithoutEnd() {
    EndlessInput input;
    AppState state = startedState();
    const LoadResult result = readDataFile(input, state);
    QCOMPARE(result.status, LoadResult::Status::Failed);
    QVERIFY2(result.message.contains(u"16 MiB"_s), qPrintable(result.message));
    // No more than the limit and the device's read-ahead was taken.
    QVERIFY(input.handedOut() > data_file::kMaxFileBytes);
    QVERIFY(input.handedOut() <= data_file::kMaxFileBytes + 64 * 1024);
}

// A read error half way through is said as such, not as a file that ends too early, and leaves
// no plan half read.
void InputLimitsTest::readErrorPartWay() {
    const QByteArray whole = cp932File(smallFileLines());
    FailingInput input(whole.left(whole.size() / 2));
    AppState state = startedState();
    const LoadResult result = readDataFile(input, state);
    QCOMPARE(result.status, LoadResult::Status::Failed);
    QVERIFY2(result.message.contains(u"最後まで読み込めませんでした（Input/output error）"_s),
             qPrintable(result.message));
    QCOMPARE(notFreshWeekAndYearData(state), QString());
}

void InputLimitsTest::schoolYear_data() {
    QTest::addColumn<QString>("yearLine");
    QTest::addColumn<QString>("reason"); // empty: loads
    QTest::newRow("9998") << u" 9998"_s << QString();
    QTest::newRow("1") << u" 1"_s << QString();
    QTest::newRow("9999: March falls in 10000") << u" 9999"_s << u"年度（9999）が1～9998"_s;
    QTest::newRow("32767") << u" 32767"_s << u"年度（32767）が1～9998"_s;
    QTest::newRow("0") << u" 0"_s << u"年度（0）が1～9998"_s;
    QTest::newRow("-5") << u"-5"_s << u"年度（-5）が1～9998"_s;
}

void InputLimitsTest::schoolYear() {
    QFETCH(QString, yearLine);
    QFETCH(QString, reason);
    QStringList lines = smallFileLines();
    lines[1] = yearLine;
    AppState state = startedState();

    const LoadResult result = readBytes(cp932File(lines), state);
    if (reason.isEmpty()) {
        QVERIFY2(result.ok(), qPrintable(result.message));
        return;
    }
    // The year is what is wrong, not the first date built from it (line 6).
    QCOMPARE(result.status, LoadResult::Status::Failed);
    QCOMPARE(result.line, 2);
    QVERIFY2(result.message.contains(u"2行目"_s) && result.message.contains(reason),
             qPrintable(result.message));
}

void InputLimitsTest::inputThatIsNoRegularFile_data() {
    QTest::addColumn<QString>("path"); // "fifo": a named pipe made for the test
    QTest::addColumn<QString>("message");
    const QString notRegular =
        u"ファイル「%1」を開けませんでした。通常のファイルではありません（%2）。"_s;
    QTest::newRow("named pipe without writer")
        << u"fifo"_s << notRegular.arg(u"fifo"_s, u"名前付きパイプ"_s);
#ifdef Q_OS_WIN
    QTest::newRow("device") << u"NUL"_s << notRegular.arg(u"NUL"_s, u"デバイス"_s);
#else
    QTest::newRow("endless device")
        << u"/dev/zero"_s << notRegular.arg(u"/dev/zero"_s, u"デバイス"_s);
#endif
    QTest::newRow("folder") << u"/"_s << notRegular.arg(u"/"_s, u"フォルダ"_s);
    QTest::newRow("no name") << QString() << u"ファイル名が指定されていません。"_s;
}

void InputLimitsTest::inputThatIsNoRegularFile() {
    QFETCH(QString, path);
    QFETCH(QString, message);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    if (path == u"fifo"_s) {
#ifdef Q_OS_WIN
        QSKIP("Windows has no named pipes in its file system (mkfifo)");
#else
        path = dir.filePath(path);
        message.replace(u"「fifo」"_s, u"「%1」"_s.arg(path));
        QVERIFY(mkfifo(QFile::encodeName(path).constData(), 0600) == 0);
#endif
    }
    AppState state = startedState();
    state.strFileName = path;
    state.boolDaySelected = 1;

    const LoadResult result = subLoadFile(state); // would block on a pipe, or never end
    QCOMPARE(result.status, LoadResult::Status::CannotOpen);
    QCOMPARE(result.message, message);
    QVERIFY(state.strFileName.isEmpty());
    QCOMPARE(state.boolDaySelected, Flag(0));
}

QTEST_GUILESS_MAIN(InputLimitsTest)
#include "input_limits_test.moc"
