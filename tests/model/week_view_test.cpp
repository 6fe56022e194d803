// The week view's pieces: the week of a date, the headings, the record a day shows, today in the
// school year, and the calendar's notes on holidays.

#include "model/day_notes.h"
#include "model/week_view.h"
#include "model_test_support.h"

#include <QTest>

using namespace mirune;
using namespace mirune::test;

class WeekViewTest : public QObject {
    Q_OBJECT
  private slots:
    void weekOfDate_data();
    void weekOfDate();
    void columnHeading_data();
    void columnHeading();
    void credit_data();
    void credit();
    void dayToShow();
    void todayInSchoolYear_data();
    void todayInSchoolYear();
    void dayNote_data();
    void dayNote();
};

void WeekViewTest::weekOfDate_data() {
    QTest::addColumn<int>("year");
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QDate>("first");
    QTest::addColumn<QDate>("last");
    QTest::newRow("Thursday") << 2026 << QDate(2026, 4, 9) << QDate(2026, 4, 6)
                              << QDate(2026, 4, 10);
    QTest::newRow("Monday") << 2026 << QDate(2026, 4, 6) << QDate(2026, 4, 6) << QDate(2026, 4, 10);
    QTest::newRow("Sunday: the week after")
        << 2026 << QDate(2026, 4, 12) << QDate(2026, 4, 13) << QDate(2026, 4, 17);
    QTest::newRow("Saturday: the week before")
        << 2026 << QDate(2026, 4, 11) << QDate(2026, 4, 6) << QDate(2026, 4, 10);
    // 1 April 2026 is a Wednesday: the week starts on it.
    QTest::newRow("1 April on a Wednesday")
        << 2026 << QDate(2026, 4, 1) << QDate(2026, 4, 1) << QDate(2026, 4, 3);
    QTest::newRow("2 April on a Thursday")
        << 2026 << QDate(2026, 4, 2) << QDate(2026, 4, 1) << QDate(2026, 4, 3);
    // 31 March 2027 is a Wednesday: the week ends on it.
    QTest::newRow("past 31 March")
        << 2026 << QDate(2027, 3, 30) << QDate(2027, 3, 29) << QDate(2027, 3, 31);
    QTest::newRow("across the new year")
        << 2026 << QDate(2026, 12, 31) << QDate(2026, 12, 28) << QDate(2027, 1, 1);
}

void WeekViewTest::weekOfDate() {
    QFETCH(int, year);
    QFETCH(QDate, date);
    QFETCH(QDate, first);
    QFETCH(QDate, last);
    const WeekSpan span = fncWeekOfDate(year, date);
    QCOMPARE(span.first, first);
    QCOMPARE(span.last, last);
}

void WeekViewTest::columnHeading_data() {
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QString>("heading");
    QTest::newRow("Thursday 8 April 2004") << QDate(2004, 4, 8) << u"4／8(木)"_s;
    QTest::newRow("no leading zeros") << QDate(2026, 11, 2) << u"11／2(月)"_s;
    QTest::newRow("Friday") << QDate(2027, 1, 15) << u"1／15(金)"_s;
}

void WeekViewTest::columnHeading() {
    QFETCH(QDate, date);
    QFETCH(QString, heading);
    QCOMPARE(fncColumnHeading(date), heading);
}

void WeekViewTest::credit_data() {
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("text");
    QTest::newRow("0") << 0 << u"なし"_s;
    QTest::newRow("1") << 1 << u"１５分"_s;
    QTest::newRow("3") << 3 << u"４５分"_s;
    QTest::newRow("4") << 4 << u"６０分"_s;
    QTest::newRow("5") << 5 << QString();
    QTest::newRow("-1") << -1 << QString();
}

void WeekViewTest::credit() {
    QFETCH(int, code);
    QFETCH(QString, text);
    QCOMPARE(subGetCredit(code), text);
}

