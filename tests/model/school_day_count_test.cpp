// School days per term and year, as the holiday calendar page counts them over its three
// calendars: April to July, August to December, January to March.

#include "model/school_day.h"
#include "model_test_support.h"

#include <QTest>
#include <array>

using namespace Qt::StringLiterals;
using namespace mirune;
using namespace mirune::test;

using Counts = std::array<int, 4>;
Q_DECLARE_METATYPE(Counts)

namespace {

QString describe(const Counts &c) {
    return u"%1 + %2 + %3 = %4"_s.arg(c[0]).arg(c[1]).arg(c[2]).arg(c[3]);
}

// Counts weekdays by real dates, outside the vacations given as date ranges and the holidays
// given as dates: nothing of the rule under test is used.
Counts countByHand(int year, const QList<std::pair<QDate, QDate>> &vacations,
                   const QList<QDate> &holidays) {
    const std::array<std::pair<QDate, QDate>, 3> terms = {{
        {QDate(year, 4, 1), QDate(year, 7, 31)},
        {QDate(year, 8, 1), QDate(year, 12, 31)},
        {QDate(year + 1, 1, 1), QDate(year + 1, 3, 31)},
    }};
    Counts counts{};
    for (int t = 0; t < 3; ++t) {
        for (QDate d = terms[t].first; d <= terms[t].second; d = d.addDays(1)) {
            if (d.dayOfWeek() >= 6 || holidays.contains(d))
                continue;
            bool inVacation = false;
            for (const auto &[first, last] : vacations)
                inVacation = inVacation || (first <= d && d <= last);
            if (inVacation)
                continue;
            ++counts[t];
            ++counts[3];
        }
    }
    return counts;
}

// The class page's initial vacation days.
QList<std::pair<QDate, QDate>> defaultVacations(int year) {
    return {{QDate(year, 4, 1), QDate(year, 4, 4)},
            {QDate(year, 7, 20), QDate(year, 8, 31)},
            {QDate(year, 12, 25), QDate(year + 1, 1, 7)},
            {QDate(year + 1, 3, 19), QDate(year + 1, 3, 31)}};
}

Counts counted(const AppState &state) {
    const std::array<int, 4> c = fncCountSchoolDays(state);
    return {c[0], c[1], c[2], c[3]};
}

} // namespace

class SchoolDayCountTest : public QObject {
    Q_OBJECT

  private slots:
    void knownYears_data();
    void knownYears();
    void yearIsTheSumOfTheTerms_data();
    void yearIsTheSumOfTheTerms();
    void augustCountsForTermTwo();
    void teachersHolidayLowersItsTermAndTheYear();
    void openSaturdaysAreCounted();
    void noYearSetUpCountsNothing();
    void termRanges();
};

void SchoolDayCountTest::knownYears_data() {
    QTest::addColumn<int>("year");
    QTest::addColumn<QList<QDate>>("holidays"); // national holidays, Sunday ones on Monday
    QTest::addColumn<Counts>("expected");

    // Term 1 of 2004 by hand: April has 22 weekdays, less 1 and 2 April (spring break) and 29
    // April: 19; May 21 less 3, 4 and 5 May: 18; June 22; July 1 to 19 has 13 weekdays, less
    // 19 July: 12. 19 + 18 + 22 + 12 = 71.
    QTest::newRow("2004") << 2004 << QList<QDate>{QDate(2004, 4, 29),  QDate(2004, 5, 3),
                                                  QDate(2004, 5, 4),   QDate(2004, 5, 5),
                                                  QDate(2004, 7, 19),  QDate(2004, 9, 20),
                                                  QDate(2004, 9, 23),  QDate(2004, 10, 11),
                                                  QDate(2004, 11, 3),  QDate(2004, 11, 23),
                                                  QDate(2004, 12, 23), QDate(2005, 1, 10),
                                                  QDate(2005, 2, 11),  QDate(2005, 3, 21)}
                          << Counts{71, 77, 48, 196};
    // The school year that ends in a leap year, with several holidays on Sundays.
    QTest::newRow("2003") << 2003 << QList<QDate>{QDate(2003, 4, 29),  QDate(2003, 5, 3),
                                                  QDate(2003, 5, 5),   QDate(2003, 7, 21),
                                                  QDate(2003, 9, 15),  QDate(2003, 9, 23),
                                                  QDate(2003, 10, 13), QDate(2003, 11, 3),
                                                  QDate(2003, 11, 24), QDate(2003, 12, 23),
                                                  QDate(2004, 1, 12),  QDate(2004, 2, 11),
                                                  QDate(2004, 3, 20)}
                          << Counts{73, 77, 49, 199};
    QTest::newRow("2006") << 2006 << QList<QDate>{QDate(2006, 4, 29),  QDate(2006, 5, 3),
                                                  QDate(2006, 5, 4),   QDate(2006, 5, 5),
                                                  QDate(2006, 7, 17),  QDate(2006, 9, 18),
                                                  QDate(2006, 9, 23),  QDate(2006, 10, 9),
                                                  QDate(2006, 11, 3),  QDate(2006, 11, 23),
                                                  QDate(2006, 12, 23), QDate(2007, 1, 8),
                                                  QDate(2007, 2, 12),  QDate(2007, 3, 20)}
                          << Counts{72, 77, 48, 197};
}

