// The class page's computations: taking the class settings (with the question before records of
// another year are dropped) and building the year's vacations and national holidays.

#include "model/class_settings.h"
#include "model/school_day.h"
#include "model/school_years.h"
#include "model_test_support.h"

#include <QTest>

using namespace Qt::StringLiterals;
using namespace mirune;
using namespace mirune::test;

Q_DECLARE_METATYPE(mirune::YearChangeAnswer)
Q_DECLARE_METATYPE(mirune::ClassResult)

namespace {

// A class page answered by script; counts how often the year question was asked.
struct ScriptedQuestion {
    YearChangeAnswer answer = YearChangeAnswer::Cancel;
    int asked = 0;
    std::function<YearChangeAnswer()> ask() {
        return [this] {
            ++asked;
            return answer;
        };
    }
};

AppState classState(int year, bool withRecords) {
    AppState state = wizardState(year);
    state.intGrade = 3;
    state.strClass = u"2"_s;
    state.strTeacher = u"山田"_s;
    if (withRecords)
        state.objFirstDay->appendDay(withdrawnDayOn(QDate(year, 4, 12)));
    return state;
}

ClassChoice choose(int year, const QString &grade = u" 3"_s, const QString &klass = u"2"_s,
                   const QString &teacher = u"山田"_s) {
    return ClassChoice{year, grade, klass, teacher};
}

// The n-th Monday by the rule the class page has always used: w is the weekday of the month's
// first day, 1 Sunday .. 7 Saturday.
int nthMondayDay(int year, int month, int n) {
    const int w = QDate(year, month, 1).dayOfWeek() % 7 + 1;
    const int second = w <= 2 ? 10 - w : 17 - w;
    return second + 7 * (n - 2);
}

} // namespace

class ClassSettingsTest : public QObject {
    Q_OBJECT

  private slots:
    void chosenYear();
    void yearList_data();
    void yearList();
    void yearNames_data();
    void yearNames();
    void yearChange_data();
    void yearChange();
    void grade_data();
    void grade();
    void classAndTeacher();

    void nthMonday_data();
    void nthMonday();
    void nthMondayAgreesWithTheWeekdayRule();
    void dateWithCarry_data();
    void dateWithCarry();

    void vacationDates();
    void vacationDatesCarry();
    void nationalHolidays_data();
    void nationalHolidays();
    void movedHolidayLeavesItsCopyInPlace();
    void sundayHolidayInDecember();
    void teachersRowsSurvive();
    void everyDateHasItsDayNumber_data();
    void everyDateHasItsDayNumber();

    void rowsBefore2007AsTheyWere_data();
    void rowsBefore2007AsTheyWere();
    void equinoxBoxesStartAtTheRealDays_data();
    void equinoxBoxesStartAtTheRealDays();
    void lawDaysGetRowsOfTheirOwn();
    void classPageTakenTwiceAddsNothing();
    void yearChangeRemovesTheOldYearsLawRows();
    void vacationChangeTakesLawRowsInAndOut();
    void fullTableTakesNoMoreRows();
};

void ClassSettingsTest::chosenYear() {
    const QDate today(2009, 6, 1);
    QCOMPARE(fncChosenYear(0, today), 2002);
    QCOMPARE(fncChosenYear(4, today), 2006);
    QCOMPARE(fncChosenYear(10, today), 2012);
    QCOMPARE(fncChosenYear(std::nullopt, today), 2009);
    QCOMPARE(fncChosenYear(24, today), 2026);
    // With no item chosen, the school year running today: in January to March the calendar
    // year is the next school year's.
    QCOMPARE(fncChosenYear(std::nullopt, QDate(2031, 1, 1)), 2030);
    QCOMPARE(fncChosenYear(std::nullopt, QDate(2027, 3, 31)), 2026);
    QCOMPARE(fncChosenYear(std::nullopt, QDate(2027, 4, 1)), 2027);
    QCOMPARE(fncChosenYear(std::nullopt, QDate(2026, 12, 31)), 2026);
}

