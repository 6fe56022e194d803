#pragma once

#include "model/range_registration.h"
#include "ui/common/ui_context.h"

#include <QDate>
#include <QDialog>
#include <QList>

class QDateEdit;
class QLabel;
class QPushButton;
class QRadioButton;

namespace mirune::ui {

// まとめて登録: asks for the first and last day of a stretch and the timetable, and says how
// many school days will be registered as the teacher chooses. It blocks nothing: the main
// window registers the days when 登録する is pressed.
class dlgRegisterRange : public QDialog {
    Q_OBJECT
  public:
    explicit dlgRegisterRange(UiContext &ui, QWidget *parent = nullptr);

    // Starts from the first unregistered school day and today within the school year, the
    // timetable the main window uses, and leaves out the days whose lessons are being entered.
    void prepare(TimetableChoice timetable, const QList<QDate> &entered);

    // The days that would be registered now.
    QList<QDate> daysToRegister() const;
    TimetableChoice timetable() const;

  signals:
    void registerChosen(const QList<QDate> &days, TimetableChoice timetable);

  private:
    void refreshCount();

    UiContext &m_ui;
    QDateEdit *m_from = nullptr;
    QDateEdit *m_to = nullptr;
    QRadioButton *m_optionA = nullptr;
    QRadioButton *m_optionB = nullptr;
    QLabel *m_count = nullptr;
    QPushButton *m_ok = nullptr;
    QList<QDate> m_entered;
};

} // namespace mirune::ui
