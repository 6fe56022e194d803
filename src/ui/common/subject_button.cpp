#include "subject_button.h"

#include "model/hour_fields.h"
#include "subject_icons.h"

namespace mirune::ui {

using namespace Qt::StringLiterals;

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

void SubjectButton::setCode(QChar code) {
    // "　" in a record is no subject, as no code is.
    if (code == kNoSubject)
        code = QChar();
    if (code == m_code)
        return;
    m_code = code;
    refresh();
    emit codeChanged(m_code);
}

QString SubjectButton::subjectName() const {
    return subjectShownName(m_code);
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
    setIcon(subjectIcon(m_code));
    setText(m_compact ? subjectCaption(m_code) : subjectName());
    if (!m_prefix.isEmpty())
        setAccessibleName(subjectCellName(m_prefix, subjectName()));
}

QString subjectShownName(QChar code) {
    if (code.isNull() || code == kNoSubject)
        return QString();
    if (const SubjectInfo *info = subjectForCode(code))
        return info->fullName.toString();
    return QString(code);
}

QString subjectCaption(QChar code) {
    // Three characters fit under any cell's picture; only a longer name is shortened.
    const QString name = subjectShownName(code);
    if (name.size() <= 3)
        return name;
    const SubjectInfo *info = subjectForCode(code);
    return info && !info->shortName.isEmpty() ? info->shortName.toString() : name;
}

QString subjectCellName(const QString &prefix, const QString &name) {
    return prefix + u' ' + (name.isEmpty() ? u"空き"_s : name);
}

} // namespace mirune::ui
