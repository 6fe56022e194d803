// mirune-cli holidays, and the equinox days of mirune-cli new: what a script sees.

#include "cli_run.h"

#include <QFile>
#include <QMap>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

// The official list of one school year: date -> name.
QMap<QString, QString> officialOfSchoolYear(int year) {
    QMap<QString, QString> result;
    QFile file(QString::fromUtf8(MIRUNE_OFFICIAL_HOLIDAYS));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return result;
    const QString first = u"%1-04-01"_s.arg(year);
    const QString last = u"%1-03-31"_s.arg(year + 1);
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        const QString date = line.section(u'\t', 0, 0);
        if (!line.startsWith(u'#') && date >= first && date <= last)
            result.insert(date, line.section(u'\t', 1));
    }
    return result;
}

// Lines of the data file, without their CR LF.
QList<QByteArray> fileLines(const QString &path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll().split('\n');
}

} // namespace

class HolidaysCliTest : public QObject {
    Q_OBJECT

  private slots:
    void holidaysOfASchoolYear_data();
    void holidaysOfASchoolYear();
    void holidaysRefusesWhatItCannotAnswer_data();
    void holidaysRefusesWhatItCannotAnswer();
    void newTakesTheEquinoxDays_data();
    void newTakesTheEquinoxDays();
    void newRefusesAnEquinoxDayOutsideItsMonth_data();
    void newRefusesAnEquinoxDayOutsideItsMonth();

  private:
    QTemporaryDir m_dir;
};

void HolidaysCliTest::holidaysOfASchoolYear_data() {
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("count");
    QTest::newRow("2026") << 2026 << 19;
    QTest::newRow("2019, the enthronement year") << 2019 << 24;
    QTest::newRow("2003, before the substitute rule changed") << 2003 << 15;
}

void HolidaysCliTest::holidaysOfASchoolYear() {
    QFETCH(int, year);
    QFETCH(int, count);
    const Run run = cli({u"holidays"_s, u"--year"_s, QString::number(year)});
    QCOMPARE(run.exitCode, 0);
    QVERIFY(run.err.isEmpty());
    const QStringList lines = run.out.split(u'\n', Qt::SkipEmptyParts);
    const QMap<QString, QString> official = officialOfSchoolYear(year);
    QCOMPARE(official.size(), count);
    QStringList dates;
    for (const QString &line : lines) {
        const QString date = line.section(u' ', 0, 0);
        const QString name = line.section(u' ', 1);
        dates.append(date);
        // The official list calls the substitute, citizens' and one-off days "休日".
        if (official.value(date) != u"休日"_s)
            QCOMPARE(name, official.value(date));
        else
            QVERIFY2(name == u"振替休日"_s || name == u"国民の休日"_s || date.startsWith(u"2019"_s),
                     qPrintable(line));
    }
    QCOMPARE(dates, official.keys()); // in date order, each once
}

void HolidaysCliTest::holidaysRefusesWhatItCannotAnswer_data() {
    QTest::addColumn<QStringList>("args");
    QTest::newRow("no year") << QStringList{u"holidays"_s};
    QTest::newRow("not a year") << QStringList{u"holidays"_s, u"--year"_s, u"令和8"_s};
    QTest::newRow("before the equinox formula") << QStringList{u"holidays"_s, u"--year=1979"_s};
    QTest::newRow("spring equinox after the formula")
        << QStringList{u"holidays"_s, u"--year"_s, u"2099"_s};
    QTest::newRow("a file") << QStringList{u"holidays"_s, u"a.zr2"_s, u"--year"_s, u"2026"_s};
}

void HolidaysCliTest::holidaysRefusesWhatItCannotAnswer() {
    QFETCH(QStringList, args);
    const Run run = cli(args);
    QCOMPARE(run.exitCode, 2);
    QVERIFY(run.out.isEmpty());
    QVERIFY(!run.err.isEmpty());
}

void HolidaysCliTest::newTakesTheEquinoxDays_data() {
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QByteArray>("autumn");
    QTest::addColumn<QByteArray>("spring");
    QTest::addColumn<QString>("holiday");
    QTest::addColumn<QString>("schoolDay");
    // The real days of 2027: Thursday 23 September and Monday 20 March 2028.
    QTest::newRow("the real days") << QStringList{} << QByteArray(" 23") << QByteArray(" 20")
                                   << u"2027-09-23"_s << u"2027-09-22"_s;
    // A teacher's 22 September makes Tuesday the 21st a day between two holidays.
    QTest::newRow("set by hand") << QStringList{u"--autumn-equinox"_s, u"22"_s,
                                                u"--spring-equinox=21"_s}
                                 << QByteArray(" 22") << QByteArray(" 21") << u"2027-09-21"_s
                                 << u"2027-09-23"_s;
}

void HolidaysCliTest::newTakesTheEquinoxDays() {
    QFETCH(QStringList, options);
    QFETCH(QByteArray, autumn);
    QFETCH(QByteArray, spring);
    QFETCH(QString, holiday);
    QFETCH(QString, schoolDay);
    const QString file = m_dir.filePath(u"equinox.zr2"_s);
    const Run run =
        cli(QStringList{u"new"_s, file, u"--year"_s, u"2027"_s, u"--force"_s} + options);
    QCOMPARE(run.exitCode, 0);
    const QList<QByteArray> lines = fileLines(file);
    QCOMPARE(lines.value(21), QByteArray(" 9\r"));
    QCOMPARE(lines.value(22), autumn + '\r');
    QCOMPARE(lines.value(27), QByteArray(" 3\r"));
    QCOMPARE(lines.value(28), spring + '\r');

    const Run list = cli({u"schooldays"_s, file, u"--list"_s});
    QCOMPARE(list.exitCode, 0);
    QVERIFY(list.out.contains(holiday + u" holiday\n"_s));
    QVERIFY(list.out.contains(schoolDay + u" school\n"_s));
}

void HolidaysCliTest::newRefusesAnEquinoxDayOutsideItsMonth_data() {
    QTest::addColumn<QStringList>("options");
    QTest::newRow("31 September") << QStringList{u"--autumn-equinox"_s, u"31"_s};
    QTest::newRow("day 0") << QStringList{u"--spring-equinox"_s, u"0"_s};
    QTest::newRow("not a day") << QStringList{u"--autumn-equinox"_s, u"秋分"_s};
}

void HolidaysCliTest::newRefusesAnEquinoxDayOutsideItsMonth() {
    QFETCH(QStringList, options);
    const QString file = m_dir.filePath(u"refused.zr2"_s);
    const Run run = cli(QStringList{u"new"_s, file, u"--year"_s, u"2027"_s} + options);
    QCOMPARE(run.exitCode, 2);
    QVERIFY(!run.err.isEmpty());
    QVERIFY(!QFile::exists(file));
}

QTEST_MAIN(HolidaysCliTest)
#include "holidays_cli_test.moc"
