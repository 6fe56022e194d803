#pragma once

#include <QGroupBox>
#include <vector>

namespace mirune::ui {

class SubjectButton;

// The subject palette of the main window (fraPalette, "教科パレット"): one button per subject in
// the palette order of the subject table, in two columns.
class SubjectPalette : public QGroupBox {
    Q_OBJECT
  public:
    explicit SubjectPalette(QWidget *parent = nullptr);

    const std::vector<SubjectButton *> &buttons() const { return m_buttons; }

  signals:
    // A subject was pressed: its full name.
    void subjectChosen(const QString &fullName);

  private:
    std::vector<SubjectButton *> m_buttons;
};

} // namespace mirune::ui
