// The school-day rule: vacations, Saturdays and Sundays, national and teacher's holidays, all
// compared by day of the year.

#include "model/school_day.h"
#include "model_test_support.h"

#include <QTest>

using namespace Qt::StringLiterals;
using namespace mirune;
using namespace mirune::test;

namespace {

// The school years the table uses. 2004 has its vacations moved so that weekdays sit on their
// bounds: the spring break ends on Tuesday 6 April and the summer vacation on Tuesday 3 August,
// which opens August's Saturdays. 2002 has every winter-vacation bound on a weekday.
AppState fixture(int year) {
    VacationDays days;
    if (year == 2004) {
        days.springBreakLastDay = 6;
        days.summerLastDay = 3;
    }
    return wizardState(year, days);
}

constexpr int kKeep = -1000; // leave intSpecialCount as the wizard left it

} // namespace

class SchoolDayTest : public QObject {
    Q_OBJECT

  private slots:
    void rule_data();
    void rule();
    void leapYearDayNumberCoincidence();
    void ruleReadsDayNumbersNotDates();
};

void SchoolDayTest::rule_data() {
    QTest::addColumn<int>("year");
    QTest::addColumn<QDate>("date");
    QTest::addColumn<int>("sat1");
    QTest::addColumn<int>("sat2");
    QTest::addColumn<int>("specialCount");
    QTest::addColumn<QDate>("teachersHoliday"); // row 14 when valid
    QTest::addColumn<bool>("school");

    auto row = [](const char *name, int year, QDate date, bool school, int sat1 = kFalse,
                  int sat2 = kTrue, int count = kKeep, QDate extra = QDate()) {
        QTest::newRow(name) << year << date << sat1 << sat2 << count << extra << school;
    };

    // Vacation bounds, both included.
    row("1 April", 2004, QDate(2004, 4, 1), false);
    row("last day of the spring break", 2004, QDate(2004, 4, 6), false);
    row("day after the spring break", 2004, QDate(2004, 4, 7), true);
    row("day before the summer vacation", 2004, QDate(2004, 7, 16), true);
    row("first day of the summer vacation", 2004, QDate(2004, 7, 20), false);
    row("last day of the summer vacation", 2004, QDate(2004, 8, 3), false);
    row("day after the summer vacation", 2004, QDate(2004, 8, 4), true);
    row("day before the winter vacation", 2002, QDate(2002, 12, 24), true);
    row("first day of the winter vacation", 2002, QDate(2002, 12, 25), false);
    row("31 December", 2002, QDate(2002, 12, 31), false);
    row("1 January", 2002, QDate(2003, 1, 1), false);
    row("last day of the winter vacation", 2002, QDate(2003, 1, 7), false);
    row("day after the winter vacation", 2002, QDate(2003, 1, 8), true);
    row("day before the spring vacation", 2004, QDate(2005, 3, 18), true);
    row("inside the spring vacation", 2004, QDate(2005, 3, 22), false);
    row("31 March", 2004, QDate(2005, 3, 31), false);

    // Weekends as the wizard stores the Saturday flags: every Saturday free.
    row("Monday", 2004, QDate(2004, 4, 12), true);
    row("Friday", 2004, QDate(2004, 4, 16), true);
    row("Saturday", 2004, QDate(2004, 4, 10), false);
    row("Sunday", 2004, QDate(2004, 4, 11), false);
    row("Saturday in January", 2004, QDate(2005, 1, 15), false);

    // Second and fourth Saturdays only.
    row("Saturday the 7th", 2004, QDate(2004, 8, 7), true, kTrue, kFalse);
    row("Saturday the 8th", 2004, QDate(2004, 5, 8), false, kTrue, kFalse);
    row("Saturday the 14th", 2004, QDate(2004, 8, 14), false, kTrue, kFalse);
    row("Saturday the 15th", 2004, QDate(2004, 5, 15), true, kTrue, kFalse);
    row("Saturday the 21st", 2004, QDate(2004, 8, 21), true, kTrue, kFalse);
    row("Saturday the 22nd", 2004, QDate(2004, 5, 22), false, kTrue, kFalse);
    row("Saturday the 28th", 2004, QDate(2004, 8, 28), false, kTrue, kFalse);
    row("Saturday the 29th", 2004, QDate(2004, 5, 29), true, kTrue, kFalse);
    row("Saturday the 8th in January", 2004, QDate(2005, 1, 8), false, kTrue, kFalse);
    row("both Saturday flags", 2004, QDate(2004, 5, 15), false, kTrue, kTrue);
    row("no Saturday flag", 2004, QDate(2004, 5, 8), true, kFalse, kFalse);
    row("Sunday without Saturday flags", 2004, QDate(2004, 5, 9), false, kFalse, kFalse);
    // Only -1 is True.
    row("Saturday flags holding 1", 2004, QDate(2004, 5, 8), true, 1, 1);

    // Special holidays.
    row("national holiday on a weekday", 2004, QDate(2004, 4, 29), false);
    row("national holiday on Sunday moves to Monday", 2003, QDate(2003, 11, 24), false);
    row("day after the moved holiday", 2003, QDate(2003, 11, 25), true);
    row("no rows in use", 2004, QDate(2004, 4, 29), true, kFalse, kTrue, 0);
    row("negative row count", 2004, QDate(2004, 4, 29), true, kFalse, kTrue, -5);
    row("row count beyond the table", 2004, QDate(2004, 4, 12), true, kFalse, kTrue, 1000);
    row("row count beyond the table keeps the rows", 2004, QDate(2004, 4, 29), false, kFalse, kTrue,
        1000);
    row("teacher's holiday", 2004, QDate(2004, 6, 9), false, kFalse, kTrue, 15, QDate(2004, 6, 9));
    row("teacher's row not counted", 2004, QDate(2004, 6, 9), true, kFalse, kTrue, 14,
        QDate(2004, 6, 9));
    row("last national row not counted", 2004, QDate(2005, 2, 11), true, kFalse, kTrue, 12);
    row("last national row counted", 2004, QDate(2005, 2, 11), false, kFalse, kTrue, 13);
}

