#include "app_state.h"

namespace mirune {

using namespace Qt::StringLiterals;

namespace {

// Default time codes per grade, Monday to Saturday: digit k is the time code of period k.
constexpr std::array<std::array<const char16_t *, 6>, 6> kStdCredit = {{
    {u"13333200", u"13333000", u"13333300", u"13333000", u"13333000", u"13300000"},
    {u"13333200", u"13333300", u"13333300", u"13333000", u"13333000", u"13300000"},
    {u"13333200", u"13333300", u"13333300", u"13333300", u"13333300", u"13300000"},
    {u"13333300", u"13333310", u"13333300", u"13333300", u"13333310", u"13300000"},
    {u"13333300", u"13333310", u"13333300", u"13333300", u"13333310", u"13300000"},
    {u"13333300", u"13333310", u"13333300", u"13333300", u"13333310", u"13300000"},
}};

} // namespace

AppState::AppState() {
    dateHoliday.fill(zeroDate());
    dateSpecial.fill(zeroDate());
}

WeekTotalRef makeEmptyTimetable() {
    auto week = std::make_shared<ZuriWeekTotal>();
    DayRef previous;
    for (qint16 weekday = 1; weekday <= 6; ++weekday) {
        auto day = std::make_shared<ZuriDayTime>();
        day->intWeekName = weekday;
        if (previous)
            previous->objNextDay = day;
        else
            week->objFirstDay = day;
        previous = day;
    }
    previous->boolWeekEnd = kTrue;
    week->objLastDay = previous;
    return week;
}

void subApplyWeekCredits(ZuriWeekTotal &timetable, const WeekCredits &credits) {
    for (ZuriDayTime *d = timetable.objFirstDay.get(); d; d = d->objNextDay.get()) {
        const int slot = d->intWeekName - 1;
        d->strCredit = (slot >= 0 && slot < kWeekCreditSlots) ? credits[slot] : QString();
        if (d == timetable.objLastDay.get())
            break;
    }
    timetable.calculate();
}

QString fncStdCredit(int grade, int weekday) {
    if (grade < 1 || grade > 6 || weekday < 0 || weekday > 5)
        return QString();
    return QString::fromUtf16(kStdCredit[grade - 1][weekday]);
}

void subInitWeekData(AppState &state) {
    for (int i = 0; i < 6; ++i) {
        state.strWeekCreditA[i].clear();
        state.strWeekCreditB[i].clear();
    }
    for (int g = 0; g < 7; ++g)
        for (int w = 0; w < 7; ++w)
            state.strStdCredit[g][w] = fncStdCredit(g + 1, w);
    state.objWeekPlanA = makeEmptyTimetable();
    state.objWeekPlanB = makeEmptyTimetable();
    state.objFirstDay = std::make_shared<ZuriDayTime>();
    state.objYearTotal = makeYearWithTerms();
    state.intSpecialCount = kNationalHolidayRows;
}

void subInitYearData(AppState &state) {
    state.objYearPlan = std::make_shared<ZuriYearTotal>();
    state.objSeasonPlan = makeYearWithTerms();
    state.boolExtendedForm = kFalse;
}

void subInitApp(AppState &state) {
    state.intEditWeek = kTrue;
    state.boolFirstActivate = kTrue;
    subInitWeekData(state);
    subInitYearData(state);
    state.boolDaySelected = 0;
}

void setHolidayDate(AppState &state, int index, const QDate &date) {
    state.dateHoliday[index] = date;
    state.intHolidayDay[index] = dayNumber(date);
}

void setSpecialDate(AppState &state, int index, const QDate &date) {
    state.dateSpecial[index] = date;
    state.intSpecialDay[index] = dayNumber(date);
}

} // namespace mirune
