#pragma once

#include "day_record.h"

#include <QDate>

namespace mirune {

// What the chain held for one date, kept aside so that a change to that date can be taken back.

// A detached copy of the chain's record of `date` (registered or withdrawn), linked to nothing;
// nullptr when the chain has no record of that date.
DayRef fncDaySnapshot(const ZuriDayTime &head, const QDate &date);

// Puts the chain back as it was when the snapshot was taken: the record of `date` becomes a copy
// of `snapshot`, or, when `snapshot` is nullptr, the chain is left without a record of `date`.
// The snapshot itself is never linked in, so it can be restored again.
void subRestoreDaySnapshot(ZuriDayTime &head, const QDate &date, const DayRef &snapshot);

} // namespace mirune
