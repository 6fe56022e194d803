#pragma once

// A plan as the wizard leaves it, set up directly in the state, and the main window opened on it.

#include "model/app_state.h"
#include "model/class_settings.h"
#include "support/ui_test_support.h"
#include "ui/common/subject_button.h"
#include "ui/main/frm_main.h"

#include <QPointer>

namespace mirune::ui::test {

using namespace Qt::StringLiterals;

// Subjects of periods 0..7 of timetable A, Monday to Saturday; B has each weekday's row moved
// on by one.
inline QString timetableSubjects(int weekday) {
    static const char16_t *const kSubjects[6] = {
        u"学国算社体音　　", u"学算国理音総　　", u"学国算図図体　　",
        u"学算国社理道　　", u"学国算体音総　　", u"学国算　　　　　",
    };
    return QString::fromUtf16(kSubjects[weekday % 6]);
}

// Class, holidays (the class page's defaults) and both timetables of a grade-3 class.
inline void setUpPlan(AppState &state, int year = 2026, const QString &teacher = u"山田　花子"_s) {
    ClassChoice choice;
    choice.year = year;
    choice.gradeText = u"3"_s;
    choice.classText = u"1"_s;
    choice.teacherText = teacher;
    subGetClass(state, choice, [] { return YearChangeAnswer::Yes; });
    subGetHoliday(state, VacationDays{});
    const auto fill = [&](ZuriWeekTotal &week, WeekCredits &credits, int shift) {
        int weekday = 0;
        for (ZuriDayTime *d = week.objFirstDay.get(); d; d = d->objNextDay.get(), ++weekday)
            d->strSubject = timetableSubjects(weekday + shift);
        for (int i = 0; i < 6; ++i)
            credits[i] = fncStdCredit(state.intGrade, i);
        subApplyWeekCredits(week, credits);
    };
    fill(*state.objWeekPlanA, state.strWeekCreditA, 0);
    fill(*state.objWeekPlanB, state.strWeekCreditB, 1);
    state.boolDaySelected = 0;
}

// A harness whose plan is dropped before the windows close, so that closing them at the end of
// a test asks nothing.
struct MainFixture {
    explicit MainFixture(const QDate &today = QDate(2026, 4, 8)) : h(today) {}
    ~MainFixture() { h.state.intYear = 0; }
    UiHarness h;
};

// The main window on the harness's state, the wizard's first activation already past.
inline frmMain *openMain(UiHarness &h) {
    h.state.boolFirstActivate = kFalse;
    // The plan was set up without the pages' notices: the document takes it as it stands.
    h.document.takeStateAsOpened();
    frmMain *main = h.windows.open<frmMain>();
    main->activated();
    return main;
}

// The palette button of a subject.
inline SubjectButton *paletteButton(QWidget *main, const QString &subject) {
    for (auto *b : main->findChildren<SubjectButton *>())
        if (b->objectName().startsWith(u"cmdSubject_"_s) && b->subjectName() == subject)
            return b;
    return nullptr;
}

// The cell index of a weekday column (0 Monday) and period.
constexpr int cellIndex(int day, int period) {
    return day * 8 + period;
}

} // namespace mirune::ui::test
