#pragma once

#include "model/app_state.h"

#include <QChar>
#include <QString>

namespace mirune {

// A whole number in decimal (a negative one keeps its minus sign), padded on the left with
// half-width spaces to `width` characters; a longer text is returned whole, never cut.
QString fncItoS(int n, int width);

// An hour count in units as H.R text, padded like fncItoS.
QString fncCtoS(int units, int width);

// The two-character subject name of a timetable cell ("国語", "ｸﾗﾌﾞ"); empty text for a code
// that has none on the sheets (児, 行, 切, 予 and anything else).
QString fncSubjectName(QChar code);

// The class label's parts: the grade as a full-width digit, and the class as a full-width
// digit when it is a whole number 1 to 9, otherwise exactly as typed.
QString fncGradeText(int grade);
QString fncClassText(const QString &strClass);

// "３年２組": the grade text, "年", the class text and "組", as the year and term sheets put it
// after their titles.
QString fncClassLabel(const AppState &state);

} // namespace mirune
