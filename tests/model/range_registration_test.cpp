// Registering a stretch of days at once, and the snapshots that take a day's change back.

#include "model/day_snapshot.h"
#include "model/range_registration.h"
#include "model/school_day.h"
#include "model/week_view.h"
#include "model_test_support.h"

#include <QTest>

using namespace mirune;
using namespace mirune::test;

namespace {

// School year 2026 with the class page's vacations and the national holidays, and timetable A
// (Monday to Saturday) and B set up with the grade's time codes.
AppState plannedState() {
    AppState state = wizardState(2026);
    const auto fill = [&](ZuriWeekTotal &week, WeekCredits &credits, const QString &subjects) {
        for (ZuriDayTime *d = week.objFirstDay.get(); d; d = d->objNextDay.get())
            d->strSubject = subjects;
        for (int i = 0; i < 6; ++i)
            credits[i] = fncStdCredit(state.intGrade, i);
        subApplyWeekCredits(week, credits);
    };
    fill(*state.objWeekPlanA, state.strWeekCreditA, u"国算社理体音図学"_s);
    fill(*state.objWeekPlanB, state.strWeekCreditB, u"算国理社音体学図"_s);
    return state;
}

QList<QDate> dates(std::initializer_list<QDate> list) {
    return QList<QDate>(list);
}

// Everything a record carries, in one text, so that two chains compare record by record.
QStringList chainText(const ZuriDayTime &head) {
    QStringList lines;
    for (const ZuriDayTime *d = head.objNextDay.get(); d; d = d->objNextDay.get())
        lines << u"%1 %2 %3 %4 %5 %6 %7 %8"_s.arg(d->dateThisDay.toString(Qt::ISODate))
                     .arg(d->intThisDay)
                     .arg(d->intWeekName)
                     .arg(d->strSubject, d->strCredit)
                     .arg(d->boolNowPlanning)
                     .arg(d->boolWorkDay)
                     .arg(d->strComment);
    return lines;
}

} // namespace

class RangeRegistrationTest : public QObject {
    Q_OBJECT
  private slots:
    void daysToRegister_data();
    void daysToRegister();
    void firstUnregisteredDay();
    void registerDays_data();
    void registerDays();
    void registeredAsTheUntouchedColumn();
    void timetableNotSetUp();
    void snapshotRestore_data();
    void snapshotRestore();
};

void RangeRegistrationTest::daysToRegister_data() {
    QTest::addColumn<QDate>("from");
    QTest::addColumn<QDate>("to");
    QTest::addColumn<bool>("saturdaysAtSchool");
    QTest::addColumn<QList<QDate>>("expected");
    // 29 April (Wednesday) and 4 to 6 May are national holidays; 28 April is registered and
    // 1 May withdrawn in the chain the test builds; 2 May is a Saturday, 3 May a Sunday.
    QTest::newRow("holidays, registered and withdrawn days inside")
        << QDate(2026, 4, 27) << QDate(2026, 5, 8) << false
        << dates({QDate(2026, 4, 27), QDate(2026, 4, 30), QDate(2026, 5, 7), QDate(2026, 5, 8)});
    // With no Saturday off the rule makes 2 May a school day, but the week has no column for it.
    QTest::newRow("a Saturday at school is not in the week")
        << QDate(2026, 5, 1) << QDate(2026, 5, 3) << true << QList<QDate>{};
    QTest::newRow("one day") << QDate(2026, 5, 7) << QDate(2026, 5, 7) << false
                             << dates({QDate(2026, 5, 7)});
    // The spring break at the start of the year runs to 4 April; 1 April is before the year.
    QTest::newRow("clamped to the start of the year")
        << QDate(2026, 3, 20) << QDate(2026, 4, 7) << false
        << dates({QDate(2026, 4, 6), QDate(2026, 4, 7)});
    // Winter vacation from 25 December to 7 January; 11 January is 成人の日.
    QTest::newRow("over the winter vacation")
        << QDate(2026, 12, 23) << QDate(2027, 1, 13) << false
        << dates({QDate(2026, 12, 23), QDate(2026, 12, 24), QDate(2027, 1, 8), QDate(2027, 1, 12),
                  QDate(2027, 1, 13)});
    QTest::newRow("clamped to the end of the year")
        << QDate(2027, 3, 17) << QDate(2027, 4, 30) << false
        << dates({QDate(2027, 3, 17), QDate(2027, 3, 18)});
    QTest::newRow("runs backwards")
        << QDate(2026, 5, 8) << QDate(2026, 4, 27) << false << QList<QDate>{};
    QTest::newRow("outside the year")
        << QDate(2027, 4, 5) << QDate(2027, 4, 30) << false << QList<QDate>{};
    QTest::newRow("invalid date") << QDate() << QDate(2026, 4, 30) << false << QList<QDate>{};
}

