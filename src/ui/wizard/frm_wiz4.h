#pragma once

#include "model/year_plan_entry.h"
#include "ui/common/ui_context.h"

#include <QWidget>
#include <array>

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;

namespace mirune::ui {

// The annual lesson plan page: base hours and the hours of each term per subject row, with
// their totals, the planned year sums and their differences from the base hours, and beside the
// base hours the standard hours of the school year and grade. A figure is stored through the
// document as it is typed (the typing into one box is one step of 元に戻す), and a box that holds
// no figure is set to "0" when it gets or loses the focus. The rows of 外国語 and 外国語活動
// stand only where the plan shows them.
class frmWiz4 : public QWidget {
    Q_OBJECT
  public:
    explicit frmWiz4(UiContext &ui, QWidget *parent = nullptr);

    // Refills the boxes from the plan records and shows their totals; runs whenever the page
    // becomes the active window and whenever the plan changes elsewhere.
    void activated();

    // One store-and-total pass: every box checked (an invalid text becomes "0"), the plan
    // stored, the totals, year sums and differences shown.
    void subGetYearPlan();

  protected:
    void changeEvent(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

  private:
    void buildPage();
    // Shows the rows the plan shows, with their headings and standard hours.
    void showRows();
    void showTotals(const PlanTotals &totals);
    // "標準時数を入れる" and "学期に配分": each asks before it replaces figures already there.
    void fillFromStandard();
    void splitOverTerms();
    PlanTexts boxTexts() const;
    // A box typed into: `box` is a row (a base box) or kPlanRows + a term box's index.
    void boxTyped(int box);
    bool keyPressed(QLineEdit *box, int key);
    void moveFocus(QLineEdit *box);

    UiContext &m_ui;
    std::array<QLineEdit *, kPlanRows> txtWiz4YearBase{};
    std::array<QLineEdit *, kPlanTermBoxes> txtWiz4YearPlan{};
    std::array<QLabel *, kPlanRows> m_rowHeadings{};
    QLabel *m_corner = nullptr;
    QLabel *m_totalHeading = nullptr;
    QLabel *lblWiz4StandardHeading = nullptr;
    std::array<QLabel *, kPlanRows> lblWiz4Standard{};
    QLabel *lblWiz4StandardSum = nullptr;
    QPushButton *cmdWiz4Standard = nullptr;
    QPushButton *cmdWiz4Split = nullptr;
    QLabel *lblWiz4BaseSum = nullptr;
    std::array<QLabel *, kPlanTerms> lblWiz4Sum{};
    QFrame *gridWiz4YearSum = nullptr;
    // The grid's cells by row (0 the header, then the subject rows, then "計") and column
    // (0 "年間", 1 "増減").
    std::array<std::array<QLabel *, 2>, kPlanRows + 2> m_gridCells{};
    QLabel *lblWiz4Held = nullptr;
    QPushButton *cmdWiz4Before = nullptr;
    QPushButton *cmdWiz4Cancel = nullptr;
    bool m_storing = false; // guards against the page's own change notice
    // The box a click has just given the focus to, whose press selects its whole text, and the
    // box whose press was taken until the button is let go.
    QLineEdit *m_clickSelects = nullptr;
    QLineEdit *m_swallowDrag = nullptr;
};

} // namespace mirune::ui
