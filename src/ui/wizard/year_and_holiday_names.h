#pragma once

#include "model/app_state.h"
#include "model/class_settings.h"

#include <QDate>
#include <QHash>
#include <QList>
#include <QString>

namespace mirune::ui {

// What the class page and the holiday calendar take from the model about school years and
// national holidays, gathered here so that the pages need not know where it comes from: the
// year list, the day boxes' starting days and each holiday's name.

struct YearListItem {
    int year = 0;
    QString name; // "令和8年度(2026年度)"
};

// The year list's items, first to last.
QList<YearListItem> yearListItems(const QDate &today);

// A school year's name as the year list writes it.
QString schoolYearName(int year);

// The position the year would have counting from the list's first year (the item number the
// year choice takes).
int yearListPosition(int year);

// The day boxes as the class page fills them: the days of the stored vacation dates, or the
// boxes' starting days for the plan's year while there are none.
VacationDays vacationDaysShown(const AppState &state);

// The boxes' starting days for a school year (no vacation dates stored yet).
VacationDays initialVacationDays(int year);

// The days off by the holiday law in the plan's school year, with the plan's equinox days: each
// one's name ("昭和の日", "振替休日", "国民の休日"), by date.
class HolidayNames {
  public:
    explicit HolidayNames(const AppState &state);
    // The name of the day off on `date`, or empty text.
    QString operator()(const QDate &date) const { return m_names.value(date); }
    bool contains(const QDate &date) const { return m_names.contains(date); }

  private:
    QHash<QDate, QString> m_names;
};

} // namespace mirune::ui
