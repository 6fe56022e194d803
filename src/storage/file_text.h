#pragma once

// What one text line of the data file can carry: the class and the teacher are written as they
// were typed, in CP932, on a line of their own. A window checks a text as it is typed, so that
// the plan never holds one the file cannot be written with.

#include <QString>
#include <QStringView>

namespace mirune {

// The characters of `text` the file cannot carry, each once, in the order they first appear: a
// line break, or a character CP932 has not ("𠮷", "①" is one it has). Empty when the whole text
// can be written.
QString fncUnwritableCharacters(QStringView text);

// Whether `text`, in CP932, is longer than a line the reader takes.
bool fncTextTooLongForFile(QStringView text);

} // namespace mirune
