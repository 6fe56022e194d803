// mirune-cli standard-hours, and new --standard-hours: today's curriculum as a script sees it.

#include "cli_run.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QtTest>

using namespace Qt::StringLiterals;

class CurriculumCliTest : public QObject {
    Q_OBJECT
  private slots:
    void standardHoursJson_data();
    void standardHoursJson();
    void standardHoursText();
    void refusals_data();
    void refusals();
    void newFillsTheBasePlan();

  private:
    QTemporaryDir m_dir;
};

void CurriculumCliTest::standardHoursJson_data() {
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("grade");
    QTest::addColumn<QString>("curriculum");
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("total");
    QTest::newRow("2004 grade 3") << 2004 << 3 << u"1998"_s << 10 << 910;
    QTest::newRow("2014 grade 6") << 2014 << 6 << u"2008"_s << 12 << 980;
    QTest::newRow("2026 grade 5") << 2026 << 5 << u"2017"_s << 12 << 1015;
    QTest::newRow("2026 grade 1") << 2026 << 1 << u"2017"_s << 8 << 850;
}

void CurriculumCliTest::standardHoursJson() {
    QFETCH(int, year);
    QFETCH(int, grade);
    QFETCH(QString, curriculum);
    QFETCH(int, rows);
    QFETCH(int, total);
    const Run run = cli({u"standard-hours"_s, u"--year"_s, QString::number(year), u"--grade"_s,
                         QString::number(grade), u"--format"_s, u"json"_s});
    QCOMPARE(run.exitCode, 0);
    QJsonParseError error;
    const QJsonObject root = QJsonDocument::fromJson(run.out.toUtf8(), &error).object();
    QCOMPARE(error.error, QJsonParseError::NoError);
    QCOMPARE(root[u"year"_s].toInt(), year);
    QCOMPARE(root[u"grade"_s].toInt(), grade);
    QCOMPARE(root[u"curriculum"_s].toString(), curriculum);
    QCOMPARE(root[u"total"_s].toInt(), total);
    const QJsonObject hours = root[u"hours"_s].toObject();
    QCOMPARE(hours.size(), rows);
    int sum = 0;
    for (const QJsonValue &v : hours)
        sum += v.toInt();
    QCOMPARE(sum, total);
}

void CurriculumCliTest::standardHoursText() {
    const Run run = cli({u"standard-hours"_s, u"--year"_s, u"2026"_s, u"--grade"_s, u"5"_s});
    QCOMPARE(run.exitCode, 0);
    QVERIFY(run.out.contains(u"\n外国語\t70\n"_s));
    QVERIFY(!run.out.contains(u"外国語活動"_s));
    QVERIFY(run.out.contains(u"\n学活\t35\n"_s));
    QVERIFY(run.out.endsWith(u"総授業時数\t1015\n"_s));
}

void CurriculumCliTest::refusals_data() {
    QTest::addColumn<QStringList>("args");
    QTest::newRow("before 2002") << QStringList{u"standard-hours"_s, u"--year"_s, u"2001"_s,
                                                u"--grade"_s, u"3"_s};
    QTest::newRow("grade 7") << QStringList{u"standard-hours"_s, u"--year"_s, u"2026"_s,
                                            u"--grade"_s, u"7"_s};
    QTest::newRow("no grade") << QStringList{u"standard-hours"_s, u"--year"_s, u"2026"_s};
    QTest::newRow("csv") << QStringList{
        u"standard-hours"_s, u"--year"_s, u"2026"_s, u"--grade"_s, u"3"_s, u"--format"_s, u"csv"_s};
    QTest::newRow("new before 2002 with standard hours") << QStringList{
        u"new"_s, u"/tmp/never-written.zr2"_s, u"--year"_s, u"1999"_s, u"--standard-hours"_s};
}

void CurriculumCliTest::refusals() {
    QFETCH(QStringList, args);
    const Run run = cli(args);
    QCOMPARE(run.exitCode, 2);
    QVERIFY(run.out.isEmpty());
    QVERIFY(!run.err.isEmpty());
    QVERIFY(!QFile::exists(u"/tmp/never-written.zr2"_s));
}

