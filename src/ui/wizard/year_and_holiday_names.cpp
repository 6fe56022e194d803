#include "year_and_holiday_names.h"

#include "model/holiday_law.h"
#include "model/school_years.h"

namespace mirune::ui {

QList<YearListItem> yearListItems(const QDate &today) {
    QList<YearListItem> items;
    for (int year = kFirstListedYear; year <= fncLastListedYear(today); ++year)
        items.append({year, fncSchoolYearName(year)});
    return items;
}

QString schoolYearName(int year) {
    return fncSchoolYearName(year);
}

int yearListPosition(int year) {
    return year - kFirstListedYear;
}

VacationDays vacationDaysShown(const AppState &state) {
    return fncVacationDaysOf(state);
}

VacationDays initialVacationDays(int year) {
    return fncInitialVacationDays(year);
}

HolidayNames::HolidayNames(const AppState &state) {
    if (state.intYear <= 0)
        return; // no school year set up
    for (const LawHoliday &holiday : fncPlanHolidays(state))
        m_names.insert(holiday.date, holiday.name);
}

} // namespace mirune::ui