void SchoolDayTest::rule() {
    QFETCH(int, year);
    QFETCH(QDate, date);
    QFETCH(int, sat1);
    QFETCH(int, sat2);
    QFETCH(int, specialCount);
    QFETCH(QDate, teachersHoliday);
    QFETCH(bool, school);

    AppState state = fixture(year);
    state.boolSat1 = Flag(sat1);
    state.boolSat2 = Flag(sat2);
    if (teachersHoliday.isValid()) {
        setSpecialDate(state, 14, teachersHoliday);
        state.intSpecialCount = 15;
    }
    if (specialCount != kKeep)
        state.intSpecialCount = qint16(specialCount);

    QCOMPARE(fncIsSchoolDay(state, date), school);
}

void SchoolDayTest::leapYearDayNumberCoincidence() {
    // From April 2003 to March 2004 the first and the last day of the school year share the
    // day number 91; both lie in a vacation.
    const AppState state = fixture(2003);
    QCOMPARE(dayNumber(QDate(2003, 4, 1)), qint16(91));
    QCOMPARE(dayNumber(QDate(2004, 3, 31)), qint16(91));
    QCOMPARE(state.intHolidayDay[0], qint16(91));
    QCOMPARE(state.intHolidayDay[7], qint16(91));
    QVERIFY(!fncIsSchoolDay(state, QDate(2003, 4, 1)));
    QVERIFY(!fncIsSchoolDay(state, QDate(2004, 3, 31)));
}

void SchoolDayTest::ruleReadsDayNumbersNotDates() {
    // With the vacations cleared, a special holiday marked on 31 March 2004 also makes 1 April
    // 2003 a holiday: the rule sees only the day number.
    AppState state = fixture(2003);
    state.intHolidayDay.fill(0);
    state.intHolidayDay[4] = 400; // no winter vacation either
    state.intHolidayDay[5] = -1;
    QVERIFY(fncIsSchoolDay(state, QDate(2003, 4, 1)));  // Tuesday
    QVERIFY(fncIsSchoolDay(state, QDate(2004, 3, 31))); // Wednesday
    setSpecialDate(state, 14, QDate(2004, 3, 31));
    state.intSpecialCount = 15;
    QVERIFY(!fncIsSchoolDay(state, QDate(2004, 3, 31)));
    QVERIFY(!fncIsSchoolDay(state, QDate(2003, 4, 1)));
    // The dates themselves are not read.
    state.dateSpecial[14] = QDate(2003, 6, 4);
    QVERIFY(!fncIsSchoolDay(state, QDate(2003, 4, 1)));
    QVERIFY(fncIsSchoolDay(state, QDate(2003, 6, 4)));
}

QTEST_APPLESS_MAIN(SchoolDayTest)
#include "school_day_test.moc"