void SchoolDayCountTest::knownYears() {
    QFETCH(int, year);
    QFETCH(QList<QDate>, holidays);
    QFETCH(Counts, expected);
    const Counts byHand = countByHand(year, defaultVacations(year), holidays);
    QCOMPARE(describe(byHand), describe(expected));
    QCOMPARE(describe(counted(wizardState(year))), describe(expected));
}

void SchoolDayCountTest::yearIsTheSumOfTheTerms_data() {
    QTest::addColumn<int>("year");
    for (int year = 2002; year <= 2012; ++year)
        QTest::addRow("%d", year) << year;
}

void SchoolDayCountTest::yearIsTheSumOfTheTerms() {
    QFETCH(int, year);
    VacationDays days;
    days.summerLastDay = 20; // leave school days in August
    const Counts c = counted(wizardState(year, days));
    QCOMPARE(c[3], c[0] + c[1] + c[2]);
    QVERIFY(c[0] > 0 && c[1] > 0 && c[2] > 0);
}

void SchoolDayCountTest::augustCountsForTermTwo() {
    const Counts before = counted(wizardState(2004));
    VacationDays days;
    days.summerLastDay = 25; // 26, 27, 30 and 31 August 2004 are weekdays
    const Counts after = counted(wizardState(2004, days));
    QCOMPARE(after[0], before[0]);
    QCOMPARE(after[1], before[1] + 4);
    QCOMPARE(after[2], before[2]);
    QCOMPARE(after[3], before[3] + 4);
}

void SchoolDayCountTest::teachersHolidayLowersItsTermAndTheYear() {
    AppState state = wizardState(2004);
    const Counts before = counted(state);
    setSpecialDate(state, 14, QDate(2004, 6, 9));  // Wednesday, term 1
    setSpecialDate(state, 15, QDate(2005, 2, 16)); // Wednesday, term 3
    setSpecialDate(state, 16, QDate(2004, 6, 12)); // Saturday: already a holiday
    state.intSpecialCount = 17;
    const Counts after = counted(state);
    QCOMPARE(describe(after),
             describe(Counts{before[0] - 1, before[1], before[2] - 1, before[3] - 2}));
}

void SchoolDayCountTest::openSaturdaysAreCounted() {
    AppState state = wizardState(2004);
    const Counts before = counted(state);
    state.boolSat2 = kFalse;
    const Counts after = counted(state);
    // Saturdays outside the vacations and holidays, counted by hand per term.
    QList<QDate> holidays;
    for (int row = 0; row < kNationalHolidayRows; ++row)
        holidays.append(state.dateSpecial[row]);
    Counts saturdays{};
    const std::array<int, 3> firstMonth = {4, 8, 1};
    const std::array<int, 3> lastMonth = {7, 12, 3};
    for (int t = 0; t < 3; ++t) {
        const int y = t == 2 ? 2005 : 2004;
        const QDate first(y, firstMonth[t], 1);
        const QDate last = QDate(y, lastMonth[t], 1).addMonths(1).addDays(-1);
        for (QDate d = first; d <= last; d = d.addDays(1)) {
            if (d.dayOfWeek() != 6 || holidays.contains(d))
                continue;
            bool inVacation = false;
            for (const auto &[a, b] : defaultVacations(2004))
                inVacation = inVacation || (a <= d && d <= b);
            if (!inVacation) {
                ++saturdays[t];
                ++saturdays[3];
            }
        }
    }
    QCOMPARE(describe(after), describe(Counts{before[0] + saturdays[0], before[1] + saturdays[1],
                                              before[2] + saturdays[2], before[3] + saturdays[3]}));
}

void SchoolDayCountTest::noYearSetUpCountsNothing() {
    AppState state;
    subInitApp(state);
    QCOMPARE(describe(counted(state)), describe(Counts{0, 0, 0, 0}));
}

void SchoolDayCountTest::termRanges() {
    QCOMPARE(calendarTermRange(2004, 1).first, QDate(2004, 4, 1));
    QCOMPARE(calendarTermRange(2004, 1).last, QDate(2004, 7, 31));
    QCOMPARE(calendarTermRange(2004, 2).first, QDate(2004, 8, 1));
    QCOMPARE(calendarTermRange(2004, 2).last, QDate(2004, 12, 31));
    QCOMPARE(calendarTermRange(2004, 3).first, QDate(2005, 1, 1));
    QCOMPARE(calendarTermRange(2004, 3).last, QDate(2005, 3, 31));
    QCOMPARE(schoolYearRange(2003).first, QDate(2003, 4, 1));
    QCOMPARE(schoolYearRange(2003).last, QDate(2004, 3, 31));
}

QTEST_APPLESS_MAIN(SchoolDayCountTest)
#include "school_day_count_test.moc"
