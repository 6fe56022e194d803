#pragma once

#include <QGroupBox>
#include <QString>
#include <vector>

namespace mirune::ui {

class SubjectButton;

// The subject palette of the main window (fraPalette, "教科パレット"): one button per subject in
// the palette order of the subject table, in two columns. It offers the subjects the plan shows
// (`setCodes`) in the first buttons, without gaps; the buttons left over are hidden, so a plan
// without the later curriculum rows sees the palette it always had.
class SubjectPalette : public QGroupBox {
    Q_OBJECT
  public:
    explicit SubjectPalette(QWidget *parent = nullptr);

    // The codes offered, in order: a subset of the palette order.
    void setCodes(QStringView codes);
    const QString &codes() const { return m_codes; }

    // Every button, the hidden ones too.
    const std::vector<SubjectButton *> &buttons() const { return m_buttons; }

  signals:
    // A subject was pressed: its code.
    void subjectChosen(QChar code);

  private:
    QString m_codes;
    std::vector<SubjectButton *> m_buttons;
};

} // namespace mirune::ui
