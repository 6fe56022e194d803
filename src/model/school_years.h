#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

namespace mirune {

// The school years the class page offers, and their names as teachers write them.

inline constexpr int kFirstListedYear = 2002; // item k of the year list is 2002 + k

// The school year that is running on `today`: its calendar year from April, the year before in
// January to March.
int fncCurrentSchoolYear(const QDate &today);

// The last school year of the year list: the one after the current school year, so that a
// teacher can plan the coming year in the spring.
int fncLastListedYear(const QDate &today);

// A school year's name: "平成14年度(2002年度)", "令和元年度(2019年度)", "令和8年度(2026年度)". A
// school year takes the era in which it begins, so 2019 is 令和元年度; years before 1989 are 昭和.
QString fncSchoolYearName(int year);

// The year list's items from kFirstListedYear to fncLastListedYear(today), by name.
QStringList fncYearListItems(const QDate &today);

} // namespace mirune
