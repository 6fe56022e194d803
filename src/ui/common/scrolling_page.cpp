#include "scrolling_page.h"

#include <QApplication>
#include <QEvent>
#include <QLayout>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>
#include <QVBoxLayout>

namespace mirune::ui {

using namespace Qt::StringLiterals;

namespace {

// Sizes a window when it is first shown: only then are its fonts and styles final, and its
// size hint what the screen will show.
class FitOnFirstShow : public QObject {
  public:
    explicit FitOnFirstShow(QWidget *window) : QObject(window) { window->installEventFilter(this); }

  protected:
    bool eventFilter(QObject *watched, QEvent *event) override {
        if (event->type() == QEvent::Show) {
            auto *window = static_cast<QWidget *>(watched);
            window->removeEventFilter(this);
            fitToScreen(window);
            deleteLater();
        }
        return false;
    }
};

} // namespace

PageScrollArea::PageScrollArea(QWidget *parent) : QScrollArea(parent) {
    setObjectName(u"scrollPage"_s);
    setFrameShape(QFrame::NoFrame);
    setWidgetResizable(true);
    // The keyboard goes from control to control, never to the area itself; the control that
    // gets the focus is scrolled into view.
    setFocusPolicy(Qt::NoFocus);
    // The page's own background, not a view's.
    setBackgroundRole(QPalette::Window);
}

QSize PageScrollArea::sizeHint() const {
    // QScrollArea keeps its hint to a few dozen lines; a page wants all of itself.
    const QWidget *inside = widget();
    if (!inside)
        return QScrollArea::sizeHint();
    const int frame = 2 * frameWidth();
    return inside->sizeHint().expandedTo(inside->minimumSizeHint()) + QSize(frame, frame);
}

bool PageScrollArea::eventFilter(QObject *watched, QEvent *event) {
    if (watched == widget() && event->type() == QEvent::LayoutRequest)
        updateGeometry();
    return QScrollArea::eventFilter(watched, event);
}

QSize PageScrollArea::minimumSizeHint() const {
    // A few lines of the page and its scroll bars: the screen decides the rest.
    const int line = fontMetrics().height();
    const int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    return {line * 8 + bar, line * 4 + bar};
}

void setScrollingLayout(QWidget *window, QLayout *contents, QLayout *buttons) {
    auto *inside = new QWidget;
    inside->setObjectName(u"scrollPageContents"_s);
    // Never squeezed below the size it asks for: what does not fit scrolls, as it is laid out.
    inside->setSizePolicy(QSizePolicy::Minimum, QSizePolicy::Minimum);
    inside->setLayout(contents);
    auto *scroll = new PageScrollArea(window);
    scroll->setWidget(inside);
    inside->installEventFilter(scroll);

    auto *layout = new QVBoxLayout(window);
    // The page's margins stand around the contents as they did; the scroll area adds none.
    const QMargins margins = layout->contentsMargins();
    layout->setContentsMargins(0, 0, 0, margins.bottom());
    contents->setContentsMargins(margins.left(), margins.top(), margins.right(), 0);
    buttons->setContentsMargins(margins.left(), 0, margins.right(), 0);
    layout->addWidget(scroll, 1);
    layout->addLayout(buttons);

    // A box reached with the arrow keys or Tab below the visible part comes into view.
    QObject::connect(qApp, &QApplication::focusChanged, scroll, [scroll](QWidget *, QWidget *now) {
        if (now && scroll->widget() && scroll->widget()->isAncestorOf(now))
            scroll->ensureWidgetVisible(now);
    });
    new FitOnFirstShow(window);
}

void fitToScreen(QWidget *window) {
    window->ensurePolished();
    // The page has been filled since it was laid out: its layouts take in the rows shown and
    // hidden, and the window's layout the new hints.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    for (PageScrollArea *scroll : window->findChildren<PageScrollArea *>()) {
        if (QWidget *inside = scroll->widget(); inside && inside->layout())
            inside->layout()->activate();
        scroll->updateGeometry();
    }
    if (QLayout *layout = window->layout())
        layout->activate();
    QSize size = window->sizeHint();
    const QScreen *screen = window->screen();
    if (!screen) {
        window->resize(size);
        return;
    }
    const int titleBar = window->style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, window);
    const QSize available = screen->availableSize() - QSize(0, titleBar);
    if (size.height() > available.height())
        if (const auto *scroll = window->findChild<PageScrollArea *>())
            size.rwidth() += scroll->verticalScrollBar()->sizeHint().width();
    window->resize(size.boundedTo(available));
}

} // namespace mirune::ui
