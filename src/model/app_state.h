#pragma once

#include "day_record.h"
#include "flag.h"
#include "hour_totals.h"

#include <QDate>
#include <QString>
#include <array>

namespace mirune {

inline constexpr int kHolidaySlots = 12;     // vacation bounds and four movable holidays
inline constexpr int kSpecialSlots = 201;    // special-holiday table, slots 0..200
inline constexpr int kMaxSpecialCount = 200; // the file also carries the slot after the last
inline constexpr int kNationalHolidayRows = 14;
inline constexpr int kWeekCreditSlots = 7;   // 0 Monday .. 5 Saturday, 6 spare
inline constexpr int kStoredWeekCredits = 5; // Monday to Friday are kept in the data file
inline constexpr int kPeriodsPerDay = 8;

using WeekCredits = std::array<QString, kWeekCreditSlots>;

// The one application state: one class's school year and the program's working state. The
// entry routine owns it and hands it by reference to every window, the file routines and the
// print routines. Member names are the ones the whole system uses.
struct AppState {
    // Class settings
    qint16 intYear = 0; // school year: 1 April intYear .. 31 March intYear+1; 0 = none set up
    qint16 intGrade = 0;
    QString strClass;
    QString strTeacher;

    // Holiday settings; every date has its day of the year beside it
    std::array<QDate, kHolidaySlots> dateHoliday;
    std::array<qint16, kHolidaySlots> intHolidayDay{};
    Flag boolSat1 = kFalse; // second and fourth Saturdays are holidays
    Flag boolSat2 = kFalse; // every Saturday is a holiday
    qint16 intSpecialCount = 0;
    std::array<QDate, kSpecialSlots> dateSpecial;
    std::array<qint16, kSpecialSlots> intSpecialDay{};

    // Plans
    YearTotalRef objYearPlan;   // base annual hours; no terms
    YearTotalRef objSeasonPlan; // planned hours of terms 1..3 and their year sums
    WeekTotalRef objWeekPlanA;  // weekly timetable A: six records, Monday..Saturday
    WeekTotalRef objWeekPlanB;
    WeekCredits strWeekCreditA;
    WeekCredits strWeekCreditB;
    std::array<std::array<QString, 7>, 7> strStdCredit; // [grade-1][weekday] default time codes
    // The plan came from a data file of the extended form (the one that carries 外国語 and
    // 外国語活動): it is written in that form again, so that a file reads back byte for byte.
    Flag boolExtendedForm = kFalse;

    // Record and totals
    DayRef objFirstDay;        // head of the day chain; never a day itself
    YearTotalRef objYearTotal; // actual hours, recomputed from the chain on demand

    // Working state, never saved
    QString strFileName;
    Flag boolFirstActivate = kFalse;
    qint16 boolDaySelected = 0; // 0/1
    Flag intEditWeek = kFalse;  // True: the timetable page edits A
    qint16 intMainCreditSel = 0;
    qint16 intCreditSel = 0;
    QDate dateSelected = zeroDate();
    std::array<qint16, 4> intSchoolDays{};

    AppState();
};

// The whole start-up initialisation.
void subInitApp(AppState &state);
// Empty timetables, default time codes, an empty day chain, empty actual totals, and 14
// special holidays counted.
void subInitWeekData(AppState &state);
// Empty base plan and term plans, of no file form yet.
void subInitYearData(AppState &state);

// A weekly timetable: six new day records Monday..Saturday, the Saturday one marked as week end.
WeekTotalRef makeEmptyTimetable();

// Copies the time codes into the timetable's records (each weekday takes its slot) and
// recomputes the timetable's weekly totals.
void subApplyWeekCredits(ZuriWeekTotal &timetable, const WeekCredits &credits);

// The default time codes of a grade (1..6) and weekday (0 Monday .. 5 Saturday).
QString fncStdCredit(int grade, int weekday);

// Date setters that keep the day-of-the-year numbers in step with their dates.
void setHolidayDate(AppState &state, int index, const QDate &date);
void setSpecialDate(AppState &state, int index, const QDate &date);

} // namespace mirune
