#pragma once

#include "ui/common/ui_context.h"

#include <QDate>
#include <QWidget>
#include <array>

class QGroupBox;
class QLabel;
class QPushButton;

namespace mirune::ui {

class MonthRow;

// The holiday calendar page: the teacher's own holidays and the school-day counts. Three rows
// of month calendars cover the school year by term; school days are bold, a national holiday
// carries its name. Clicking a school day makes it the teacher's holiday, clicking that holiday
// again gives it back; every click is stored at once.
class frmWiz3 : public QWidget {
    Q_OBJECT
  public:
    explicit frmWiz3(UiContext &ui, QWidget *parent = nullptr);

    static constexpr int kTerms = 3;

    // The school days the page counted: terms 1 to 3, then the whole year.
    const std::array<qint16, kTerms + 1> &schoolDays() const { return intSchoolDays; }

  protected:
    void changeEvent(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

  private:
    void activated();
    // Draws every day of the year from the school-day rule and counts the school days.
    void redraw();
    void setCountCaption(int index);
    void dateClicked(int term, const QDate &date);
    bool isDrawnBold(int term, const QDate &date) const;
    void drawDay(int term, const QDate &date, bool bold);
    void describeDay(int term, const QDate &date);
    // The school year the calendars show; the current one while no class is set up.
    int shownYear() const;

    UiContext &m_ui;
    bool m_writing = false;   // the page's own change notices are not news to it
    bool m_keyChoice = false; // the day being chosen was chosen with the keyboard
    std::array<qint16, kTerms + 1> intSchoolDays{};

    QGroupBox *fraWiz3Month = nullptr;
    std::array<MonthRow *, kTerms> mvWiz3Calendar{};
    std::array<QLabel *, kTerms + 1> lblWiz3NumberOfSchoolDays{};
    QPushButton *cmdWiz3Before = nullptr;
    QPushButton *cmdWiz3Next = nullptr;
    QPushButton *cmdWiz3Cancel = nullptr;
};

} // namespace mirune::ui
