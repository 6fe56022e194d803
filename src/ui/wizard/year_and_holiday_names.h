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

// The day boxes as the class page fills them: the days of the stored vacation dates, or the
// boxes' starting days for the plan's year while there are none.
VacationDays vacationDaysShown(const AppState &state);

// The boxes' starting days for a school year (no vacation dates stored yet).
VacationDays initialVacationDays(int year);

// The names of the national holidays of the plan's school year, by date.
QHash<QDate, QString> holidayNames(const AppState &state);

} // namespace mirune::ui