void ClassSettingsTest::yearList_data() {
    QTest::addColumn<QDate>("today");
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("last");
    QTest::newRow("December 2026") << QDate(2026, 12, 10) << 26 << u"令和9年度(2027年度)"_s;
    QTest::newRow("January 2027") << QDate(2027, 1, 5) << 26 << u"令和9年度(2027年度)"_s;
    QTest::newRow("April 2027") << QDate(2027, 4, 1) << 27 << u"令和10年度(2028年度)"_s;
    QTest::newRow("March 2003") << QDate(2003, 3, 31) << 2 << u"平成15年度(2003年度)"_s;
}

void ClassSettingsTest::yearList() {
    QFETCH(QDate, today);
    QFETCH(int, count);
    QFETCH(QString, last);
    const QStringList items = fncYearListItems(today);
    QCOMPARE(items.size(), count);
    QCOMPARE(items.last(), last);
    QCOMPARE(items.first(), u"平成14年度(2002年度)"_s);
    QCOMPARE(fncChosenYear(int(items.size()) - 1, today), fncLastListedYear(today));
    // Item k stands for 2002 + k.
    for (int k = 0; k < items.size(); ++k)
        QVERIFY(items[k].endsWith(u"(%1年度)"_s.arg(2002 + k)));
}

void ClassSettingsTest::yearNames_data() {
    QTest::addColumn<int>("year");
    QTest::addColumn<QString>("name");
    QTest::newRow("2002") << 2002 << u"平成14年度(2002年度)"_s;
    QTest::newRow("2012") << 2012 << u"平成24年度(2012年度)"_s;
    QTest::newRow("2018") << 2018 << u"平成30年度(2018年度)"_s;
    QTest::newRow("2019, first of the era") << 2019 << u"令和元年度(2019年度)"_s;
    QTest::newRow("2020") << 2020 << u"令和2年度(2020年度)"_s;
    QTest::newRow("2026") << 2026 << u"令和8年度(2026年度)"_s;
    QTest::newRow("1989") << 1989 << u"平成元年度(1989年度)"_s;
    QTest::newRow("1988") << 1988 << u"昭和63年度(1988年度)"_s;
}

void ClassSettingsTest::yearNames() {
    QFETCH(int, year);
    QFETCH(QString, name);
    QCOMPARE(fncSchoolYearName(year), name);
}

void ClassSettingsTest::yearChange_data() {
    QTest::addColumn<int>("storedYear");
    QTest::addColumn<bool>("records");
    QTest::addColumn<int>("chosenYear");
    QTest::addColumn<YearChangeAnswer>("answer");
    QTest::addColumn<bool>("asked");
    QTest::addColumn<ClassResult>("result");
    QTest::addColumn<int>("yearAfter");
    QTest::addColumn<bool>("recordsAfter");
    using A = YearChangeAnswer;
    using R = ClassResult;
    QTest::newRow("yes drops the records")
        << 2004 << true << 2005 << A::Yes << true << R::Stored << 2005 << false;
    QTest::newRow("no keeps everything")
        << 2004 << true << 2005 << A::No << true << R::Refused << 2004 << true;
    QTest::newRow("cancel keeps everything")
        << 2004 << true << 2005 << A::Cancel << true << R::Cancelled << 2004 << true;
    QTest::newRow("same year is not asked")
        << 2004 << true << 2004 << A::Cancel << false << R::Stored << 2004 << true;
    QTest::newRow("no year set up yet is not asked")
        << 0 << true << 2005 << A::Cancel << false << R::Stored << 2005 << true;
    QTest::newRow("empty chain is not asked")
        << 2004 << false << 2005 << A::Cancel << false << R::Stored << 2005 << false;
}

