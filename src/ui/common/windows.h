#pragma once

#include "ui_context.h"

#include <QPointer>
#include <QWidget>
#include <map>
#include <typeindex>
#include <vector>

namespace mirune::ui {

// Opens, finds and replaces the top-level windows. Each kind of window exists at most once:
// opening a kind that is open shows, raises and activates it instead of making another. Every
// window is made top level, modeless and deleted when it closes.
class Windows {
  public:
    Windows() = default;
    Windows(const Windows &) = delete;
    Windows &operator=(const Windows &) = delete;

    // The context the windows are built from; set once, before the first window opens.
    void attach(UiContext &ui) { m_ui = &ui; }
    UiContext &context() const { return *m_ui; }

    // The open window of a kind, or nullptr.
    template <class W> W *find() const {
        const auto it = m_open.find(std::type_index(typeid(W)));
        return it == m_open.end() ? nullptr : qobject_cast<W *>(it->second.data());
    }

    // Shows the window of a kind, making it first when none is open.
    template <class W> W *open() {
        return open<W>([](W *) {});
    }
    // The same, with `prepare` run on the window just before it is shown, so that a window made
    // now appears as it is meant to be seen (timetable B rather than A first).
    template <class W, class Prepare> W *open(Prepare prepare) {
        W *window = find<W>();
        if (!window) {
            window = new W(*m_ui);
            adopt(std::type_index(typeid(W)), window);
        }
        prepare(window);
        present(window);
        return window;
    }

    // Opens the next page, then closes the current one: the next page is shown first, so the
    // program never runs out of windows in between.
    template <class Next> Next *replace(QWidget *current) {
        return replace<Next>(current, [](Next *) {});
    }
    template <class Next, class Prepare> Next *replace(QWidget *current, Prepare prepare) {
        Next *next = open<Next>(prepare);
        if (current && current != next)
            closeLater(current);
        return next;
    }

    // Closes one window after the current event is handled.
    static void closeLater(QWidget *window);

    // Every open window, in the order they were opened.
    std::vector<QWidget *> openWindows() const;

    // Closes every window at once (for Exit and for tests).
    void closeAll();

  private:
    void adopt(std::type_index kind, QWidget *window);
    static void present(QWidget *window);

    UiContext *m_ui = nullptr;
    std::map<std::type_index, QPointer<QWidget>> m_open;
    std::vector<QPointer<QWidget>> m_order;
};

} // namespace mirune::ui
