#pragma once

#include <QString>
#include <QtGlobal>

namespace mirune::data_file {

using namespace Qt::StringLiterals;

// Line 1 of a data file of today's form; there is no other header and no version field.
inline QString headerLine() {
    return u"トワラ"_s;
}

// Line 1 of the extended form, the form of a plan that uses 外国語 or 外国語活動. It starts with
// today's header but is not it, so a program that knows only today's form refuses the file as
// not its own instead of reading it without those hours.
inline QString extendedHeaderLine() {
    return u"トワラ2"_s;
}

// The reader's line table holds lines 1 to 3001; a file the program writes stays far below it
// (2736 lines with the largest holiday table and every day of a leap year registered).
inline constexpr int kMaxLines = 3001;

// The reader's bounds on what it takes in: the largest file the program writes is some 20 KB,
// its longest line a teacher's name or a comment. A file or a line beyond these is refused before
// it is taken in whole, so that no input can make the reader run long or hold much memory; the
// writer refuses to save what the reader would refuse.
inline constexpr qint64 kMaxFileBytes = 16 * 1024 * 1024;
inline constexpr qsizetype kMaxLineBytes = 64 * 1024;

// The school years whose dates can be rebuilt: January to March fall in the year after.
inline constexpr int kFirstSchoolYear = 1;
inline constexpr int kLastSchoolYear = 9998;

// Lines per registered day: month, day, subjects, time codes, comment, withdrawn flag.
inline constexpr int kLinesPerDay = 6;

} // namespace mirune::data_file