void RangeRegistrationTest::daysToRegister() {
    QFETCH(QDate, from);
    QFETCH(QDate, to);
    QFETCH(bool, saturdaysAtSchool);
    QFETCH(QList<QDate>, expected);
    AppState state = plannedState();
    state.boolSat1 = saturdaysAtSchool ? kFalse : kTrue;
    state.boolSat2 = saturdaysAtSchool ? kFalse : kTrue;
    linkChain(*state.objFirstDay, {dayOn(QDate(2026, 4, 28)), withdrawnDayOn(QDate(2026, 5, 1))});
    QCOMPARE(fncDaysToRegister(state, from, to), expected);
    QCOMPARE(fncDaysToRegister(state, from, to, TimetableChoice::B), expected);
}

void RangeRegistrationTest::firstUnregisteredDay() {
    AppState state = plannedState();
    QCOMPARE(fncFirstUnregisteredSchoolDay(state), QDate(2026, 4, 6));
    // Registered and withdrawn days both count as having a record.
    linkChain(*state.objFirstDay, {dayOn(QDate(2026, 4, 6)), withdrawnDayOn(QDate(2026, 4, 7))});
    QCOMPARE(fncFirstUnregisteredSchoolDay(state), QDate(2026, 4, 8));
    const DateRange year = schoolYearRange(2026);
    subRegisterDays(state, fncDaysToRegister(state, year.first, year.last), TimetableChoice::A);
    QCOMPARE(fncFirstUnregisteredSchoolDay(state), QDate());
    QCOMPARE(fncFirstUnregisteredSchoolDay(AppState()), QDate());
}

void RangeRegistrationTest::registerDays_data() {
    QTest::addColumn<QList<QDate>>("days");
    QTest::addColumn<QList<QDate>>("chain");
    QTest::newRow("between the records")
        << dates({QDate(2026, 4, 27), QDate(2026, 4, 30), QDate(2026, 5, 7)})
        << dates({QDate(2026, 4, 27), QDate(2026, 4, 28), QDate(2026, 4, 30), QDate(2026, 5, 1),
                  QDate(2026, 5, 7), QDate(2026, 6, 1)});
    QTest::newRow("out of order and twice")
        << dates({QDate(2026, 6, 2), QDate(2026, 4, 6), QDate(2026, 6, 2)})
        << dates({QDate(2026, 4, 6), QDate(2026, 4, 28), QDate(2026, 5, 1), QDate(2026, 6, 1),
                  QDate(2026, 6, 2)});
    QTest::newRow("nothing") << QList<QDate>{}
                             << dates({QDate(2026, 4, 28), QDate(2026, 5, 1), QDate(2026, 6, 1)});
}

void RangeRegistrationTest::registerDays() {
    QFETCH(QList<QDate>, days);
    QFETCH(QList<QDate>, chain);
    AppState state = plannedState();
    linkChain(*state.objFirstDay, {dayOn(QDate(2026, 4, 28)), withdrawnDayOn(QDate(2026, 5, 1)),
                                   dayOn(QDate(2026, 6, 1), u"体体体体体体体体"_s)});
    const int before = chainLength(*state.objFirstDay);
    const int registered = subRegisterDays(state, days, TimetableChoice::A);
    QCOMPARE(chainDates(*state.objFirstDay), chain);
    QCOMPARE(registered, chain.size() - before);
    // The records that were there are untouched.
    for (const ZuriDayTime *d = state.objFirstDay->objNextDay.get(); d; d = d->objNextDay.get()) {
        QCOMPARE(isTrue(d->boolNowPlanning), d->dateThisDay == QDate(2026, 5, 1));
        if (d->dateThisDay == QDate(2026, 6, 1))
            QCOMPARE(d->strSubject, u"体体体体体体体体"_s);
    }
}