void ClassSettingsTest::yearChange() {
    QFETCH(int, storedYear);
    QFETCH(bool, records);
    QFETCH(int, chosenYear);
    QFETCH(YearChangeAnswer, answer);
    QFETCH(bool, asked);
    QFETCH(ClassResult, result);
    QFETCH(int, yearAfter);
    QFETCH(bool, recordsAfter);

    AppState state = classState(2004, records);
    state.intYear = qint16(storedYear);
    QCOMPARE(fncYearChangeNeedsConsent(state, chosenYear), asked);

    ScriptedQuestion question{answer};
    // The page's boxes ask for other settings as well; they are stored only with the year.
    const ClassResult got =
        subGetClass(state, choose(chosenYear, u" 5"_s, u"4"_s, u"鈴木"_s), question.ask());
    QCOMPARE(got, result);
    QCOMPARE(question.asked, asked ? 1 : 0);
    QCOMPARE(int(state.intYear), yearAfter);
    QCOMPARE(bool(state.objFirstDay->objNextDay), recordsAfter);
    QVERIFY(state.objFirstDay); // the head itself stays
    const bool stored = result == ClassResult::Stored;
    QCOMPARE(state.intGrade, qint16(stored ? 5 : 3));
    QCOMPARE(state.strClass, stored ? u"4"_s : u"2"_s);
    QCOMPARE(state.strTeacher, stored ? u"鈴木"_s : u"山田"_s);
}

void ClassSettingsTest::grade_data() {
    QTest::addColumn<int>("stored");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("expected");
    QTest::newRow("grade 0 and an empty box") << 0 << QString() << 1;
    QTest::newRow("grade 7 and an empty box") << 7 << QString() << 1;
    QTest::newRow("negative grade") << -2 << QString() << 1;
    QTest::newRow("stored grade and an empty box") << 4 << QString() << 4;
    QTest::newRow("box with a sign position") << 4 << u" 6"_s << 6;
    QTest::newRow("box replaces grade 0") << 0 << u"2"_s << 2;
    // The page keeps other texts from reaching the state; here they change nothing.
    QTest::newRow("box beyond grade 6") << 4 << u"7"_s << 4;
    QTest::newRow("box not a number") << 0 << u"三"_s << 1;
}

void ClassSettingsTest::grade() {
    QFETCH(int, stored);
    QFETCH(QString, text);
    QFETCH(int, expected);
    AppState state = classState(2004, false);
    state.intGrade = qint16(stored);
    QCOMPARE(subGetClass(state, choose(2004, text), {}), ClassResult::Stored);
    QCOMPARE(int(state.intGrade), expected);
}

void ClassSettingsTest::classAndTeacher() {
    AppState state = classState(2004, true);
    // No question is needed for the same year, so no answer is given at all.
    QCOMPARE(subGetClass(state, choose(2004, QString(), QString(), QString()), {}),
             ClassResult::Stored);
    QCOMPARE(state.strClass, u"2"_s);    // an empty class box keeps the class
    QVERIFY(state.strTeacher.isEmpty()); // an empty teacher box clears the teacher
    QCOMPARE(state.intGrade, qint16(3));

    QCOMPARE(subGetClass(state, choose(2004, QString(), u"ひまわり"_s, u"佐藤"_s), {}),
             ClassResult::Stored);
    QCOMPARE(state.strClass, u"ひまわり"_s);
    QCOMPARE(state.strTeacher, u"佐藤"_s);
}

void ClassSettingsTest::nthMonday_data() {
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("n");
    QTest::addColumn<QDate>("date");
    QTest::newRow("month starting on Sunday") << 2006 << 1 << 2 << QDate(2006, 1, 9);
    QTest::newRow("month starting on Monday") << 2007 << 1 << 2 << QDate(2007, 1, 8);
    QTest::newRow("month starting on Tuesday") << 2008 << 1 << 2 << QDate(2008, 1, 14);
    QTest::newRow("month starting on Saturday") << 2005 << 1 << 2 << QDate(2005, 1, 10);
    QTest::newRow("October 2004") << 2004 << 10 << 2 << QDate(2004, 10, 11);
    QTest::newRow("third Monday of July 2004") << 2004 << 7 << 3 << QDate(2004, 7, 19);
    QTest::newRow("third Monday of September 2004") << 2004 << 9 << 3 << QDate(2004, 9, 20);
    QTest::newRow("third Monday of a month starting Monday")
        << 2007 << 1 << 3 << QDate(2007, 1, 15);
    QTest::newRow("first Monday") << 2004 << 11 << 1 << QDate(2004, 11, 1);
}

void ClassSettingsTest::nthMonday() {
    QFETCH(int, year);
    QFETCH(int, month);
    QFETCH(int, n);
    QFETCH(QDate, date);
    QCOMPARE(fncNthMonday(year, month, n), date);
}

