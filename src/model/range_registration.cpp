#include "range_registration.h"

#include "day_record.h"
#include "school_day.h"
#include "week_view.h"

#include <algorithm>
#include <array>
#include <optional>
#include <vector>

namespace mirune {

using namespace Qt::StringLiterals;

namespace {

// Weekday 0 Sunday .. 6 Saturday to what its untouched column registers.
std::array<std::optional<DayColumn>, 7> timetableColumns(const AppState &state,
                                                         TimetableChoice timetable) {
    std::array<std::optional<DayColumn>, 7> columns;
    const WeekTotalRef &week =
        timetable == TimetableChoice::B ? state.objWeekPlanB : state.objWeekPlanA;
    if (!week)
        return columns;
    // The first record of each weekday counts, as the week view looks it up.
    std::array<bool, 7> seen{};
    for (const ZuriDayTime *d = week->objFirstDay.get(); d; d = d->objNextDay.get()) {
        const int w = d->intWeekName;
        if (w < 1 || w > 6 || seen[w])
            continue;
        seen[w] = true;
        columns[w] = fncRecordColumn(*d);
    }
    return columns;
}

} // namespace

QList<QDate> fncDaysToRegister(const AppState &state, const QDate &from, const QDate &to) {
    QList<QDate> days;
    if (state.intYear == 0 || !from.isValid() || !to.isValid() || !state.objFirstDay)
        return days;
    const DateRange year = schoolYearRange(state.intYear);
    const QDate first = std::max(from, year.first);
    const QDate last = std::min(to, year.last);
    if (first > last)
        return days;

    // Which days of the year have a record, from one walk of the chain.
    std::vector<bool> recorded(size_t(year.first.daysTo(year.last) + 1), false);
    for (const ZuriDayTime *d = state.objFirstDay->objNextDay.get(); d; d = d->objNextDay.get()) {
        const qint64 i = year.first.daysTo(d->dateThisDay);
        if (i >= 0 && i < qint64(recorded.size()))
            recorded[size_t(i)] = true;
    }
    for (QDate d = first; d <= last; d = d.addDays(1)) {
        if (d.dayOfWeek() > 5 || recorded[size_t(year.first.daysTo(d))])
            continue;
        if (fncIsSchoolDay(state, d))
            days.append(d);
    }
    return days;
}

QList<QDate> fncDaysToRegister(const AppState &state, const QDate &from, const QDate &to,
                               TimetableChoice timetable) {
    const auto columns = timetableColumns(state, timetable);
    QList<QDate> days = fncDaysToRegister(state, from, to);
    days.removeIf([&](const QDate &d) { return !columns[size_t(d.dayOfWeek() % 7)]; });
    return days;
}

QDate fncFirstUnregisteredSchoolDay(const AppState &state) {
    if (state.intYear == 0)
        return {};
    const DateRange year = schoolYearRange(state.intYear);
    const QList<QDate> days = fncDaysToRegister(state, year.first, year.last);
    return days.isEmpty() ? QDate() : days.front();
}

int subRegisterDays(AppState &state, const QList<QDate> &days, TimetableChoice timetable) {
    if (!state.objFirstDay)
        return 0;
    const auto columns = timetableColumns(state, timetable);
    QList<QDate> sorted = days;
    std::sort(sorted.begin(), sorted.end());
    sorted.erase(std::unique(sorted.begin(), sorted.end()), sorted.end());

    // One walk: the days go in in date order, so each insertion continues where the last stopped.
    int registered = 0;
    ZuriDayTime *prev = state.objFirstDay.get();
    for (const QDate &date : sorted) {
        if (!date.isValid())
            continue;
        const std::optional<DayColumn> &column = columns[size_t(date.dayOfWeek() % 7)];
        if (!column)
            continue;
        while (prev->objNextDay && prev->objNextDay->dateThisDay < date)
            prev = prev->objNextDay.get();
        DayRef day = makeRegisteredDay(date, column->subjects, column->credits);
        // A record already there for the date is replaced, as appendDay does.
        const bool replaces = prev->objNextDay && prev->objNextDay->dateThisDay == date;
        day->objNextDay = replaces ? prev->objNextDay->objNextDay : prev->objNextDay;
        prev->objNextDay = day;
        prev = day.get();
        ++registered;
    }
    return registered;
}

} // namespace mirune
