#pragma once

#include "hour_fields.h"

#include <QList>

// Where 外国語 and 外国語活動 stand. Every row of the 2002 curriculum stands everywhere, always.
// The two later rows stand:
// - in the windows (the plan page, the timetable palettes, the summary window and its chart), in
//   mirune-cli's summaries (text, CSV, JSON) and in the workbook: where the school year's
//   standard hours give the row hours at the class's grade, so that a teacher can start using
//   it, or where the plan, a timetable or a day uses it (fncIsFieldShown);
// - on the printed sheets: only where the plan, a timetable or a day uses it
//   (fncSheetShowsField in print/figure_table.h, on fncPlanUsesField). A row only the
//   curriculum names would print a column of zeros and narrow every other one, and an old
//   class's sheets keep their layout to the twip.

namespace mirune {

struct AppState;

// Whether a plan uses a field: a figure in the base plan or a term plan, or its code in a
// timetable or a day of the year (withdrawn days included: they are written to the file too).
bool fncPlanUsesField(const AppState &state, HourField field);

// Whether the plan uses any of the later curriculum rows (外国語, 外国語活動): such a plan needs
// the extended data file form, which carries them.
bool fncPlanUsesLaterCurriculum(const AppState &state);

// Whether the windows, the command-line summaries and the workbook show a field's row or palette
// button for this plan: every row of the 2002 curriculum always; 外国語 and 外国語活動 where the
// school year's standard hours give them hours at the class's grade, or where the plan uses
// them. The sheets do not follow this: see above.
bool fncIsFieldShown(const AppState &state, HourField field);

// The shown fields in display order; `withDerived` keeps the subtotal and total rows.
QList<HourField> fncShownFields(const AppState &state, bool withDerived = true);

// The codes of an order string (paletteOrder() and the like) whose rows are shown, in order.
QString fncShownCodes(const AppState &state, QStringView order);

} // namespace mirune
