#pragma once

#include "app_state.h"

#include <QDate>
#include <QString>
#include <functional>
#include <optional>

namespace mirune {

// The day boxes of the class page, by what they stand for. The defaults are the boxes'
// initial texts: spring break to 4 April, summer vacation 20 July to 31 August, winter vacation
// 25 December to 7 January, spring vacation from 19 March, equinoxes 23 September, 20 March.
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
// calendar year of today.
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

// Builds the year's vacation bounds, movable holidays, Saturday rule and the fourteen
// national-holiday rows for intYear. The teacher's own rows (14 on) are left as they are.
void subGetHoliday(AppState &state, const VacationDays &days);

// The n-th Monday (1..5) of a month.
QDate fncNthMonday(int year, int month, int n);

// A date from year, month and day with carry: day 0 is the last day of the month before, a day
// past the month's end runs into the next month.
QDate fncDateWithCarry(int year, int month, int day);

} // namespace mirune
