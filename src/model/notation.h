#pragma once

// How the school's week is written, each rule once: the weekday and period characters, the
// lesson-length texts and their time codes, and how wide a text stands in a fixed-pitch
// Japanese font. The windows, the sheets and the command line's tables all write from here; the
// hour notation H.R is units.h's.

#include <QChar>
#include <QString>
#include <QStringView>

namespace mirune {

// A weekday's character, Monday 1 .. Sunday 7 as QDate::dayOfWeek counts: "月" .. "日"; none
// for any other number.
QChar fncWeekdayChar(int dayOfWeek);

// A period's number as the screens and the sheets label it, period 0..7: "０" .. "７"; none for
// any other number.
QChar fncPeriodChar(int period);

// A period's length is a time code, 0 (none) to 4 (sixty minutes); the code is also the number
// of 15-minute units the period counts.
inline constexpr int kLongestTimeCode = 4;
inline constexpr bool fncIsTimeCode(int code) {
    return code >= 0 && code <= kLongestTimeCode;
}
// The text of a time code: "なし", "１５分", "３０分", "４５分", "６０分"; empty for any other.
QString fncLessonLengthText(int code);

// How wide a text stands in a fixed-pitch Japanese font (a terminal, ＭＳ ゴシック, the sheets'
// fonts), in half-width columns: ASCII and the half-width katakana take one, every other
// character two, as the Japanese code page writes them in one byte or two; a character beyond
// the basic plane counts once.
int fncDisplayWidth(QStringView text);

} // namespace mirune