void ClassSettingsTest::nthMondayAgreesWithTheWeekdayRule() {
    for (int year = 2002; year <= 2013; ++year) {
        for (int month = 1; month <= 12; ++month) {
            for (int n = 2; n <= 3; ++n) {
                const QDate d = fncNthMonday(year, month, n);
                QCOMPARE(d.dayOfWeek(), 1);
                QCOMPARE(d.year(), year);
                QCOMPARE(d.month(), month);
                QCOMPARE(d.day(), nthMondayDay(year, month, n));
            }
        }
    }
}

void ClassSettingsTest::dateWithCarry_data() {
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("day");
    QTest::addColumn<QDate>("date");
    QTest::newRow("ordinary day") << 4 << 4 << QDate(2004, 4, 4);
    QTest::newRow("day 0 of April") << 4 << 0 << QDate(2004, 3, 31);
    QTest::newRow("day 31 of April") << 4 << 31 << QDate(2004, 5, 1);
    QTest::newRow("day 30 of February") << 2 << 30 << QDate(2004, 3, 1);
    QTest::newRow("day 0 of January") << 1 << 0 << QDate(2003, 12, 31);
    QTest::newRow("day 32 of December") << 12 << 32 << QDate(2005, 1, 1);
}

void ClassSettingsTest::dateWithCarry() {
    QFETCH(int, month);
    QFETCH(int, day);
    QFETCH(QDate, date);
    QCOMPARE(fncDateWithCarry(2004, month, day), date);
}

void ClassSettingsTest::vacationDates() {
    AppState state = wizardState(2004);
    const std::array<QDate, kHolidaySlots> expected = {
        QDate(2004, 4, 1),   QDate(2004, 4, 4),   QDate(2004, 7, 20), QDate(2004, 8, 31),
        QDate(2004, 12, 25), QDate(2005, 1, 7),   QDate(2005, 3, 19), QDate(2005, 3, 31),
        QDate(2004, 9, 23),  QDate(2004, 10, 11), QDate(2005, 1, 10), QDate(2005, 3, 20)};
    QCOMPARE(state.dateHoliday, expected);
    QCOMPARE(state.boolSat1, kFalse);
    QCOMPARE(state.boolSat2, kTrue);

    VacationDays days;
    days.springBreakLastDay = 7;
    days.summerFirstDay = 23;
    days.summerLastDay = 25;
    days.winterFirstDay = 22;
    days.winterLastDay = 10;
    days.springFirstDay = 24;
    days.autumnEquinoxDay = 22;
    days.springEquinoxDay = 21;
    state.boolSat1 = kTrue;
    state.boolSat2 = kFalse;
    subGetHoliday(state, days);
    const std::array<QDate, kHolidaySlots> chosen = {
        QDate(2004, 4, 1),   QDate(2004, 4, 7),   QDate(2004, 7, 23), QDate(2004, 8, 25),
        QDate(2004, 12, 22), QDate(2005, 1, 10),  QDate(2005, 3, 24), QDate(2005, 3, 31),
        QDate(2004, 9, 22),  QDate(2004, 10, 11), QDate(2005, 1, 10), QDate(2005, 3, 21)};
    QCOMPARE(state.dateHoliday, chosen);
    QCOMPARE(state.dateSpecial[6], QDate(2004, 9, 22));
    QCOMPARE(state.dateSpecial[13], QDate(2005, 3, 21));
    // The Saturday rule is fixed: every Saturday is a holiday.
    QCOMPARE(state.boolSat1, kFalse);
    QCOMPARE(state.boolSat2, kTrue);
}

void ClassSettingsTest::vacationDatesCarry() {
    VacationDays days;
    days.springBreakLastDay = 31;
    AppState state = wizardState(2004, days);
    QCOMPARE(state.dateHoliday[1], QDate(2004, 5, 1));
    QCOMPARE(state.intHolidayDay[1], qint16(122));

    days.springBreakLastDay = 0;
    state = wizardState(2005, days);
    QCOMPARE(state.dateHoliday[1], QDate(2005, 3, 31));
    QCOMPARE(state.intHolidayDay[1], qint16(90));
}

