#pragma once

#include <QString>
#include <array>

class QWidget;

namespace mirune::ui {

// The object name of element `index` of a control array.
inline QString controlName(const QString &base, int index) {
    return base + QLatin1Char('_') + QString::number(index);
}

// A control array: N controls named base_0 .. base_{N-1}, the index carrying the position the
// way the window's design gives it (a lesson cell is day × 8 + period).
template <class T, std::size_t N, class... Args>
std::array<T *, N> makeControlArray(QWidget *parent, const QString &base, Args &&...args) {
    std::array<T *, N> controls{};
    for (std::size_t i = 0; i < N; ++i) {
        controls[i] = new T(args..., parent);
        controls[i]->setObjectName(controlName(base, static_cast<int>(i)));
    }
    return controls;
}

} // namespace mirune::ui
