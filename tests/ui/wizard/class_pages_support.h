#pragma once

// Small helpers of the class page and holiday calendar tests: opening a page as the program
// does, the part of the state those pages write, and a state with records.

#include "model/app_state.h"
#include "model/class_settings.h"
#include "model/day_record.h"
#include "support/ui_test_support.h"

#include <QPointer>
#include <QTest>

namespace mirune::ui::test {

// Opens a page through the window registry and waits until it is the active window.
template <class W> QPointer<W> openPage(UiHarness &h) {
    QPointer<W> page = h.windows.open<W>();
    if (!QTest::qWaitForWindowActive(page.data()))
        return nullptr;
    return page;
}

// What the class page and the holiday calendar write, to compare before and after.
struct ClassAndHolidays {
    int year, grade;
    QString klass, teacher;
    std::array<QDate, kHolidaySlots> holidays;
    int specialCount;
    std::array<qint16, kSpecialSlots> specialDays;
    int chain;

    explicit ClassAndHolidays(const AppState &s)
        : year(s.intYear), grade(s.intGrade), klass(s.strClass), teacher(s.strTeacher),
          holidays(s.dateHoliday), specialCount(s.intSpecialCount), specialDays(s.intSpecialDay),
          chain(chainLength(*s.objFirstDay)) {}
    bool operator==(const ClassAndHolidays &) const = default;
};

// A plan of school year `year` as the class page leaves it: grade 3, class 2, the day boxes as
// they start for that year (the real equinox days).
inline void setUpPlan(AppState &state, int year) {
    state.intYear = qint16(year);
    state.intGrade = 3;
    state.strClass = QStringLiteral(u"2");
    state.strTeacher = QStringLiteral(u"山田");
    subGetHoliday(state, fncInitialVacationDays(year));
}

// A registered day in the chain.
inline void recordDay(AppState &state, const QDate &date) {
    state.objFirstDay->appendDay(
        makeRegisteredDay(date, QStringLiteral(u"国算社理体音図学"), QStringLiteral(u"33333300")));
}

} // namespace mirune::ui::test
