#pragma once

#include <QCloseEvent>
#include <QWidget>

namespace mirune::ui {

// For a window that keeps its choices for the session: the title bar's close button only hides
// it, as its own "閉じる" does, while a close from the program (Exit) really closes it. True when
// the event was taken (the window is hidden); call from closeEvent before the base class.
inline bool hideOnUserClose(QWidget *window, QCloseEvent *event) {
    if (!event->spontaneous())
        return false;
    event->ignore();
    window->hide();
    return true;
}

} // namespace mirune::ui
