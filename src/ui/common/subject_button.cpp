#include "subject_button.h"

#include "model/hour_fields.h"
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

void SubjectButton::setCompact(bool compact) {
    m_compact = compact;
    refresh();
}

void SubjectButton::refresh() {
    setIcon(subjectIconForName(m_subject));
    setText(m_compact ? subjectCaption(m_subject) : m_subject);
    if (!m_prefix.isEmpty())
        setAccessibleName(subjectCellName(m_prefix, m_subject));
}

QString subjectCaption(const QString &fullName) {
    // Three characters fit under any cell's picture; only a longer name is shortened.
    if (fullName.size() <= 3)
        return fullName;
    for (const SubjectInfo &info : subjectTable())
        if (info.fullName == fullName && !info.shortName.isEmpty())
            return info.shortName.toString();
    return fullName;
}

QString subjectCellName(const QString &prefix, const QString &fullName) {
    return prefix + QLatin1Char(' ') + (fullName.isEmpty() ? QStringLiteral(u"空き") : fullName);
}

} // namespace mirune::ui
