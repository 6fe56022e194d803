#pragma once

#include "app_state.h"

#include <QDate>
#include <QString>

namespace mirune {

// Why a date of the school year is no school day, in words for a calendar's tool tip: the
// vacation it lies in ("夏休み"), the national holiday of its row ("昭和の日"), "学校の休日" for a
// day the teacher marked, "土曜日" or "日曜日"; empty text for a school day.
QString fncDayNote(const AppState &state, const QDate &date);

} // namespace mirune
