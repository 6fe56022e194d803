#pragma once

#include <QChar>
#include <QString>
#include <QToolButton>

namespace mirune::ui {

// A button that shows one subject: its icon above its full name. It carries the subject's code;
// the name and the picture are looked up from the subject table when it is drawn. The code, the
// picture, the caption and the accessible name change together in one place, so they cannot
// drift apart. No code (a null character) shows an empty cell.
class SubjectButton : public QToolButton {
    Q_OBJECT
    Q_PROPERTY(QChar code READ code WRITE setCode NOTIFY codeChanged)
  public:
    explicit SubjectButton(QWidget *parent = nullptr);

    // The subject's one-letter code ("国"), or a null character for none.
    QChar code() const { return m_code; }
    void setCode(QChar code);
    // The name the button shows: the subject's full name ("国語"), the character itself for a
    // code no subject has, empty for none.
    QString subjectName() const;

    // What the button stands for, read before the subject by a screen reader:
    // "月曜 3時限" makes "月曜 3時限 国語".
    void setAccessiblePrefix(const QString &prefix);

    // A cell too narrow for a long name ("外国語活動") shows the subject's short name ("外活");
    // its accessible name keeps the full one.
    void setCompact(bool compact);

  signals:
    void codeChanged(QChar code);

  private:
    void refresh();

    QChar m_code;
    QString m_prefix;
    bool m_compact = false;
};

// The name of a subject by its code, as the buttons show it: the full name, the character
// itself for a code no subject has, empty for none (a null character or "　").
QString subjectShownName(QChar code);

// What a narrow cell shows of a subject: its full name, or the short name of a name longer
// than three characters.
QString subjectCaption(QChar code);

// The accessible name of a subject cell: the prefix and the subject, or "空き" for none.
QString subjectCellName(const QString &prefix, const QString &name);

} // namespace mirune::ui
