#pragma once

#include "app_state.h"
#include "day_record.h"

#include <QDate>
#include <QString>
#include <optional>

namespace mirune {

enum class TimetableChoice { A, B };

// What one day column of the week holds: the one-letter subject code ("　" for none) and the
// time code digit of each of the eight periods.
struct DayColumn {
    QString subjects;
    QString credits;
    bool operator==(const DayColumn &) const = default;
};

// The column a record shows and registers: each period's length from its time codes; the
// subject's code for a period with a length, when the code is one of the subject table's (any
// other character, and every period of length 0, shows no subject). Nothing for a record whose
// time codes are not eight digits 0..4 (a timetable not set up yet): such a day cannot be
// recorded. The one rule for 登録 on an untouched column, まとめて登録 and the command line.
std::optional<DayColumn> fncRecordColumn(const ZuriDayTime &record);

// The chain's record of a date, found by the date itself (in a school year that ends in a leap
// February, 1 April and 31 March share a day number); withdrawn records included. nullptr when
// there is none.
const ZuriDayTime *fncChainRecord(const ZuriDayTime &head, const QDate &date);

// The weekday record of a timetable for a date (Monday..Saturday); nullptr on a Sunday.
const ZuriDayTime *fncTimetableRecord(const AppState &state, const QDate &date,
                                      TimetableChoice timetable);

// What a day's column shows when nobody has touched it: the registered record's lessons when
// the day is registered (and `registered` set), otherwise the timetable's for its weekday.
// Nothing when the day cannot be recorded.
std::optional<DayColumn> fncUntouchedColumn(const AppState &state, const QDate &date,
                                            TimetableChoice timetable, bool *registered = nullptr);

// Whether two records hold the same day: every field but the link (both none counts as the same).
bool fncSameDay(const DayRef &a, const DayRef &b);

} // namespace mirune