void RangeRegistrationTest::registeredAsTheUntouchedColumn() {
    AppState state = plannedState();
    // A period with a length but a code that names no subject, and a subject in a period of
    // length 0: the week shows neither, so neither is registered.
    ZuriDayTime *tuesday = state.objWeekPlanB->objFirstDay->objNextDay.get();
    QCOMPARE(int(tuesday->intWeekName), 2);
    tuesday->strSubject = u"算X理社音体学図"_s;
    tuesday->strCredit = u"33333330"_s;
    const QList<QDate> days = {QDate(2026, 4, 27), QDate(2026, 4, 28)};
    QCOMPARE(subRegisterDays(state, days, TimetableChoice::B), 2);

    for (const QDate &date : days) {
        const ZuriDayTime *record = subGetDay(state, date, false);
        QVERIFY(record);
        QCOMPARE(record->dateThisDay, date);
        QCOMPARE(record->intThisDay, dayNumber(date));
        QCOMPARE(int(record->intWeekName), date.dayOfWeek());
        QCOMPARE(record->boolWorkDay, kTrue);
        QCOMPARE(record->boolNowPlanning, kFalse);
    }
    const ZuriDayTime *monday = subGetDay(state, days[0], false);
    QCOMPARE(monday->strCredit, fncStdCredit(1, 0));
    QString expected;
    for (int p = 0; p < 8; ++p)
        expected += monday->strCredit[p] == u'0' ? u'　' : u"算国理社音体学図"_s[p];
    QCOMPARE(monday->strSubject, expected);
    const ZuriDayTime *registeredTuesday = subGetDay(state, days[1], false);
    QCOMPARE(registeredTuesday->strSubject, u"算　理社音体学　"_s);
    QCOMPARE(registeredTuesday->strCredit, u"33333330"_s);
}

void RangeRegistrationTest::timetableNotSetUp() {
    // A plan whose timetable was never stored has no lengths: the week shows no column to
    // register, and neither does the stretch.
    AppState state = wizardState(2026);
    const QList<QDate> days = fncDaysToRegister(state, QDate(2026, 4, 27), QDate(2026, 5, 8));
    QCOMPARE(days.size(), 6);
    QVERIFY(fncDaysToRegister(state, QDate(2026, 4, 27), QDate(2026, 5, 8), TimetableChoice::A)
                .isEmpty());
    QCOMPARE(subRegisterDays(state, days, TimetableChoice::A), 0);
    QCOMPARE(chainLength(*state.objFirstDay), 0);
}

void RangeRegistrationTest::snapshotRestore_data() {
    QTest::addColumn<QString>("before"); // what the chain holds for 28 April
    QTest::addColumn<QString>("change");
    for (const QString &before : {u"none"_s, u"registered"_s, u"withdrawn"_s})
        for (const QString &change : {u"register"_s, u"withdraw"_s, u"remove"_s})
            QTest::addRow("%s, %s", qPrintable(before), qPrintable(change)) << before << change;
}

void RangeRegistrationTest::snapshotRestore() {
    QFETCH(QString, before);
    QFETCH(QString, change);
    const QDate date(2026, 4, 28);
    AppState state = plannedState();
    linkChain(*state.objFirstDay, {dayOn(QDate(2026, 4, 27)), dayOn(QDate(2026, 5, 1))});
    if (before == u"registered"_s)
        state.objFirstDay->appendDay(dayOn(date, u"音音音音音音音音"_s, u"44440000"_s));
    else if (before == u"withdrawn"_s)
        state.objFirstDay->appendDay(withdrawnDayOn(date, u"図図図図図図図図"_s));
    const QStringList original = chainText(*state.objFirstDay);

    const DayRef snapshot = fncDaySnapshot(*state.objFirstDay, date);
    QCOMPARE(snapshot == nullptr, before == u"none"_s);
    if (snapshot)
        QVERIFY(!snapshot->objNextDay);

    if (change == u"register"_s)
        state.objFirstDay->appendDay(dayOn(date, u"体体体体体体体体"_s));
    else if (change == u"remove"_s)
        subRestoreDaySnapshot(*state.objFirstDay, date, nullptr);
    if (change == u"withdraw"_s) {
        // Registered first where there is nothing to withdraw, as the register button would.
        if (!state.objFirstDay->searchDay(date))
            subRegisterDays(state, {date}, TimetableChoice::A);
        for (ZuriDayTime *d = state.objFirstDay->objNextDay.get(); d; d = d->objNextDay.get())
            if (d->dateThisDay == date)
                d->boolNowPlanning = kTrue;
    }

    const auto recordOf = [&] {
        const ZuriDayTime *d = state.objFirstDay->objNextDay.get();
        while (d && d->dateThisDay != date)
            d = d->objNextDay.get();
        return d;
    };
    const ZuriDayTime *held = recordOf();
    subRestoreDaySnapshot(*state.objFirstDay, date, snapshot);
    QCOMPARE(chainText(*state.objFirstDay), original);
    // A record that was there is restored in place: a term's stretch that refers to it still
    // finds it in the chain.
    if (held && snapshot)
        QCOMPARE(recordOf(), held);
    // The snapshot stays detached and can be restored again.
    if (snapshot) {
        QVERIFY(!snapshot->objNextDay);
        state.objFirstDay->appendDay(dayOn(date, u"体体体体体体体体"_s));
        subRestoreDaySnapshot(*state.objFirstDay, date, snapshot);
        QCOMPARE(chainText(*state.objFirstDay), original);
    }
}

QTEST_APPLESS_MAIN(RangeRegistrationTest)
#include "range_registration_test.moc"
