#include "holiday_law.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace mirune {

using namespace Qt::StringLiterals;

namespace {

enum class DayRule {
    Fixed,         // `day` of the month
    NthMonday,     // the `day`-th Monday of the month
    SpringEquinox, // the March equinox day
    AutumnEquinox, // the September equinox day
    BetweenDay,    // names no holiday: a citizens' holiday on this day fills `row`
};

// One line of the law: the holiday it gives in each calendar year from firstYear to lastYear.
struct HolidayRule {
    int firstYear;
    int lastYear;
    int month;
    DayRule rule;
    int day;
    const char16_t *name;
    int row; // the class page's national-holiday row, -1 when the day has none of its own
};

constexpr int kOpen = 9999; // a rule still in force

// The national holidays, as the law and its amendments give them. Rows: 0 29 April, 1 3 May,
// 2 4 May, 3 5 May, 4 海の日, 5 敬老の日, 6 秋分の日, 7 体育の日/スポーツの日, 8 文化の日,
// 9 勤労感謝の日, 10 天皇誕生日, 11 成人の日, 12 建国記念の日, 13 春分の日.
// clang-format off
constexpr std::array kHolidayRules = {
    HolidayRule{1949, kOpen, 1, DayRule::Fixed, 1, u"元日", -1},
    HolidayRule{1949, 1999, 1, DayRule::Fixed, 15, u"成人の日", 11},
    HolidayRule{2000, kOpen, 1, DayRule::NthMonday, 2, u"成人の日", 11},
    HolidayRule{1967, kOpen, 2, DayRule::Fixed, 11, u"建国記念の日", 12},
    HolidayRule{1989, 1989, 2, DayRule::Fixed, 24, u"昭和天皇の大喪の礼", -1},
    HolidayRule{2020, kOpen, 2, DayRule::Fixed, 23, u"天皇誕生日", 10},
    HolidayRule{1949, kOpen, 3, DayRule::SpringEquinox, 0, u"春分の日", 13},
    HolidayRule{1949, 1988, 4, DayRule::Fixed, 29, u"天皇誕生日", 10},
    HolidayRule{1989, 2006, 4, DayRule::Fixed, 29, u"みどりの日", 0},
    HolidayRule{2007, kOpen, 4, DayRule::Fixed, 29, u"昭和の日", 0},
    HolidayRule{1949, kOpen, 5, DayRule::Fixed, 3, u"憲法記念日", 1},
    HolidayRule{1986, 2006, 5, DayRule::BetweenDay, 4, nullptr, 2},
    HolidayRule{2007, kOpen, 5, DayRule::Fixed, 4, u"みどりの日", 2},
    HolidayRule{1949, kOpen, 5, DayRule::Fixed, 5, u"こどもの日", 3},
    HolidayRule{2019, 2019, 5, DayRule::Fixed, 1, u"天皇の即位の日", -1},
    HolidayRule{1993, 1993, 6, DayRule::Fixed, 9, u"皇太子徳仁親王の結婚の儀", -1},
    HolidayRule{1996, 2002, 7, DayRule::Fixed, 20, u"海の日", 4},
    HolidayRule{2003, 2019, 7, DayRule::NthMonday, 3, u"海の日", 4},
    HolidayRule{2020, 2020, 7, DayRule::Fixed, 23, u"海の日", 4},
    HolidayRule{2020, 2020, 7, DayRule::Fixed, 24, u"スポーツの日", 7},
    HolidayRule{2021, 2021, 7, DayRule::Fixed, 22, u"海の日", 4},
    HolidayRule{2021, 2021, 7, DayRule::Fixed, 23, u"スポーツの日", 7},
    HolidayRule{2022, kOpen, 7, DayRule::NthMonday, 3, u"海の日", 4},
    HolidayRule{2016, 2019, 8, DayRule::Fixed, 11, u"山の日", -1},
    HolidayRule{2020, 2020, 8, DayRule::Fixed, 10, u"山の日", -1},
    HolidayRule{2021, 2021, 8, DayRule::Fixed, 8, u"山の日", -1},
    HolidayRule{2022, kOpen, 8, DayRule::Fixed, 11, u"山の日", -1},
    HolidayRule{1966, 2002, 9, DayRule::Fixed, 15, u"敬老の日", 5},
    HolidayRule{2003, kOpen, 9, DayRule::NthMonday, 3, u"敬老の日", 5},
    HolidayRule{1948, kOpen, 9, DayRule::AutumnEquinox, 0, u"秋分の日", 6},
    HolidayRule{1966, 1999, 10, DayRule::Fixed, 10, u"体育の日", 7},
    HolidayRule{2000, 2019, 10, DayRule::NthMonday, 2, u"体育の日", 7},
    HolidayRule{2022, kOpen, 10, DayRule::NthMonday, 2, u"スポーツの日", 7},
    HolidayRule{2019, 2019, 10, DayRule::Fixed, 22, u"即位礼正殿の儀の行われる日", -1},
    HolidayRule{1948, kOpen, 11, DayRule::Fixed, 3, u"文化の日", 8},
    HolidayRule{1990, 1990, 11, DayRule::Fixed, 12, u"即位礼正殿の儀の行われる日", -1},
    HolidayRule{1948, kOpen, 11, DayRule::Fixed, 23, u"勤労感謝の日", 9},
    HolidayRule{1989, 2018, 12, DayRule::Fixed, 23, u"天皇誕生日", 10},
};
// clang-format on

// How a holiday on a Sunday is made up for, by the date of the holiday.
enum class SubstituteStyle {
    None,           // before the substitute holiday existed
    MondayAfter,    // the Monday after it
    NextNonHoliday, // the first day after it that is no holiday of the table
};

SubstituteStyle substituteStyleOn(const QDate &date) {
    if (date < QDate(1973, 4, 12))
        return SubstituteStyle::None;
    if (date < QDate(2007, 1, 1))
        return SubstituteStyle::MondayAfter;
    return SubstituteStyle::NextNonHoliday;
}

// The day between two holidays is a holiday from this date on. Until 2006 a Sunday or a
// substitute holiday stays what it is.
bool citizensHolidayInForce(const QDate &date) {
    return date >= QDate(1985, 12, 27);
}
bool citizensHolidaySparesSundayAndSubstitute(const QDate &date) {
    return date < QDate(2007, 1, 1);
}

const QString kSubstituteName = u"振替休日"_s;
const QString kCitizensName = u"国民の休日"_s;

QDate nthMonday(int year, int month, int n) {
    const QDate first(year, month, 1);
    return first.addDays((8 - first.dayOfWeek()) % 7 + 7 * (n - 1));
}

std::optional<int> equinoxDay(int year, double base) {
    if (year < 1980 || year > 2099)
        return std::nullopt;
    const int n = year - 1980;
    return int(std::floor(base + 0.242194 * n)) - n / 4;
}

// Every day off of the calendar years schoolYear and schoolYear+1, possibly several on one date
// (a teacher's equinox day on 敬老の日), in the order: table days, substitute, citizens'.
QList<LawHoliday> daysOffOfTwoYears(int schoolYear, const std::optional<EquinoxDays> &equinoxes) {
    QList<LawHoliday> named;
    QList<std::pair<QDate, int>> betweenDays;
    for (int year = schoolYear; year <= schoolYear + 1; ++year) {
        for (const HolidayRule &r : kHolidayRules) {
            if (year < r.firstYear || year > r.lastYear)
                continue;
            QDate date;
            switch (r.rule) {
            case DayRule::Fixed:
            case DayRule::BetweenDay:
                date = QDate(year, r.month, r.day);
                break;
            case DayRule::NthMonday:
                date = nthMonday(year, r.month, r.day);
                break;
            case DayRule::SpringEquinox:
                if (equinoxes && year == schoolYear + 1)
                    date = equinoxes->spring;
                else if (const auto day = fncSpringEquinoxDay(year))
                    date = QDate(year, 3, *day);
                break;
            case DayRule::AutumnEquinox:
                if (equinoxes && year == schoolYear)
                    date = equinoxes->autumn;
                else if (const auto day = fncAutumnEquinoxDay(year))
                    date = QDate(year, 9, *day);
                break;
            }
            if (!date.isValid())
                continue;
            if (r.rule == DayRule::BetweenDay)
                betweenDays.append({date, r.row});
            else
                named.append({date, QString::fromUtf16(r.name), HolidayKind::Named, r.row});
        }
    }
    std::stable_sort(named.begin(), named.end(),
                     [](const LawHoliday &a, const LawHoliday &b) { return a.date < b.date; });
    auto isNamed = [&named](const QDate &d) {
        return std::any_of(named.cbegin(), named.cend(),
                           [&d](const LawHoliday &h) { return h.date == d; });
    };

    QList<LawHoliday> days = named;
    QList<LawHoliday> substitutes;
    for (LawHoliday &h : days) {
        if (h.date.dayOfWeek() != Qt::Sunday)
            continue;
        QDate substitute;
        switch (substituteStyleOn(h.date)) {
        case SubstituteStyle::None:
            continue;
        case SubstituteStyle::MondayAfter:
            substitute = h.date.addDays(1);
            break;
        case SubstituteStyle::NextNonHoliday:
            substitute = h.date.addDays(1);
            while (isNamed(substitute))
                substitute = substitute.addDays(1);
            break;
        }
        // The holiday's row goes with it to its substitute.
        substitutes.append({substitute, kSubstituteName, HolidayKind::Substitute, h.row});
        h.row = -1;
    }
    days.append(substitutes);
    auto isSubstitute = [&substitutes](const QDate &d) {
        return std::any_of(substitutes.cbegin(), substitutes.cend(),
                           [&d](const LawHoliday &h) { return h.date == d; });
    };

    for (const LawHoliday &h : named) {
        const QDate between = h.date.addDays(1);
        if (!citizensHolidayInForce(between) || isNamed(between) || !isNamed(between.addDays(1)))
            continue;
        if (citizensHolidaySparesSundayAndSubstitute(between) &&
            (between.dayOfWeek() == Qt::Sunday || isSubstitute(between)))
            continue;
        int row = -1;
        for (const auto &[date, anchorRow] : betweenDays)
            if (date == between)
                row = anchorRow;
        days.append({between, kCitizensName, HolidayKind::Citizens, row});
    }
    return days;
}

bool inSchoolYear(const QDate &d, int schoolYear) {
    return d >= QDate(schoolYear, 4, 1) && d <= QDate(schoolYear + 1, 3, 31);
}

} // namespace

