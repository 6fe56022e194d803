#pragma once

#include <QString>

namespace mirune::data_file {

using namespace Qt::StringLiterals;

// Line 1 of every data file; there is no other header and no version field.
inline QString headerLine() {
    return u"トワラ"_s;
}

// The reader's line table holds lines 1 to 3001; a file the program writes stays far below it
// (2736 lines with the largest holiday table and every day of a leap year registered).
inline constexpr int kMaxLines = 3001;

// Lines per registered day: month, day, subjects, time codes, comment, withdrawn flag.
inline constexpr int kLinesPerDay = 6;

// Text encoding of the file: the Japanese ANSI code page.
inline constexpr const char *kCodec = "CP932";

} // namespace mirune::data_file
