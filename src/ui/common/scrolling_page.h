#pragma once

// Pages that fit the screen. A wizard page laid out for a desktop at 100 % is taller than a
// laptop's screen at 200 %: its controls go into an area that scrolls, the row of buttons stays
// under it in view, and the window opens no larger than the screen's available area.

#include <QScrollArea>

class QLayout;

namespace mirune::ui {

// The scrolling part of a page: it asks for the whole size of what it holds, so that a window
// shows everything where the screen has room, and gives way to the screen where it has not.
class PageScrollArea : public QScrollArea {
    Q_OBJECT
  public:
    explicit PageScrollArea(QWidget *parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

  protected:
    // What it holds asking for another size (rows shown or hidden) is its own new size hint.
    bool eventFilter(QObject *watched, QEvent *event) override;
};

// Lays `window` out as `contents` in a PageScrollArea over `buttons`, keeps the control that has
// the focus scrolled into view, and sizes the window with fitToScreen() when it is first shown.
void setScrollingLayout(QWidget *window, QLayout *contents, QLayout *buttons);

// Resizes a top-level window to its size hint, no larger than the available area of its
// screen less the height of a title bar. A page whose contents scroll gets room for the
// scroll bar beside them when it is cut short.
void fitToScreen(QWidget *window);

} // namespace mirune::ui