std::optional<int> fncSpringEquinoxDay(int year) {
    return equinoxDay(year, 20.8431);
}

std::optional<int> fncAutumnEquinoxDay(int year) {
    return equinoxDay(year, 23.2488);
}

std::optional<EquinoxDays> fncEquinoxDays(int schoolYear) {
    const auto autumn = fncAutumnEquinoxDay(schoolYear);
    const auto spring = fncSpringEquinoxDay(schoolYear + 1);
    if (!autumn || !spring)
        return std::nullopt;
    return EquinoxDays{QDate(schoolYear, 9, *autumn), QDate(schoolYear + 1, 3, *spring)};
}

QList<LawHoliday> fncLawHolidays(int schoolYear, const std::optional<EquinoxDays> &equinoxes) {
    QList<LawHoliday> result;
    for (const LawHoliday &h : daysOffOfTwoYears(schoolYear, equinoxes)) {
        if (!inSchoolYear(h.date, schoolYear))
            continue;
        // One entry per date: a table day before a substitute before a citizens' holiday.
        const auto same = std::find_if(result.begin(), result.end(),
                                       [&h](const LawHoliday &o) { return o.date == h.date; });
        if (same == result.end())
            result.append(h);
    }
    std::stable_sort(result.begin(), result.end(),
                     [](const LawHoliday &a, const LawHoliday &b) { return a.date < b.date; });
    return result;
}