void ClassSettingsTest::nationalHolidays_data() {
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("row");
    QTest::addColumn<QDate>("date");
    QTest::addColumn<int>("dayNumber");
    // Before 2004 the sea and the aged have fixed days; from 2004 on they are Mondays.
    QTest::newRow("2004 row 4, third Monday of July") << 2004 << 4 << QDate(2004, 7, 19) << 201;
    QTest::newRow("2004 row 5, third Monday of September")
        << 2004 << 5 << QDate(2004, 9, 20) << 264;
    QTest::newRow("2004 row 7, second Monday of October")
        << 2004 << 7 << QDate(2004, 10, 11) << 285;
    QTest::newRow("2004 row 11, second Monday of January")
        << 2004 << 11 << QDate(2005, 1, 10) << 10;
    QTest::newRow("2004 row 13, spring equinox on Sunday")
        << 2004 << 13 << QDate(2005, 3, 21) << 80;
    QTest::newRow("2003 row 4, 20 July on Sunday") << 2003 << 4 << QDate(2003, 7, 21) << 202;
    QTest::newRow("2003 row 5, fixed 15 September") << 2003 << 5 << QDate(2003, 9, 15) << 258;
    QTest::newRow("2003 row 2, 4 May on Sunday") << 2003 << 2 << QDate(2003, 5, 5) << 125;
    QTest::newRow("2003 row 3, 5 May") << 2003 << 3 << QDate(2003, 5, 5) << 125;
    QTest::newRow("2003 row 9, 23 November on Sunday") << 2003 << 9 << QDate(2003, 11, 24) << 328;
    QTest::newRow("2006 row 12, 11 February on Sunday") << 2006 << 12 << QDate(2007, 2, 12) << 43;
    QTest::newRow("2006 row 0, 29 April on Saturday stays")
        << 2006 << 0 << QDate(2006, 4, 29) << 119;
    QTest::newRow("2002 row 3, 5 May on Sunday") << 2002 << 3 << QDate(2002, 5, 6) << 126;
    QTest::newRow("2002 row 8, 3 November on Sunday") << 2002 << 8 << QDate(2002, 11, 4) << 308;
    QTest::newRow("2004 row 10, 23 December") << 2004 << 10 << QDate(2004, 12, 23) << 358;
}

void ClassSettingsTest::nationalHolidays() {
    QFETCH(int, year);
    QFETCH(int, row);
    QFETCH(QDate, date);
    QFETCH(int, dayNumber);
    const AppState state = wizardState(year);
    QCOMPARE(state.dateSpecial[row], date);
    QCOMPARE(int(state.intSpecialDay[row]), dayNumber);
    QVERIFY(state.dateSpecial[row].dayOfWeek() != 7);
}

void ClassSettingsTest::movedHolidayLeavesItsCopyInPlace() {
    // 23 September 2007 is a Sunday: the holiday row moves to the Monday, the vacation table's
    // copy keeps the chosen day.
    const AppState state = wizardState(2007);
    QCOMPARE(state.dateHoliday[8], QDate(2007, 9, 23));
    QCOMPARE(state.intHolidayDay[8], qint16(266));
    QCOMPARE(state.dateSpecial[6], QDate(2007, 9, 24));
    QCOMPARE(state.intSpecialDay[6], qint16(267));
}

void ClassSettingsTest::sundayHolidayInDecember() {
    // 23 December 2007 is a Sunday: the holiday is kept on Monday 24 December.
    const AppState state = wizardState(2007);
    QCOMPARE(state.dateSpecial[10], QDate(2007, 12, 24));
    QCOMPARE(state.intSpecialDay[10], qint16(358));
}

void ClassSettingsTest::teachersRowsSurvive() {
    AppState state = wizardState(2004);
    setSpecialDate(state, 14, QDate(2004, 6, 9));
    setSpecialDate(state, 15, QDate(2005, 2, 2));
    state.intSpecialCount = 16;
    state.intYear = 2005;
    subGetHoliday(state, {});
    QCOMPARE(state.intSpecialCount, qint16(16));
    QCOMPARE(state.dateSpecial[14], QDate(2004, 6, 9));
    QCOMPARE(state.intSpecialDay[14], dayNumber(QDate(2004, 6, 9)));
    QCOMPARE(state.dateSpecial[15], QDate(2005, 2, 2));
    QCOMPARE(state.dateSpecial[0], QDate(2005, 4, 29));
}

