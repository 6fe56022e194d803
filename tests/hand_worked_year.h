#pragma once

// A class's school year whose months and pace were worked out by hand, on a calendar and on
// paper, not by the program: what the month tests, the workbook and school tests, the hours
// chart, the month view, the month sheet and the command line's JSON all check their figures
// against. Every figure below is in 15-minute units (3 to a lesson hour); H.R texts are given
// where an output shows them.

#include "model/app_state.h"
#include "model/class_settings.h"
#include "model/day_record.h"
#include "model/hour_fields.h"
#include "model/teacher_holidays.h"

#include <QDate>
#include <QString>
#include <array>

namespace mirune::test::hand_worked {

using namespace Qt::StringLiterals;
using F = HourField;

// Class 5-1 of school year 2026, teacher 佐藤, with the class page's vacations (spring to
// 4 April, summer 20 July to 31 August, winter 25 December to 7 January, spring from 19 March),
// the law's holidays of 2026 and one holiday of the school's own: Friday 19 June (開校記念日).
//
// School days, Monday to Friday, counted on the calendar:
//   April     6–30: 19 weekdays less 昭和の日 (Wed 29)                         18
//   May       21 weekdays less みどりの日, こどもの日, 振替休日 (4–6 May)          18
//   June      22 weekdays less the school's holiday (19 June)                    21
//   July      1–17: 13 weekdays (海の日, 20 July, is in the summer vacation)       13
//   August    the summer vacation                                                  0
//   September 22 weekdays less 敬老の日, 国民の休日, 秋分の日 (21–23 September)   19
//   October   22 weekdays less スポーツの日 (12 October)                          21
//   November  21 weekdays less 文化の日 (3rd) and 勤労感謝の日 (23rd)               19
//   December  1–24: 18 weekdays                                                   18
//   January   8–29: 16 weekdays less 成人の日 (11 January)                         15
//   February  20 weekdays less 建国記念の日 (11th) and 天皇誕生日 (23rd)             18
//   March     1–18: 14 weekdays                                                    14
//   The year: 194.
inline constexpr std::array<int, 12> kMonthSchoolDays = {18, 18, 21, 13, 0,  19,
                                                         21, 19, 18, 15, 18, 14};
inline constexpr int kYearSchoolDays = 194;
inline constexpr int kYear = 2026;

// The year's plan (in the third term's record; the pace looks at the year only).
struct PlanRow {
    F field;
    int units;
};
inline constexpr std::array<PlanRow, 9> kPlan = {{
    {F::kokugo, 97},           // 32.1
    {F::syakai, 300},          // 100.0
    {F::sannsuu, 525},         // 175.0
    {F::gaikokugo, 210},       // 70.0
    {F::gakkyuukatsudou, 105}, // 35.0
    {F::kurabu, 30},           // 10.0
    {F::jidoukai, 15},         // 5.0
    {F::gakkougyouji, 84},     // 28.0
    {F::yobi, 30},             // 10.0
}};

// The days registered, as the main window registers them (subjects and time codes of periods
// 0..7), and one withdrawn day that counts nothing.
struct Day {
    QDate date;
    const char16_t *subjects;
    const char16_t *credits;
    bool withdrawn;
};
inline const std::array<Day, 7> kDays = {{
    {QDate(2026, 4, 7), u"国算社学　　　　", u"33330000", false},  // 国 3, 算 3, 社 3, 学 3
    {QDate(2026, 4, 8), u"算算　　　　　　", u"33000000", false},  // 算 6
    {QDate(2026, 4, 9), u"国国国　　　　　", u"33300000", true},   // withdrawn
    {QDate(2026, 4, 14), u"国　　　　　　　", u"10000000", false}, // 国 1 (15 minutes)
    {QDate(2026, 5, 12), u"社社　　　　　　", u"33000000", false}, // 社 6
    {QDate(2026, 9, 1), u"行　　　　　　　", u"40000000", false},  // 行 4 (60 minutes)
    {QDate(2027, 1, 12), u"算切予　　　　　", u"33100000", false}, // 算 3, 切 3, 予 1
}};

// The actual hours of the months that have any (index 0 April), rows not named are 0:
//   April:     国 3 + 1 = 4, 算 3 + 6 = 9, 社 3, 学 3; 教科小計 16, 特活小計 3, 総授業時数 19,
//              総時数 19
//   May:       社 6; 教科小計 6, 総授業時数 6, 総時数 6
//   September: 行 4; 特活小計 4, 総授業時数 4, 総時数 4
//   January:   算 3, 切 3, 予 1; 教科小計 3, 総授業時数 3, 総時数 3 + 3 + 1 = 7
struct MonthFigure {
    int month; // index 0 April
    F field;
    int units;
};
inline constexpr std::array<MonthFigure, 22> kMonthFigures = {{
    {0, F::kokugo, 4},
    {0, F::sannsuu, 9},
    {0, F::syakai, 3},
    {0, F::gakkyuukatsudou, 3},
    {0, F::KyoukaSyoukei, 16},
    {0, F::TokkatsuSyoukei, 3},
    {0, F::SouJyugyouJisuu, 19},
    {0, F::SouJisuu, 19},
    {1, F::syakai, 6},
    {1, F::KyoukaSyoukei, 6},
    {1, F::SouJyugyouJisuu, 6},
    {1, F::SouJisuu, 6},
    {5, F::gakkougyouji, 4},
    {5, F::TokkatsuSyoukei, 4},
    {5, F::SouJyugyouJisuu, 4},
    {5, F::SouJisuu, 4},
    {9, F::sannsuu, 3},
    {9, F::uchikiri, 3},
    {9, F::yobi, 1},
    {9, F::KyoukaSyoukei, 3},
    {9, F::SouJyugyouJisuu, 3},
    {9, F::SouJisuu, 7},
}};

// The figure of a row in a month, as worked out above.
inline int monthUnits(int month, F field) {
    for (const MonthFigure &m : kMonthFigures)
        if (m.month == month && m.field == field)
            return m.units;
    return 0;
}

// Where each row stands on a day: its year plan, the year's actual hours, the plan due by the day
// (plan × school days past ÷ 194, halves up) and the difference, as the outputs show them.
struct PaceCase {
    F field;
    const char16_t *plan;
    const char16_t *actual;
    const char16_t *due;
    const char16_t *difference;
    bool behind;
    int dueUnits;
};

// Wednesday 15 April 2026: 7 school days past (6–10 and 13–14 April).
//   国語      97 × 7 ÷ 194 = 3.5 → 4: exactly half a unit, up (a share of the year in floating
//             point came to 3.4999… and gave 3)
//   社会     300 × 7 ÷ 194 = 10.82 → 11
//   算数     525 × 7 ÷ 194 = 18.94 → 19; 7 short, less than a week's worth (525 × 5 ÷ 194 = 13.5)
//   外国語   210 × 7 ÷ 194 = 7.58 → 8; none taught: 8 short, more than a week's worth (5.4) and a
//             lesson: behind
//   教科小計  4 + 11 + 19 + 8 = 42, the sum of its rows (its own plan, 1132 × 7 ÷ 194 = 40.8,
//             would round to 41)
//   学活 105 → 3.79 → 4; クラブ 30 → 1.08 → 1; 児童会 15 → 0.54 → 1; 行事 84 → 3.03 → 3
//   特活小計  4 + 1 + 1 + 3 = 9 (its own plan, 234 × 7 ÷ 194 = 8.4, would give 8)
//   総授業時数 42 + 9 = 51; 予備 30 → 1.08 → 1, never behind; 総時数 51 + 0 + 1 = 52
inline const QDate kPaceDay(2026, 4, 15);
inline constexpr int kDaysPast = 7;
inline constexpr std::array<PaceCase, 15> kPaceCases = {{
    {F::kokugo, u"32.1", u"1.1", u"1.1", u"0.0", false, 4},
    {F::syakai, u"100.0", u"3.0", u"3.2", u"-0.2", false, 11},
    {F::sannsuu, u"175.0", u"4.0", u"6.1", u"-2.1", false, 19},
    {F::gaikokugo, u"70.0", u"0.0", u"2.2", u"-2.2", true, 8},
    {F::KyoukaSyoukei, u"377.1", u"8.1", u"14.0", u"-5.2", false, 42},
    {F::gakkyuukatsudou, u"35.0", u"1.0", u"1.1", u"-0.1", false, 4},
    {F::kurabu, u"10.0", u"0.0", u"0.1", u"-0.1", false, 1},
    {F::jidoukai, u"5.0", u"0.0", u"0.1", u"-0.1", false, 1},
    {F::gakkougyouji, u"28.0", u"1.1", u"1.0", u"0.1", false, 3},
    {F::TokkatsuSyoukei, u"78.0", u"2.1", u"3.0", u"-0.2", false, 9},
    {F::SouJyugyouJisuu, u"455.1", u"10.2", u"17.0", u"-6.1", false, 51},
    {F::uchikiri, u"0.0", u"1.0", u"0.0", u"1.0", false, 0},
    {F::yobi, u"10.0", u"0.1", u"0.1", u"0.0", false, 1},
    {F::SouJisuu, u"465.1", u"12.0", u"17.1", u"-5.1", false, 52},
    {F::sougou, u"0.0", u"0.0", u"0.0", u"0.0", false, 0},
}};

// The days a pace may be asked for and the day it is taken on, with the school days before it:
// held to the year's first day before the year and to the day after its last after it, so that
// the day shown is the day the figures are of.
struct PaceDay {
    const char *name;
    QDate asked;
    QDate date;
    int daysPast;
    int kokugoDue; // 国語's due: 97 × days past ÷ 194, halves up
};
inline const std::array<PaceDay, 6> kPaceDays = {{
    {"before the year", QDate(2026, 3, 1), QDate(2026, 4, 1), 0, 0},
    {"the first day", QDate(2026, 4, 1), QDate(2026, 4, 1), 0, 0},
    {"15 April", kPaceDay, kPaceDay, kDaysPast, 4},
    // 18 March is the last school day: 193 past before it, 97 × 193 ÷ 194 = 96.5 → 97.
    {"the last school day", QDate(2027, 3, 18), QDate(2027, 3, 18), 193, 97},
    {"the last day of the year", QDate(2027, 3, 31), QDate(2027, 3, 31), 194, 97},
    {"after the year", QDate(2027, 5, 1), QDate(2027, 4, 1), 194, 97},
}};

// The hours summary of the first term as the window, the workbook and the CSV show it. The
// first term's plan is 0 (the year's stands in the third term's record); its actual hours are
// April to July's. 実施率 is the actual hours as a percentage of the plan, one decimal.
//   国語    term 4 (1.1); year 4 of 97: 4.12 %              difference 4 − 97 = −93 (−31.0)
//   社会    term 3 + 6 = 9 (3.0); year 9 of 300: 3.0 %        9 − 300 = −291 (−97.0)
//   算数    term 9 (3.0); year 9 + 3 = 12 of 525: 2.29 %      12 − 525 = −513 (−171.0)
//   教科小計 term 4 + 9 + 9 = 22 (7.1); year 25 of 1132: 2.21 % 25 − 1132 = −1107 (−369.0)
//   学活    term 3 (1.0); year 3 of 105: 2.86 %               3 − 105 = −102 (−34.0)
//   行事    term 0; year 4 of 84: 4.76 %                      4 − 84 = −80 (−26.2)
//   打切時数 term 0; year 3, no plan                           3 (1.0)
//   総時数   term 22 + 3 = 25 (8.1); year 36 of 1396: 2.58 %    36 − 1396 = −1360 (−453.1)
struct SummaryCase {
    F field;
    std::array<const char16_t *, 9> texts; // the table's nine columns
    std::array<int, 6> units; // term plan, actual, difference; year plan, actual, difference
};
inline constexpr std::array<SummaryCase, 8> kTermOneSummary = {{
    {F::kokugo,
     {u"国語", u"0.0", u"1.1", u"1.1", u"32.1", u"1.1", u"-31.0", u"—", u"4.1%"},
     {0, 4, 4, 97, 4, -93}},
    {F::syakai,
     {u"社会", u"0.0", u"3.0", u"3.0", u"100.0", u"3.0", u"-97.0", u"—", u"3.0%"},
     {0, 9, 9, 300, 9, -291}},
    {F::sannsuu,
     {u"算数", u"0.0", u"3.0", u"3.0", u"175.0", u"4.0", u"-171.0", u"—", u"2.3%"},
     {0, 9, 9, 525, 12, -513}},
    {F::KyoukaSyoukei,
     {u"教科小計", u"0.0", u"7.1", u"7.1", u"377.1", u"8.1", u"-369.0", u"—", u"2.2%"},
     {0, 22, 22, 1132, 25, -1107}},
    {F::gakkyuukatsudou,
     {u"学活", u"0.0", u"1.0", u"1.0", u"35.0", u"1.0", u"-34.0", u"—", u"2.9%"},
     {0, 3, 3, 105, 3, -102}},
    {F::gakkougyouji,
     {u"学校行事", u"0.0", u"0.0", u"0.0", u"28.0", u"1.1", u"-26.2", u"—", u"4.8%"},
     {0, 0, 0, 84, 4, -80}},
    {F::uchikiri,
     {u"打切時数", u"0.0", u"0.0", u"0.0", u"0.0", u"1.0", u"1.0", u"—", u"—"},
     {0, 0, 0, 0, 3, 3}},
    {F::SouJisuu,
     {u"総時数", u"0.0", u"8.1", u"8.1", u"465.1", u"12.0", u"-453.1", u"—", u"2.6%"},
     {0, 25, 25, 1396, 36, -1360}},
}};

// The class, its holidays, its plan and its days, built into a started-up state through the
// program's own routines, as the wizard and the main window build them.
inline void fill(AppState &s) {
    ClassChoice choice;
    choice.year = kYear;
    choice.gradeText = u"5"_s;
    choice.classText = u"1"_s;
    choice.teacherText = u"佐藤"_s;
    subGetClass(s, choice, [] { return YearChangeAnswer::Yes; });
    subGetHoliday(s, VacationDays{});
    fncAddTeacherHoliday(s, QDate(2026, 6, 19));

    HourCounts &term = s.objSeasonPlan->terms()[2]->hours;
    for (const PlanRow &row : kPlan)
        term[row.field] = qint16(row.units);
    term.deriveTotals();
    s.objSeasonPlan->calculate();

    for (const Day &day : kDays) {
        DayRef record = makeRegisteredDay(day.date, QString::fromUtf16(day.subjects),
                                          QString::fromUtf16(day.credits));
        if (day.withdrawn)
            record->boolNowPlanning = kTrue;
        s.objFirstDay->appendDay(record);
    }
}

inline AppState state() {
    AppState s;
    subInitApp(s);
    fill(s);
    return s;
}

} // namespace mirune::test::hand_worked