LawHolidayRows fncLawHolidayRows(int schoolYear, const std::optional<EquinoxDays> &equinoxes) {
    LawHolidayRows result;
    const QList<LawHoliday> all = daysOffOfTwoYears(schoolYear, equinoxes);
    for (const LawHoliday &h : all)
        if (h.row >= 0 && h.row < kNationalHolidayRows && inSchoolYear(h.date, schoolYear))
            result.rows[h.row] = h.date;

    // A row the law leaves empty this year repeats the next row's day (so a holiday of the
    // table stays where it is), or the one before; with no holiday at all, 1 April, the first
    // day of the spring break.
    const auto filled = result.rows;
    for (int row = 0; row < kNationalHolidayRows; ++row) {
        if (filled[row].isValid())
            continue;
        QDate stand;
        for (int next = row + 1; next < kNationalHolidayRows && !stand.isValid(); ++next)
            stand = filled[next];
        for (int previous = row - 1; previous >= 0 && !stand.isValid(); --previous)
            stand = filled[previous];
        result.rows[row] = stand.isValid() ? stand : QDate(schoolYear, 4, 1);
    }

    for (const LawHoliday &h : fncLawHolidays(schoolYear, equinoxes))
        if (std::find(result.rows.cbegin(), result.rows.cend(), h.date) == result.rows.cend())
            result.extraDays.append(h);
    return result;
}

int fncSchoolYearOf(const QDate &date) {
    return date.month() >= 4 ? date.year() : date.year() - 1;
}

QString fncHolidayNameIn(const QList<LawHoliday> &holidays, const QDate &date) {
    for (const LawHoliday &h : holidays)
        if (h.date == date)
            return h.name;
    return QString();
}

QString fncHolidayName(const QDate &date) {
    if (!date.isValid())
        return QString();
    return fncHolidayNameIn(fncLawHolidays(fncSchoolYearOf(date)), date);
}

} // namespace mirune