void WeekViewTest::dayToShow() {
    AppState state = wizardState(2026);
    int w = 1;
    for (ZuriDayTime *d = state.objWeekPlanA->objFirstDay.get(); d; d = d->objNextDay.get())
        d->strSubject = u"A"_s + QString::number(w++);
    w = 1;
    for (ZuriDayTime *d = state.objWeekPlanB->objFirstDay.get(); d; d = d->objNextDay.get())
        d->strSubject = u"B"_s + QString::number(w++);
    state.objFirstDay->appendDay(dayOn(QDate(2026, 4, 8), u"国国国国国国国国"_s));
    state.objFirstDay->appendDay(withdrawnDayOn(QDate(2026, 4, 9), u"算算算算算算算算"_s));

    QCOMPARE(subGetDay(state, QDate(2026, 4, 8), false)->strSubject, u"国国国国国国国国"_s);
    QCOMPARE(subGetDay(state, QDate(2026, 4, 8), true)->strSubject, u"国国国国国国国国"_s);
    // A withdrawn record shows the timetable.
    QCOMPARE(subGetDay(state, QDate(2026, 4, 9), false)->strSubject, u"A4"_s);
    QCOMPARE(subGetDay(state, QDate(2026, 4, 9), true)->strSubject, u"B4"_s);
    QCOMPARE(subGetDay(state, QDate(2026, 4, 10), false)->strSubject, u"A5"_s);
    QCOMPARE(subGetDay(state, QDate(2026, 4, 11), false)->strSubject, u"A6"_s);
    QCOMPARE(subGetDay(state, QDate(2026, 4, 12), false), nullptr);
}

void WeekViewTest::todayInSchoolYear_data() {
    QTest::addColumn<int>("year");
    QTest::addColumn<QDate>("today");
    QTest::addColumn<QDate>("date");
    QTest::newRow("same year") << 2026 << QDate(2026, 4, 8) << QDate(2026, 4, 8);
    QTest::newRow("January of an old year") << 2004 << QDate(2026, 1, 20) << QDate(2005, 1, 20);
    QTest::newRow("December") << 2004 << QDate(2026, 12, 1) << QDate(2004, 12, 1);
    QTest::newRow("29 February into a common year")
        << 2026 << QDate(2028, 2, 29) << QDate(2027, 2, 28);
    QTest::newRow("29 February into a leap year")
        << 2027 << QDate(2028, 2, 29) << QDate(2028, 2, 29);
}

void WeekViewTest::todayInSchoolYear() {
    QFETCH(int, year);
    QFETCH(QDate, today);
    QFETCH(QDate, date);
    QCOMPARE(fncTodayInSchoolYear(year, today), date);
}

void WeekViewTest::dayNote_data() {
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QString>("note");
    QTest::newRow("school day") << QDate(2026, 4, 8) << QString();
    QTest::newRow("spring break") << QDate(2026, 4, 1) << u"春休み"_s;
    QTest::newRow("summer") << QDate(2026, 8, 1) << u"夏休み"_s;
    QTest::newRow("winter, December") << QDate(2026, 12, 31) << u"冬休み"_s;
    QTest::newRow("winter, January") << QDate(2027, 1, 7) << u"冬休み"_s;
    QTest::newRow("spring vacation") << QDate(2027, 3, 25) << u"春休み"_s;
    QTest::newRow("Sunday") << QDate(2026, 4, 12) << u"日曜日"_s;
    QTest::newRow("Saturday") << QDate(2026, 4, 11) << u"土曜日"_s;
    QTest::newRow("national holiday") << QDate(2026, 4, 29) << u"昭和の日"_s;
    QTest::newRow("culture day") << QDate(2026, 11, 3) << u"文化の日"_s;
    // 3 May 2026 is a Sunday: 憲法記念日 is held on 6 May.
    QTest::newRow("substitute holiday") << QDate(2026, 5, 6) << u"振替休日"_s;
}

void WeekViewTest::dayNote() {
    QFETCH(QDate, date);
    QFETCH(QString, note);
    AppState state = wizardState(2026);
    QCOMPARE(fncDayNote(state, date), note);
}

QTEST_GUILESS_MAIN(WeekViewTest)
#include "week_view_test.moc"
