#pragma once

#include "app_state.h"
#include "holiday_law.h"

#include <QDate>
#include <QString>
#include <functional>
#include <optional>

namespace mirune {

// The day boxes of the class page, by what they stand for. The defaults are the boxes' fixed
// initial texts: spring break to 4 April, summer vacation 20 July to 31 August, winter vacation
// 25 December to 7 January, spring vacation from 19 March, equinoxes 23 September, 20 March.
// A page for a chosen year starts from fncInitialVacationDays, which puts that year's real
// equinox days into the two equinox boxes.
struct VacationDays {
    int springBreakLastDay = 4; // April
    int summerFirstDay = 20;    // July
    int summerLastDay = 31;     // August
    int winterFirstDay = 25;    // December
    int winterLastDay = 7;      // January of the next year
    int springFirstDay = 19;    // March of the next year
    int autumnEquinoxDay = 23;  // September
    int springEquinoxDay = 20;  // March of the next year
};

// What the class page holds when its settings are taken.
struct ClassChoice {
    int year = 0;        // the chosen school year
    QString gradeText;   // empty keeps the grade
    QString classText;   // empty keeps the class
    QString teacherText; // empty clears the teacher
};

enum class YearChangeAnswer { Yes, No, Cancel };

enum class ClassResult {
    Stored,    // the settings are in the state
    Refused,   // the teacher kept the records of the other year (No): nothing stored
    Cancelled, // the question was cancelled: nothing stored, the page stays
};

// The year of the class page's year list: item k stands for 2002 + k; with no item chosen, the
// school year running on `today` (the calendar year before it in January to March). The list's
// items and their names: school_years.h.
int fncChosenYear(std::optional<int> selectedItem, const QDate &today);

// The year-change question's text, three sentences joined with nothing between them.
QString yearChangeQuestionText();

// True when taking `year` would drop records of another year and the teacher must be asked.
bool fncYearChangeNeedsConsent(const AppState &state, int year);

// Takes the class settings into the state. When records of another year would be lost,
// `ask` is called and its answer decides; on Yes the day chain is emptied first.
ClassResult subGetClass(AppState &state, const ClassChoice &choice,
                        const std::function<YearChangeAnswer()> &ask);

// A grade text the class page may take: a whole number 1..6, blanks around it allowed.
std::optional<int> fncParseGrade(const QString &text);

// The day boxes as the class page starts for school year `year` while the plan has no vacation
// dates: the fixed initial texts, with the year's real equinox days (23 and 20 when the formula
// does not reach the year).
VacationDays fncInitialVacationDays(int year);

// The day boxes as the class page fills them from the state: the days of the stored vacation
// dates, or fncInitialVacationDays(intYear) while there are none.
VacationDays fncVacationDaysOf(const AppState &state);

// The equinox days the plan holds (dateHoliday 8 and 11), nullopt while it has none.
std::optional<EquinoxDays> fncPlanEquinoxDays(const AppState &state);

// The law's days off of the plan's school year, with the plan's equinox days: what the holiday
// calendar page names beside its days (fncHolidayNameIn), and how it tells a row the law put in
// (its date is in this list) from a row the teacher added.
QList<LawHoliday> fncPlanHolidays(const AppState &state);

// Builds the year's vacation bounds, movable holidays and Saturday rule for intYear, and puts
// the holiday law in (fncLawHolidayRows, with the equinox days of the boxes):
// - rows 0..13 hold the national holidays, a holiday on a Sunday on its substitute day;
// - each other day off by the law that would be a school day (a weekday outside the vacations)
//   gets a row of its own from 14 on, once, however often the page is taken;
// - rows from 14 on that the law put there for another year, or that the law no longer needs
//   (the vacations changed), go; the teacher's own rows stay, in their order.
// Dates kept in dateHoliday(9) and (10) are the second Mondays of October and January.
// A table that is full (kMaxSpecialCount) takes no more rows.
void subGetHoliday(AppState &state, const VacationDays &days);

// The n-th Monday (1..5) of a month.
QDate fncNthMonday(int year, int month, int n);

// A date from year, month and day with carry: day 0 is the last day of the month before, a day
// past the month's end runs into the next month.
QDate fncDateWithCarry(int year, int month, int day);

} // namespace mirune
