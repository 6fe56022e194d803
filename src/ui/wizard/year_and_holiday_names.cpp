#include "year_and_holiday_names.h"

#include "model/units.h"

namespace mirune::ui {

using namespace Qt::StringLiterals;

namespace {

constexpr int kFirstYear = 2002;
constexpr int kLastYear = 2012;

} // namespace

QList<YearListItem> yearListItems(const QDate &) {
    QList<YearListItem> items;
    for (int year = kFirstYear; year <= kLastYear; ++year)
        items.append({year, schoolYearName(year)});
    return items;
}

QString schoolYearName(int year) {
    return u"平成%1年度(%2年度)"_s.arg(year - 1988).arg(year);
}

VacationDays vacationDaysShown(const AppState &state) {
    const auto &h = state.dateHoliday;
    if (isZeroDate(h[1]))
        return initialVacationDays(state.intYear);
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

VacationDays initialVacationDays(int) {
    return {};
}

QHash<QDate, QString> holidayNames(const AppState &) {
    return {};
}

} // namespace mirune::ui
