#pragma once

#include <QString>
#include <QToolButton>

namespace mirune::ui {

// A button that shows one subject: its icon above its full name. The subject, the picture, the
// caption and the accessible name change together in one place, so they cannot drift apart.
// An empty subject shows an empty cell.
class SubjectButton : public QToolButton {
    Q_OBJECT
    Q_PROPERTY(QString subject READ subject WRITE setSubject NOTIFY subjectChanged)
  public:
    explicit SubjectButton(QWidget *parent = nullptr);

    // The subject's full name ("国語"), or empty.
    QString subject() const { return m_subject; }
    void setSubject(const QString &fullName);

    // What the button stands for, read before the subject by a screen reader:
    // "月曜 3時限" makes "月曜 3時限 国語".
    QString accessiblePrefix() const { return m_prefix; }
    void setAccessiblePrefix(const QString &prefix);

    // A cell too narrow for a long name ("外国語活動") shows the subject's short name ("外活");
    // its accessible name keeps the full one.
    void setCompact(bool compact);

  signals:
    void subjectChanged(const QString &fullName);

  private:
    void refresh();

    QString m_subject;
    QString m_prefix;
    bool m_compact = false;
};

// What a narrow cell shows of a subject: its full name, or the short name of a name longer
// than three characters.
QString subjectCaption(const QString &fullName);

// The accessible name of a subject cell: the prefix and the subject, or "空き" for none.
QString subjectCellName(const QString &prefix, const QString &fullName);

} // namespace mirune::ui
