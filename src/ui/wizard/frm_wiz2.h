#pragma once

#include "model/class_settings.h"
#include "ui/common/ui_context.h"

#include <QWidget>
#include <array>
#include <optional>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace mirune::ui {

// The class page: school year, grade, class, teacher and the vacation days. The page stores
// through the document when one of its lists is chosen from, when it is left by any of its three
// buttons, and as a value is typed into a plan that has its school year (a grade 1 to 6, a class,
// the teacher, vacation days that are all numbers). A character the data file cannot carry is
// refused where it is typed, naming the box.
class frmWiz2 : public QWidget {
    Q_OBJECT
  public:
    explicit frmWiz2(UiContext &ui, QWidget *parent = nullptr);

    // Number of slots of the day box array; slot 6 has no box.
    static constexpr int kDayBoxSlots = 9;

  protected:
    void changeEvent(QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

  private:
    enum class Leave { Before, Next, Finish };

    void buildClassRows();
    void buildHolidayRows();
    void activated();

    // Puts the state into the controls.
    void fillFromState();
    void fillYearList();
    void setDayBoxes(const VacationDays &days, bool asStored);
    static void setBoxText(QLineEdit *box, const QString &text);

    // Values typed into a box, stored as typed.
    void gradeTyped();
    void classTyped();
    void teacherTyped();
    void dayTyped();
    // False, after a message naming the field and with the characters taken out of the box,
    // when the box holds text the data file cannot carry.
    bool checkWritable(QLineEdit *box, QStringView field);

    // What the controls hold, or nothing (after a message naming the box) when a box holds
    // text that is not what it asks for.
    std::optional<ClassChoice> readClassChoice();
    std::optional<VacationDays> readVacationDays();
    void refuse(QWidget *box, const QString &text);

    // Takes the class settings with the year question when it is needed; hides the page when
    // the teacher answers Yes or No to it.
    ClassResult getClass(const ClassChoice &choice);
    // A year, class or grade chosen from its list, or the teacher box clicked.
    void listChosen();
    void leave(Leave how);

    UiContext &m_ui;
    bool m_writing = false; // the page's own change notices are not news to it

    QLabel *lblWiz1Comment = nullptr;
    QLabel *lblWiz1Year = nullptr;
    QComboBox *cboWiz1Year = nullptr;
    QLabel *lblWiz1Class = nullptr;
    QLabel *lblWiz1Rank = nullptr;
    QLabel *lblWiz1Kumi = nullptr;
    std::array<QComboBox *, 2> cboWiz1Class{};
    QLabel *lblWiz1Teacher = nullptr;
    QLineEdit *txtWiz1Teacher = nullptr;
    QLabel *lblWiz2Comment = nullptr;
    std::array<QLabel *, 21> lblWiz2Holiday{};              // 5, 6, 14 and 15 have no label
    std::array<QComboBox *, kDayBoxSlots> cboWiz2Holiday{}; // 6 has no box
    QPushButton *cmdWiz2Before = nullptr;
    QPushButton *cmdWiz2Next = nullptr;
    QPushButton *cmdWiz2Cancel = nullptr;
};

} // namespace mirune::ui
