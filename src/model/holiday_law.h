#pragma once

#include "app_state.h"

#include <QDate>
#include <QList>
#include <QString>
#include <array>
#include <optional>

namespace mirune {

// The national holidays as the holiday law gives them, year by year: the named holidays of the
// law's table (fixed days, n-th Mondays, the two equinox days, the one-off days), the substitute
// holidays (振替休日) and the citizens' holidays (国民の休日). The law is kept as data in
// holiday_law.cpp; the code here only reads it.
//
// The equinox days come from the standard approximation formula, which holds for 1980 to 2099.
// The law is therefore complete for the school years 1980 to 2098 (kFirstLawYear..kLastLawYear);
// outside them the equinox days are unknown unless given (see EquinoxDays).

inline constexpr int kFirstLawYear = 1980;
inline constexpr int kLastLawYear = 2098; // its spring equinox falls in 2099

enum class HolidayKind {
    Named,      // a day of the law's table (one-off days included)
    Substitute, // 振替休日: the day off for a holiday that fell on a Sunday
    Citizens,   // 国民の休日: a day between two holidays
};

// One day off by the law.
struct LawHoliday {
    QDate date;
    QString name; // "昭和の日", "振替休日", "国民の休日", ...
    HolidayKind kind = HolidayKind::Named;
    // The class page's national-holiday row (0..13) this day fills, or -1. A holiday on a Sunday
    // passes its row to its substitute.
    int row = -1;
    bool operator==(const LawHoliday &) const = default;
};

// The equinox days of one school year: the autumn one in September of the year, the spring one
// in March of the next. The class page lets the teacher set them; by default they are the real
// ones (fncEquinoxDays).
struct EquinoxDays {
    QDate autumn;
    QDate spring;
};

// Day of the month of the spring (March) and autumn (September) equinox of a calendar year by
// the standard approximation formula; nullopt outside 1980..2099.
std::optional<int> fncSpringEquinoxDay(int year);
std::optional<int> fncAutumnEquinoxDay(int year);
// The real equinox days of school year `year`; nullopt when the formula does not reach them.
std::optional<EquinoxDays> fncEquinoxDays(int schoolYear);

// Every day off by the law in school year `schoolYear` (1 April to 31 March), in date order, each
// date once: weekend ones, substitute and citizens' holidays included. With `equinoxes` the two
// equinox days are taken from there (and the substitute and citizens' holidays follow them);
// without, from the formula, and a school year outside kFirstLawYear..kLastLawYear then has no
// equinox days.
QList<LawHoliday> fncLawHolidays(int schoolYear,
                                 const std::optional<EquinoxDays> &equinoxes = std::nullopt);

// What the class page stores of the law for a school year: the fourteen national-holiday rows
// in their fixed order (row 10 is the year's 天皇誕生日 wherever the law puts it; a holiday on a
// Sunday is held on its substitute day), and the law's other days off, which fit none of the
// rows (元日, 山の日, citizens' holidays, one-off days), in date order. A row the law leaves empty
// in that year repeats the day of the next row (or of the row before), so it adds no holiday.
struct LawHolidayRows {
    std::array<QDate, kNationalHolidayRows> rows;
    QList<LawHoliday> extraDays;
};
LawHolidayRows fncLawHolidayRows(int schoolYear,
                                 const std::optional<EquinoxDays> &equinoxes = std::nullopt);

// The name of the law's day off on `date` (real equinox days), or empty text when the date is no
// day off by the law. A calendar's tool tip can show it as it is. Each call works out the date's
// school year (some 10 us); a page that names every day takes fncLawHolidays (or the plan's,
// fncPlanHolidays) once and looks the days up with fncHolidayNameIn.
QString fncHolidayName(const QDate &date);

// The name of `date` in a list made by fncLawHolidays, or empty text.
QString fncHolidayNameIn(const QList<LawHoliday> &holidays, const QDate &date);

// The school year a date belongs to: its calendar year from April, the year before in January to
// March.
int fncSchoolYearOf(const QDate &date);

} // namespace mirune