void CurriculumCliTest::newFillsTheBasePlan() {
    // Grade 5 of 2026 has 外国語: the plan uses it and is written in the extended form; grade 1
    // has neither row and stays in today's form.
    const QString grade5 = m_dir.filePath(u"g5.zr2"_s);
    const QString grade1 = m_dir.filePath(u"g1.zr2"_s);
    QCOMPARE(
        cli({u"new"_s, grade5, u"--year"_s, u"2026"_s, u"--grade"_s, u"5"_s, u"--standard-hours"_s})
            .exitCode,
        0);
    QCOMPARE(
        cli({u"new"_s, grade1, u"--year"_s, u"2026"_s, u"--grade"_s, u"1"_s, u"--standard-hours"_s})
            .exitCode,
        0);
    auto firstLine = [](const QString &path) {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readLine() : QByteArray();
    };
    QCOMPARE(firstLine(grade5), QByteArray("\x83\x67\x83\x8f\x83\x89"
                                           "2\r\n"));                        // トワラ2
    QCOMPARE(firstLine(grade1), QByteArray("\x83\x67\x83\x8f\x83\x89\r\n")); // トワラ

    const Run run = cli({u"summary"_s, grade5, u"--format"_s, u"json"_s});
    QCOMPARE(run.exitCode, 0);
    const QJsonObject root = QJsonDocument::fromJson(run.out.toUtf8()).object();
    const QJsonObject base = root[u"base"_s].toObject();
    QCOMPARE(base[u"kokugo"_s].toInt(), 175 * 3);
    QCOMPARE(base[u"gaikokugo"_s].toInt(), 70 * 3);
    QCOMPARE(base[u"SouJyugyouJisuu"_s].toInt(), 1015 * 3);
    // The base shared out over the terms as 学期に配分 does, in whole lessons, so that the year's
    // plan is the base and every term has a plan to measure against.
    QCOMPARE(root[u"plan"_s].toObject(), base);
    const QJsonArray terms = root[u"terms"_s].toArray();
    QCOMPARE(terms.size(), 3);
    for (const QString &field : base.keys()) {
        int sum = 0;
        for (const QJsonValue &term : terms) {
            const int units = term[u"plan"_s][field].toInt();
            QVERIFY2(units % 3 == 0, qPrintable(field));
            sum += units;
        }
        QCOMPARE(sum, base[field].toInt());
    }
    // 2026 has 71, 77 and 47 school days in its terms: 国語's 175 lessons are 64, 69 and 42;
    // 学活's 35 (12.74, 13.82, 8.44) are 13, 14 and 8.
    const Run days = cli({u"schooldays"_s, grade5});
    QVERIFY2(days.out.contains(u"71"_s) && days.out.contains(u"77"_s) && days.out.contains(u"47"_s),
             qPrintable(days.out));
    QCOMPARE(terms[0][u"plan"_s][u"kokugo"_s].toInt(), 64 * 3);
    QCOMPARE(terms[1][u"plan"_s][u"kokugo"_s].toInt(), 69 * 3);
    QCOMPARE(terms[2][u"plan"_s][u"kokugo"_s].toInt(), 42 * 3);
    QCOMPARE(terms[0][u"plan"_s][u"gakkyuukatsudou"_s].toInt(), 13 * 3);
    QCOMPARE(terms[1][u"plan"_s][u"gakkyuukatsudou"_s].toInt(), 14 * 3);
    QCOMPARE(terms[2][u"plan"_s][u"gakkyuukatsudou"_s].toInt(), 8 * 3);

    // The summary a teacher reads: the term's plan and a rate of 0.0 %, not the dash of no plan.
    const Run text = cli({u"summary"_s, grade5});
    QCOMPARE(text.exitCode, 0);
    const QString kokugo = text.out.split(u'\n').filter(u"国語"_s).value(0);
    QCOMPARE(kokugo.split(u' ', Qt::SkipEmptyParts).mid(0, 3),
             (QStringList{u"国語"_s, u"64.0"_s, u"0.0"_s}));
    QVERIFY2(kokugo.contains(u"0.0%"_s), qPrintable(kokugo));
}

QTEST_MAIN(CurriculumCliTest)
#include "curriculum_cli_test.moc"
