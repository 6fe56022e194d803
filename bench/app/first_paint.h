#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QTimer>
#include <QWidget>
#include <chrono>
#include <cstdio>

// Ends the program once its window has painted itself for the first time, and prints on the
// standard output the wall-clock time of that moment in microseconds since the epoch, so that the
// script can subtract the moment it started the program. Both start-up programs stop at the same
// point, and the time to end a program is not counted. Installed on the application before any
// window exists, so that no paint goes unseen.
class QuitAfterFirstPaint : public QObject {
  public:
    using QObject::QObject;

    // The window to wait for; any window when none is given.
    void watch(const QWidget *window) { m_window = window; }

  protected:
    bool eventFilter(QObject *watched, QEvent *event) override {
        if (event->type() == QEvent::Paint && !m_done && isWatched(watched)) {
            m_done = true;
            // A window paints itself and its children in one pass; the call queued here runs
            // once the pass is over.
            QTimer::singleShot(0, qApp, [] {
                const auto now = std::chrono::system_clock::now().time_since_epoch();
                std::printf(
                    "%lld\n",
                    static_cast<long long>(
                        std::chrono::duration_cast<std::chrono::microseconds>(now).count()));
                std::fflush(stdout);
                QCoreApplication::exit(0);
            });
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    bool isWatched(QObject *watched) const {
        const auto *widget = qobject_cast<const QWidget *>(watched);
        return widget && (!m_window || widget->window() == m_window);
    }

    const QWidget *m_window = nullptr;
    bool m_done = false;
};