void ClassSettingsTest::everyDateHasItsDayNumber_data() {
    QTest::addColumn<int>("year");
    for (int year = 2002; year <= 2030; ++year)
        QTest::addRow("%d", year) << year;
}

void ClassSettingsTest::everyDateHasItsDayNumber() {
    QFETCH(int, year);
    const AppState state = wizardState(year);
    for (int i = 0; i < kHolidaySlots; ++i)
        QCOMPARE(int(state.intHolidayDay[i]), state.dateHoliday[i].dayOfYear());
    for (int row = 0; row < kNationalHolidayRows; ++row) {
        const QDate d = state.dateSpecial[row];
        QCOMPARE(int(state.intSpecialDay[row]), d.dayOfYear());
        QVERIFY(d >= QDate(year, 4, 1) && d <= QDate(year + 1, 3, 31));
        QVERIFY(d.dayOfWeek() != 7);
    }
    // The Monday holidays and their copies in the vacation table agree (save for the sports
    // day moved to July in 2020 and 2021).
    if (year != 2020 && year != 2021)
        QCOMPARE(state.dateSpecial[7], state.dateHoliday[9]);
    QCOMPARE(state.dateSpecial[11], state.dateHoliday[10]);
    for (int row = kNationalHolidayRows; row < state.intSpecialCount; ++row)
        QCOMPARE(int(state.intSpecialDay[row]), state.dateSpecial[row].dayOfYear());
}

namespace {

// The fourteen rows as the class page built them before it followed the law: fixed dates and
// Mondays by the 2002 law, each moved one day on from a Sunday.
std::array<QDate, kNationalHolidayRows> rowsBeforeTheLaw(int y, const VacationDays &days) {
    const bool before2004 = y < 2004;
    std::array<QDate, kNationalHolidayRows> rows = {
        QDate(y, 4, 29),
        QDate(y, 5, 3),
        QDate(y, 5, 4),
        QDate(y, 5, 5),
        before2004 ? QDate(y, 7, 20) : fncNthMonday(y, 7, 3),
        before2004 ? QDate(y, 9, 15) : fncNthMonday(y, 9, 3),
        fncDateWithCarry(y, 9, days.autumnEquinoxDay),
        fncNthMonday(y, 10, 2),
        QDate(y, 11, 3),
        QDate(y, 11, 23),
        QDate(y, 12, 23),
        fncNthMonday(y + 1, 1, 2),
        QDate(y + 1, 2, 11),
        fncDateWithCarry(y + 1, 3, days.springEquinoxDay),
    };
    for (QDate &d : rows)
        if (d.dayOfWeek() == Qt::Sunday)
            d = d.addDays(1);
    return rows;
}

std::array<QDate, kNationalHolidayRows> rowsOf(const AppState &state) {
    std::array<QDate, kNationalHolidayRows> rows;
    std::copy_n(state.dateSpecial.cbegin(), kNationalHolidayRows, rows.begin());
    return rows;
}

QList<QDate> ownRows(const AppState &state) {
    QList<QDate> rows;
    for (int i = kNationalHolidayRows; i < state.intSpecialCount; ++i)
        rows.append(state.dateSpecial[i]);
    return rows;
}

void addOwnRow(AppState &state, const QDate &date) {
    setSpecialDate(state, state.intSpecialCount, date);
    ++state.intSpecialCount;
}

} // namespace

void ClassSettingsTest::rowsBefore2007AsTheyWere_data() {
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("autumn");
    QTest::addColumn<int>("spring");
    QTest::addColumn<bool>("ownRowsExpected");
    // Every choice of the equinox boxes' lists. Only an equinox box two days after 敬老の日
    // (22 September 2004, 21 September 2005, neither the real day) makes the day between them
    // a citizens' holiday with a row of its own.
    for (int year = 2002; year <= 2006; ++year)
        for (int autumn : {21, 22, 23})
            for (int spring : {20, 21})
                QTest::addRow("%d, %d September, %d March", year, autumn, spring)
                    << year << autumn << spring
                    << ((year == 2004 && autumn == 22) || (year == 2005 && autumn == 21));
}

