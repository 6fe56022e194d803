#include "class_settings.h"

#include "holiday_law.h"
#include "school_day.h"
#include "school_years.h"

namespace mirune {

using namespace Qt::StringLiterals;

int fncChosenYear(std::optional<int> selectedItem, const QDate &today) {
    return selectedItem ? kFirstListedYear + *selectedItem : fncCurrentSchoolYear(today);
}

QString yearChangeQuestionText() {
    return u"学級計画・授業計画の年度が、実績を登録している年度と食い違っています。"_s
           u"実績を破棄してもいいときは「はい」を押してください（保存済みのファイルには影響ありません）。"_s
           u"「いいえ」を押すと実績はそのままですが、設定した計画はキャンセルとなります。"_s;
}

bool fncYearChangeNeedsConsent(const AppState &state, int year) {
    return year != state.intYear && state.intYear != 0 && state.objFirstDay &&
           state.objFirstDay->objNextDay;
}

std::optional<int> fncParseGrade(const QString &text) {
    bool ok = false;
    const int grade = text.trimmed().toInt(&ok);
    if (!ok || grade < 1 || grade > 6)
        return std::nullopt;
    return grade;
}

ClassResult subGetClass(AppState &state, const ClassChoice &choice,
                        const std::function<YearChangeAnswer()> &ask) {
    if (fncYearChangeNeedsConsent(state, choice.year)) {
        switch (ask ? ask() : YearChangeAnswer::Cancel) {
        case YearChangeAnswer::Yes:
            state.objFirstDay->objNextDay.reset();
            break;
        case YearChangeAnswer::No:
            return ClassResult::Refused;
        case YearChangeAnswer::Cancel:
            return ClassResult::Cancelled;
        }
    }
    state.intYear = qint16(choice.year);
    if (state.intGrade < 1 || state.intGrade > 6)
        state.intGrade = 1;
    // The page keeps anything but a grade 1..6 from reaching here; such a text changes nothing.
    if (const auto grade = fncParseGrade(choice.gradeText))
        state.intGrade = qint16(*grade);
    if (!choice.classText.isEmpty())
        state.strClass = choice.classText;
    state.strTeacher = choice.teacherText;
    return ClassResult::Stored;
}

QDate fncDateWithCarry(int year, int month, int day) {
    return QDate(year, month, 1).addDays(day - 1);
}

QDate fncNthMonday(int year, int month, int n) {
    const QDate first(year, month, 1);
    const int offset = (8 - first.dayOfWeek()) % 7; // days from the 1st to the first Monday
    return first.addDays(offset + 7 * (n - 1));
}

VacationDays fncInitialVacationDays(int year) {
    VacationDays days;
    if (const auto equinoxes = fncEquinoxDays(year)) {
        days.autumnEquinoxDay = equinoxes->autumn.day();
        days.springEquinoxDay = equinoxes->spring.day();
    }
    return days;
}

VacationDays fncVacationDaysOf(const AppState &state) {
    const auto &h = state.dateHoliday;
    if (isZeroDate(h[1]))
        return fncInitialVacationDays(state.intYear);
    VacationDays days;
    days.springBreakLastDay = h[1].day();
    days.summerFirstDay = h[2].day();
    days.summerLastDay = h[3].day();
    days.winterFirstDay = h[4].day();
    days.winterLastDay = h[5].day();
    days.springFirstDay = h[6].day();
    days.autumnEquinoxDay = h[8].day();
    days.springEquinoxDay = h[11].day();
    return days;
}

std::optional<EquinoxDays> fncPlanEquinoxDays(const AppState &state) {
    const QDate autumn = state.dateHoliday[8];
    const QDate spring = state.dateHoliday[11];
    if (isZeroDate(autumn) || isZeroDate(spring))
        return std::nullopt;
    return EquinoxDays{autumn, spring};
}

QList<LawHoliday> fncPlanHolidays(const AppState &state) {
    return fncLawHolidays(state.intYear, fncPlanEquinoxDays(state));
}

namespace {

// The law's days off that the rule would otherwise count as school days: a weekday outside the
// vacations that is on none of the fourteen rows. Days the weekend or a vacation already make
// holidays need no row of their own.
QList<QDate> extraRowsNeeded(AppState &state, const QList<LawHoliday> &extraDays) {
    QList<QDate> needed;
    const qint16 count = state.intSpecialCount;
    state.intSpecialCount = kNationalHolidayRows; // the teacher's rows do not count here
    for (const LawHoliday &h : extraDays)
        if (fncIsSchoolDay(state, h.date))
            needed.append(h.date);
    state.intSpecialCount = count;
    return needed;
}

} // namespace

void subGetHoliday(AppState &state, const VacationDays &days) {
    const int y = state.intYear;
    // The law's days of the plan as it stood (its year, its equinox boxes): a row from 14 on with
    // one of these dates is the law's, put there by this routine before or by the teacher on a
    // day the law already gives.
    QList<LawHoliday> previousPlanDays;
    if (!isZeroDate(state.dateHoliday[0]))
        previousPlanDays = fncLawHolidays(state.dateHoliday[0].year(), fncPlanEquinoxDays(state));

    const std::array<QDate, kHolidaySlots> holidays = {
        QDate(y, 4, 1),
        fncDateWithCarry(y, 4, days.springBreakLastDay),
        fncDateWithCarry(y, 7, days.summerFirstDay),
        fncDateWithCarry(y, 8, days.summerLastDay),
        fncDateWithCarry(y, 12, days.winterFirstDay),
        fncDateWithCarry(y + 1, 1, days.winterLastDay),
        fncDateWithCarry(y + 1, 3, days.springFirstDay),
        QDate(y + 1, 3, 31),
        fncDateWithCarry(y, 9, days.autumnEquinoxDay),
        fncNthMonday(y, 10, 2),
        fncNthMonday(y + 1, 1, 2),
        fncDateWithCarry(y + 1, 3, days.springEquinoxDay),
    };
    for (int i = 0; i < kHolidaySlots; ++i)
        setHolidayDate(state, i, holidays[i]);

    state.boolSat1 = kFalse;
    state.boolSat2 = kTrue; // every Saturday is a holiday

    // The fourteen rows by the law, with the equinox days of the day boxes.
    const LawHolidayRows law = fncLawHolidayRows(y, EquinoxDays{holidays[8], holidays[11]});
    for (int row = 0; row < kNationalHolidayRows; ++row)
        setSpecialDate(state, row, law.rows[row]);

    // The law's other days off go in as rows of their own, once each. Rows the law put there
    // before and that this year does not need go; the teacher's own rows stay in their order.
    const QList<QDate> needed = extraRowsNeeded(state, law.extraDays);
    QList<QDate> kept;
    const int count = std::clamp<int>(state.intSpecialCount, kNationalHolidayRows, kSpecialSlots);
    for (int row = kNationalHolidayRows; row < count; ++row) {
        const QDate date = state.dateSpecial[row];
        const bool lawRow = !fncHolidayNameIn(previousPlanDays, date).isEmpty();
        if (lawRow && (!needed.contains(date) || kept.contains(date)))
            continue;
        kept.append(date);
    }
    for (const QDate &date : needed)
        if (!kept.contains(date) && kNationalHolidayRows + kept.size() < kMaxSpecialCount)
            kept.append(date);
    for (int i = 0; i < kept.size(); ++i)
        setSpecialDate(state, kNationalHolidayRows + i, kept[i]);
    // Slots given up are empty again, as at start-up.
    for (int row = kNationalHolidayRows + int(kept.size()); row < count; ++row) {
        state.dateSpecial[row] = zeroDate();
        state.intSpecialDay[row] = 0;
    }
    state.intSpecialCount = qint16(kNationalHolidayRows + kept.size());
}

} // namespace mirune
