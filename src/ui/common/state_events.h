#pragma once

#include <QDate>
#include <QObject>

namespace mirune {
class ClassDocument;
}

namespace mirune::ui {

// Announces changes of the application state. The state is a plain struct and changing it tells
// nobody, so whatever writes it emits the matching signal right after, and every window that
// shows that part of the state connects in its constructor.
class StateEvents final : public QObject {
    Q_OBJECT
  public:
    using QObject::QObject;

    // The document's own notices are announced as the state's: a plan opened, restored or
    // closed replaces the state, and days it changed are changed days.
    void follow(ClassDocument &document);

  signals:
    // The whole state was replaced or reset: a file was opened, a new plan begun, Close.
    void stateReplaced();
    // School year, grade, class or teacher.
    void classChanged();
    // Vacations, national holidays or the teacher's own holidays.
    void holidaysChanged();
    // The annual lesson plan.
    void plansChanged();
    // Weekly timetable A or B (subjects or lengths).
    void timetablesChanged();
    // The record of one day was registered, changed or withdrawn.
    void daysChanged(const QDate &date);
    // The current data file's name.
    void fileNameChanged();
};

} // namespace mirune::ui
