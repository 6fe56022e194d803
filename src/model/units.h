#pragma once

#include "flag.h"

#include <QDate>
#include <QString>
#include <QStringView>
#include <optional>

namespace mirune {

// Hour units: every count of hours is a whole number of 15-minute units; a 45-minute lesson
// hour is 3 units. Screens and sheets show them as H.R: whole lesson hours, a point, and the
// remaining units 0 to 2 ("32.1" is 97 units).
inline constexpr int kUnitsPerLessonHour = 3;

// Units as H.R text. Takes an int so that a difference of two 16-bit counts is shown as it is.
QString fncUnitsToText(int units);

// H.R text to units. nullopt when the text does not start with a number where one is required
// (empty text, ".1") or when the count does not fit 16 bits ("10923"); nothing or more than one
// character after the first "." gives 0 ("32.", "32.10", ".", ".12").
std::optional<qint16> fncTextToUnits(QStringView text);

// Full subject name to its one-letter code; empty name gives the ideographic space, any other
// text the empty text.
QString fncSubjectToCode(QStringView name);

QString fncBoolToText(Flag flag);
Flag fncTextToBool(QStringView text);

// The numeric value of a text as the data file and the conversion routines read it: leading
// blanks skipped, an optional sign, then digits up to the first character that cannot continue
// the number; a text without digits is 0. nullopt when the value does not fit 16 bits.
std::optional<qint16> fncNumericValue16(QStringView text);
// The same without the 16-bit limit (saturates far outside it).
qint64 fncNumericValue(QStringView text);

// A month and day stored for school year `yearText` back to a date: January to March (and a
// month whose value is 0) belong to the calendar year after it. Invalid QDate when the parts
// form no date.
QDate fncSchoolDate(QStringView yearText, QStringView monthText, QStringView dayText);

// The zero date: what an unset date holds (30 December 1899).
inline QDate zeroDate() {
    return QDate(1899, 12, 30);
}
inline bool isZeroDate(const QDate &d) {
    return !d.isValid() || d == zeroDate();
}

// Day of the year as the school-day rule and the chain keep it (1 January = 1).
inline qint16 dayNumber(const QDate &d) {
    return d.isValid() ? qint16(d.dayOfYear()) : qint16(0);
}

// The standard number text with a sign position: " 4", " 2004", "-3".
QString fncNumberText(int n);

} // namespace mirune
