#include "wrapped_label.h"

namespace mirune::ui {

WrappedLabel::WrappedLabel(const QString &text, QWidget *parent) : QLabel(text, parent) {
    setTextFormat(Qt::PlainText);
    setWordWrap(true);
}

int WrappedLabel::heightForWidth(int width) const {
    if (text() != m_measuredText || font() != m_measuredFont) {
        m_heights.clear();
        m_measuredText = text();
        m_measuredFont = font();
    }
    auto it = m_heights.constFind(width);
    if (it == m_heights.cend())
        it = m_heights.insert(width, QLabel::heightForWidth(width));
    return *it;
}

} // namespace mirune::ui
