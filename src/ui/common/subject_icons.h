#pragma once

#include <QChar>
#include <QColor>
#include <QIcon>
#include <QPixmap>
#include <QString>

namespace mirune::ui {

// The subjects' icons: a rounded square in the subject's own colour with the subject's first
// character. Drawn by the program once per subject and size, when a control first shows that
// size, and shared by every window: the palettes, the lesson cells and the pointer that shows the
// selected subject.

// The colour of a subject's icon, by its one-letter code. Colours are spread around the colour
// wheel in a fixed order that later subjects join at its end, so a subject added to the table
// gets one of its own and every other subject keeps the colour it had.
QColor subjectColour(QChar code);

// The icon of a subject by its one-letter code; a null icon for a character that is no subject.
QIcon subjectIcon(QChar code);

// The picture for the mouse pointer that shows the selected subject: 32 × 32 pixels, the size
// every platform supports for a pointer.
QPixmap subjectPointerPixmap(QChar code);

} // namespace mirune::ui