void ClassSettingsTest::rowsBefore2007AsTheyWere() {
    QFETCH(int, year);
    QFETCH(int, autumn);
    QFETCH(int, spring);
    QFETCH(bool, ownRowsExpected);
    VacationDays days;
    days.autumnEquinoxDay = autumn;
    days.springEquinoxDay = spring;
    const AppState state = wizardState(year, days);
    QCOMPARE(rowsOf(state), rowsBeforeTheLaw(year, days));
    QCOMPARE(state.intSpecialCount > kNationalHolidayRows, ownRowsExpected);
}

void ClassSettingsTest::equinoxBoxesStartAtTheRealDays_data() {
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("autumn");
    QTest::addColumn<int>("spring");
    QTest::newRow("2002") << 2002 << 23 << 21;
    QTest::newRow("2012") << 2012 << 22 << 20;
    QTest::newRow("2026") << 2026 << 23 << 21;
    QTest::newRow("2098") << 2098 << 22 << 20;
    // Beyond the formula the boxes keep their fixed initial texts.
    QTest::newRow("2099") << 2099 << 23 << 20;
    QTest::newRow("1950") << 1950 << 23 << 20;
}

void ClassSettingsTest::equinoxBoxesStartAtTheRealDays() {
    QFETCH(int, year);
    QFETCH(int, autumn);
    QFETCH(int, spring);
    const VacationDays initial = fncInitialVacationDays(year);
    QCOMPARE(initial.autumnEquinoxDay, autumn);
    QCOMPARE(initial.springEquinoxDay, spring);
    QCOMPARE(initial.summerFirstDay, VacationDays{}.summerFirstDay);

    // The page fills its boxes from the state: the initial days while there are no vacation
    // dates, then the stored ones.
    AppState state;
    subInitApp(state);
    state.intYear = qint16(year);
    QCOMPARE(fncVacationDaysOf(state).autumnEquinoxDay, autumn);
    QCOMPARE(fncVacationDaysOf(state).springEquinoxDay, spring);
    VacationDays chosen = initial;
    chosen.autumnEquinoxDay = 21;
    chosen.winterLastDay = 9;
    subGetHoliday(state, chosen);
    QCOMPARE(fncVacationDaysOf(state).autumnEquinoxDay, 21);
    QCOMPARE(fncVacationDaysOf(state).winterLastDay, 9);
    QCOMPARE(fncVacationDaysOf(state).springEquinoxDay, spring);
}

void ClassSettingsTest::lawDaysGetRowsOfTheirOwn() {
    // 2019: the four days off around the enthronement are weekdays after the spring break.
    AppState state = wizardState(2019, fncInitialVacationDays(2019));
    QCOMPARE(ownRows(state), (QList<QDate>{QDate(2019, 4, 30), QDate(2019, 5, 1), QDate(2019, 5, 2),
                                           QDate(2019, 10, 22)}));
    QCOMPARE(state.dateSpecial[10], QDate(2020, 2, 24)); // 天皇誕生日 on a Sunday
    QCOMPARE(state.dateSpecial[3], QDate(2019, 5, 6));   // こどもの日 on a Sunday

    // 2026: the citizens' holiday between 敬老の日 and 秋分の日.
    state = wizardState(2026, fncInitialVacationDays(2026));
    QCOMPARE(ownRows(state), QList<QDate>{QDate(2026, 9, 22)});
    QCOMPARE(state.intSpecialDay[kNationalHolidayRows], qint16(265));
    QCOMPARE(state.dateSpecial[1], QDate(2026, 5, 6)); // 憲法記念日 on a Sunday
    QCOMPARE(state.dateSpecial[10], QDate(2027, 2, 23));
}

