#pragma once

#include "day_record.h"
#include "hour_fields.h"
#include "hour_totals.h"

#include <array>

namespace mirune {

// Counts of hour units kept in a wider integer while a stretch of days is added up, one per
// field, so that they are held at the 16-bit limits once, at the end.
using WideUnitSums = std::array<int, kHourFieldCount>;

// Adds a day's periods to `sums`: each period's time code is its number of units and goes to the
// field of the code at the same period; a character that is no code, or a time code that is no
// digit, counts nothing. Whether the day is withdrawn is for the caller.
void addDayUnits(const ZuriDayTime &day, WideUnitSums &sums);

// The counts of the sums, each held at the 16-bit limits, with the totals derived from them.
HourCounts fncCountsFromSums(const WideUnitSums &sums);

} // namespace mirune
