// mirune-cli register: a stretch of days registered as the model registers them, written like a
// save; every refusal leaves the file byte for byte as it was.

#include "cli_run.h"
#include "file_bytes.h"
#include "model/range_registration.h"
#include "storage/data_file.h"
#include "storage/data_file_lock.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

using namespace Qt::StringLiterals;
using namespace mirune;

namespace {

using mirune::test::readBytes;

QString examplePath() {
    return QString::fromUtf8(MIRUNE_EXAMPLE_PATH);
}

} // namespace

class RegisterCliTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { QVERIFY(m_dir.isValid()); }
    void registersAsTheModel_data();
    void registersAsTheModel();
    void refusals_data();
    void refusals();
    void runsAtOnceBothCount();
    void refusedWhileTheProgramHasTheFile();

  private:
    QTemporaryDir m_dir;
};

void RegisterCliTest::registersAsTheModel_data() {
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<TimetableChoice>("timetable");
    QTest::addColumn<QDate>("from");
    QTest::addColumn<QDate>("to");
    QTest::newRow("timetable A by default")
        << QStringList{u"--from"_s, u"2026-09-01"_s, u"--to"_s, u"2026-09-30"_s}
        << TimetableChoice::A << QDate(2026, 9, 1) << QDate(2026, 9, 30);
    QTest::newRow("timetable B") << QStringList{u"--from=2026-09-01"_s, u"--to=2026-09-30"_s,
                                                u"--timetable"_s, u"B"_s}
                                 << TimetableChoice::B << QDate(2026, 9, 1) << QDate(2026, 9, 30);
    // The example has registered and withdrawn days in its first weeks.
    QTest::newRow("the whole year")
        << QStringList{u"--from"_s, u"2026-04-01"_s, u"--to"_s, u"2027-03-31"_s}
        << TimetableChoice::A << QDate(2026, 4, 1) << QDate(2027, 3, 31);
}

void RegisterCliTest::registersAsTheModel() {
    QFETCH(QStringList, options);
    QFETCH(TimetableChoice, timetable);
    QFETCH(QDate, from);
    QFETCH(QDate, to);
    const QString file = m_dir.filePath(u"class.zr2"_s);
    QFile::remove(file);
    QVERIFY(QFile::copy(examplePath(), file));

    AppState expected;
    subInitApp(expected);
    expected.strFileName = examplePath();
    QVERIFY(subLoadFile(expected).ok());
    const QList<QDate> days = fncDaysToRegister(expected, from, to, timetable);
    QVERIFY(!days.isEmpty());
    QCOMPARE(subRegisterDays(expected, days, timetable), days.size());

    const Run run = cli(QStringList{u"register"_s, file} + options);
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.err, QString());
    QCOMPARE(run.out, QString::number(days.size()) + u'\n');
    QCOMPARE(readBytes(file), encodeDataFile(expected).bytes);

    // Again: nothing left to register, and the file is not touched.
    const QDateTime written = QFileInfo(file).lastModified();
    const Run again = cli(QStringList{u"register"_s, file} + options);
    QCOMPARE(again.exitCode, 0);
    QCOMPARE(again.out, u"0\n"_s);
    QCOMPARE(QFileInfo(file).lastModified(), written);
}

void RegisterCliTest::refusals_data() {
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QByteArray>("contents"); // empty: the example file
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("message"); // a part of the message on stderr
    const auto range = [](const QString &from, const QString &to) {
        return QStringList{u"--from"_s, from, u"--to"_s, to};
    };
    QTest::newRow("before the school year")
        << range(u"2026-03-31"_s, u"2026-04-30"_s) << QByteArray() << 1
        << u"2026-03-31 は 2026年度（2026-04-01～2027-03-31）の外の日です。"_s;
    QTest::newRow("after the school year")
        << range(u"2027-03-01"_s, u"2027-04-01"_s) << QByteArray() << 1 << u"の外の日です"_s;
    QTest::newRow("runs backwards") << range(u"2026-05-08"_s, u"2026-04-27"_s) << QByteArray() << 1
                                    << u"期間が逆になっています"_s;
    QTest::newRow("no such day") << range(u"2026-04-01"_s, u"2026-04-31"_s) << QByteArray() << 1
                                 << u"「2026-04-31」が正しくありません"_s;
    QTest::newRow("not a date") << range(u"4/1"_s, u"2026-04-30"_s) << QByteArray() << 1
                                << u"「4/1」が正しくありません"_s;
    QTest::newRow("unreadable file") << range(u"2026-04-01"_s, u"2026-04-30"_s)
                                     << QByteArray("not a plan\r\n") << 1 << u"ではありません"_s;
    QTest::newRow("unknown timetable")
        << range(u"2026-04-01"_s, u"2026-04-30"_s) + QStringList{u"--timetable"_s, u"C"_s}
        << QByteArray() << 2 << u"--timetable は A か B"_s;
    QTest::newRow("no last day") << QStringList{u"--from"_s, u"2026-04-01"_s} << QByteArray() << 2
                                 << u"--from と --to"_s;
}