void ClassSettingsTest::classPageTakenTwiceAddsNothing() {
    AppState state = wizardState(2019, fncInitialVacationDays(2019));
    addOwnRow(state, QDate(2019, 6, 12));
    const AppState once = state;
    subGetHoliday(state, fncInitialVacationDays(2019));
    subGetHoliday(state, fncInitialVacationDays(2019));
    QCOMPARE(state.intSpecialCount, once.intSpecialCount);
    QCOMPARE(state.dateSpecial, once.dateSpecial);
    QCOMPARE(state.intSpecialDay, once.intSpecialDay);

    // A teacher's row on a day the law has since made a holiday is not doubled either.
    AppState old = wizardState(2026, fncInitialVacationDays(2026));
    old.intSpecialCount = kNationalHolidayRows; // a plan from before the law's rows
    addOwnRow(old, QDate(2026, 9, 22));
    addOwnRow(old, QDate(2026, 11, 2));
    subGetHoliday(old, fncInitialVacationDays(2026));
    QCOMPARE(ownRows(old), (QList<QDate>{QDate(2026, 9, 22), QDate(2026, 11, 2)}));
}

void ClassSettingsTest::yearChangeRemovesTheOldYearsLawRows() {
    AppState state = wizardState(2019, fncInitialVacationDays(2019));
    addOwnRow(state, QDate(2019, 6, 12));
    addOwnRow(state, QDate(2020, 2, 3));
    QCOMPARE(state.intSpecialCount, qint16(kNationalHolidayRows + 6));

    QCOMPARE(subGetClass(state, choose(2026), nullptr), ClassResult::Stored);
    subGetHoliday(state, fncInitialVacationDays(2026));
    // The teacher's rows stay (with their old dates); 2019's law days are gone; 2026's are in.
    QCOMPARE(ownRows(state),
             (QList<QDate>{QDate(2019, 6, 12), QDate(2020, 2, 3), QDate(2026, 9, 22)}));
    QCOMPARE(state.dateSpecial[kNationalHolidayRows + 3], zeroDate()); // given up, empty again
    QCOMPARE(state.intSpecialDay[kNationalHolidayRows + 3], qint16(0));

    // Back to 2019, with equinox boxes the teacher moved: the law's days follow the boxes and
    // go again with the next change.
    QCOMPARE(subGetClass(state, choose(2019), nullptr), ClassResult::Stored);
    VacationDays days = fncInitialVacationDays(2019);
    days.autumnEquinoxDay = 18; // a Wednesday two days after 敬老の日, 16 September
    subGetHoliday(state, days);
    QVERIFY(ownRows(state).contains(QDate(2019, 9, 17)));
    QCOMPARE(subGetClass(state, choose(2026), nullptr), ClassResult::Stored);
    subGetHoliday(state, fncInitialVacationDays(2026));
    QCOMPARE(ownRows(state),
             (QList<QDate>{QDate(2019, 6, 12), QDate(2020, 2, 3), QDate(2026, 9, 22)}));
}

void ClassSettingsTest::vacationChangeTakesLawRowsInAndOut() {
    VacationDays days = fncInitialVacationDays(2026);
    AppState state = wizardState(2026, days);
    addOwnRow(state, QDate(2026, 8, 10));
    // A summer vacation that ends on 7 August leaves 山の日 (Tuesday 11 August) a weekday.
    days.summerLastDay = 7;
    subGetHoliday(state, days);
    QCOMPARE(ownRows(state),
             (QList<QDate>{QDate(2026, 9, 22), QDate(2026, 8, 10), QDate(2026, 8, 11)}));
    QVERIFY(!fncIsSchoolDay(state, QDate(2026, 8, 11)));
    days.summerLastDay = 31;
    subGetHoliday(state, days);
    QCOMPARE(ownRows(state), (QList<QDate>{QDate(2026, 9, 22), QDate(2026, 8, 10)}));
}

void ClassSettingsTest::fullTableTakesNoMoreRows() {
    AppState state = wizardState(2019, fncInitialVacationDays(2019));
    state.intSpecialCount = kNationalHolidayRows;
    for (QDate d(2019, 6, 3); state.intSpecialCount < kMaxSpecialCount - 1; d = d.addDays(1))
        if (fncHolidayName(d).isEmpty())
            addOwnRow(state, d);
    subGetHoliday(state, fncInitialVacationDays(2019));
    QCOMPARE(state.intSpecialCount, qint16(kMaxSpecialCount));
    QCOMPARE(state.dateSpecial[kMaxSpecialCount - 1], QDate(2019, 4, 30));
}

QTEST_APPLESS_MAIN(ClassSettingsTest)
#include "class_settings_test.moc"
