#include "subject_button.h"

#include "subject_icons.h"

namespace mirune::ui {

SubjectButton::SubjectButton(QWidget *parent) : QToolButton(parent) {
    setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    setIconSize(QSize(24, 24));
    setFocusPolicy(Qt::StrongFocus);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    QSizePolicy policy = sizePolicy();
    policy.setRetainSizeWhenHidden(true); // a hidden cell keeps its place in the grid
    setSizePolicy(policy);
    refresh();
}

void SubjectButton::setSubject(const QString &fullName) {
    if (fullName == m_subject)
        return;
    m_subject = fullName;
    refresh();
    emit subjectChanged(m_subject);
}

void SubjectButton::setAccessiblePrefix(const QString &prefix) {
    m_prefix = prefix;
    refresh();
}

void SubjectButton::refresh() {
    setIcon(subjectIconForName(m_subject));
    setText(m_subject);
    if (!m_prefix.isEmpty())
        setAccessibleName(subjectCellName(m_prefix, m_subject));
}

QString subjectCellName(const QString &prefix, const QString &fullName) {
    return prefix + QLatin1Char(' ') + (fullName.isEmpty() ? QStringLiteral(u"空き") : fullName);
}

} // namespace mirune::ui