void RegisterCliTest::refusals() {
    QFETCH(QStringList, options);
    QFETCH(QByteArray, contents);
    QFETCH(int, exitCode);
    QFETCH(QString, message);
    const QString file = m_dir.filePath(u"refused.zr2"_s);
    QFile::remove(file);
    if (contents.isEmpty()) {
        QVERIFY(QFile::copy(examplePath(), file));
    } else {
        QFile f(file);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(contents);
    }
    const QByteArray before = readBytes(file);
    const Run run = cli(QStringList{u"register"_s, file} + options);
    QCOMPARE(run.exitCode, exitCode);
    QVERIFY2(run.err.contains(message), qPrintable(run.err));
    QCOMPARE(run.out, QString());
    QCOMPARE(readBytes(file), before);
}

void RegisterCliTest::runsAtOnceBothCount() {
    // Two commands on one file at once: the second waits for the first and reads what it wrote,
    // so neither one's days are lost. Several rounds, since a lost update needs the runs to
    // overlap.
    const QString file = m_dir.filePath(u"shared.zr2"_s);
    const QList<std::pair<QDate, QDate>> ranges = {{QDate(2026, 9, 1), QDate(2026, 9, 30)},
                                                   {QDate(2026, 10, 1), QDate(2026, 10, 30)}};
    AppState expected;
    subInitApp(expected);
    expected.strFileName = examplePath();
    QVERIFY(subLoadFile(expected).ok());
    for (const auto &[from, to] : ranges)
        subRegisterDays(expected, fncDaysToRegister(expected, from, to, TimetableChoice::A),
                        TimetableChoice::A);
    for (int round = 0; round < 5; ++round) {
        QFile::remove(file);
        QVERIFY(QFile::copy(examplePath(), file));
        QList<QProcess *> runs;
        for (const auto &[from, to] : ranges) {
            auto *process = new QProcess(this);
            process->start(QString::fromUtf8(MIRUNE_CLI_PATH),
                           {u"register"_s, file, u"--from"_s, from.toString(Qt::ISODate), u"--to"_s,
                            to.toString(Qt::ISODate)});
            runs.append(process);
        }
        for (QProcess *process : runs) {
            QVERIFY(process->waitForFinished(60000));
            QVERIFY2(process->exitCode() == 0, process->readAllStandardError().constData());
            delete process;
        }
        QCOMPARE(readBytes(file), encodeDataFile(expected).bytes);
    }
}

void RegisterCliTest::refusedWhileTheProgramHasTheFile() {
    // This test program stands in for the desktop program holding the file open.
    const QString file = m_dir.filePath(u"3年1組.zr2"_s);
    QFile::remove(file);
    QVERIFY(QFile::copy(examplePath(), file));
    const QByteArray before = readBytes(file);
    DataFileLock held;
    QCOMPARE(held.lock(file), DataFileLock::Status::Held);
    for (const QStringList &args :
         {QStringList{u"register"_s, file, u"--from"_s, u"2026-09-01"_s, u"--to"_s,
                      u"2026-09-30"_s},
          QStringList{u"resave"_s, examplePath(), file},
          QStringList{u"new"_s, file, u"--year"_s, u"2026"_s, u"--force"_s}}) {
        const Run run = cli(args);
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.err.contains(u"「3年1組.zr2」はほかのミルネ2002で開かれています。"_s),
                 qPrintable(run.err));
        QCOMPARE(readBytes(file), before);
    }
    // Let go, the command goes through.
    held.unlock();
    QCOMPARE(cli({u"register"_s, file, u"--from"_s, u"2026-09-01"_s, u"--to"_s, u"2026-09-30"_s})
                 .exitCode,
             0);
    QVERIFY(readBytes(file) != before);
}

QTEST_GUILESS_MAIN(RegisterCliTest)
#include "register_cli_test.moc"
