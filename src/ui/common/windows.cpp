#include "windows.h"

#include <QTimer>

namespace mirune::ui {

void Windows::adopt(std::type_index kind, QWidget *window) {
    window->setAttribute(Qt::WA_DeleteOnClose);
    m_open[kind] = window;
    m_order.emplace_back(window);
}

void Windows::present(QWidget *window) {
    if (window->isMinimized())
        window->showNormal();
    else
        window->show();
    window->raise();
    window->activateWindow();
}

void Windows::closeLater(QWidget *window) {
    // Closing from a queued call lets the slot that asked finish on a live window, and lets the
    // event loop notice the last window only after the next one is up.
    QTimer::singleShot(0, window, [window] { window->close(); });
}

std::vector<QWidget *> Windows::openWindows() const {
    std::vector<QWidget *> windows;
    for (const QPointer<QWidget> &w : m_order)
        if (w && w->isVisible())
            windows.push_back(w.data());
    return windows;
}

void Windows::closeAll() {
    for (const QPointer<QWidget> &w : m_order)
        if (w)
            w->close();
    m_order.clear();
    m_open.clear();
}

} // namespace mirune::ui
