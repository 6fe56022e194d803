// A year begun as a teacher begins it: the program starts, the wizard's pages follow one another
// from the first page to the annual plan, and the main window records on the plan they left.

#include "main_test_support.h"
#include "model/day_record.h"
#include "model/hours_summary.h"
#include "ui/common/control_array.h"
#include "ui/common/subject_button.h"
#include "ui/main/week_grid.h"
#include "ui/wizard/frm_wiz0.h"
#include "ui/wizard/frm_wiz2.h"
#include "ui/wizard/frm_wiz3.h"
#include "ui/wizard/frm_wiz4.h"
#include "ui/wizard/frm_wiz5.h"

#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardPaths>

using namespace mirune;
using namespace mirune::ui;
using namespace mirune::ui::test;
using namespace Qt::StringLiterals;

namespace {

// Waits for the page of a kind to be the one open and active.
template <class W> QPointer<W> pageNow(UiHarness &h) {
    QPointer<W> page = h.windows.find<W>();
    if (page && !QTest::qWaitForWindowActive(page.data()))
        return nullptr;
    return page;
}

} // namespace

class NewPlanTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { initUiTestCase(); }
    // A new plan's recovery copy left by an earlier run would be offered to this one's.
    void init() {
        QDir(QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation))
            .removeRecursively();
    }

    void newPlanThroughTheWizardThenRecording() {
        MainFixture f;
        UiHarness &h = f.h;
        QCOMPARE(h.state.boolFirstActivate, kTrue);
        frmMain *main = h.windows.open<frmMain>();
        main->activated(); // the first activation opens the wizard's first page, once drawn
        QVERIFY(!h.windows.find<frmWiz0>());
        QTRY_VERIFY(h.windows.find<frmWiz0>());

        QPointer<frmWiz0> wiz0 = pageNow<frmWiz0>(h);
        QVERIFY(wiz0);
        MIRUNE_FIND(next0, QPushButton, wiz0, u"cmdWiz0Next"_s);
        MIRUNE_CLICK(next0);
        QTRY_VERIFY(wiz0.isNull());

        // Class page: school year 2026, grade 3, class 1.
        QPointer<frmWiz2> wiz2 = pageNow<frmWiz2>(h);
        QVERIFY(wiz2);
        MIRUNE_FIND(year, QComboBox, wiz2, u"cboWiz1Year"_s);
        MIRUNE_FIND(grade, QComboBox, wiz2, u"cboWiz1Class_0"_s);
        MIRUNE_FIND(klass, QComboBox, wiz2, u"cboWiz1Class_1"_s);
        MIRUNE_FIND(teacher, QLineEdit, wiz2, u"txtWiz1Teacher"_s);
        year->setCurrentIndex(2026 - 2002);
        emit year->activated(2026 - 2002);
        grade->setEditText(u"3"_s);
        klass->setEditText(u"1"_s);
        teacher->setText(u"山田　花子"_s);
        MIRUNE_FIND(next2, QPushButton, wiz2, u"cmdWiz2Next"_s);
        MIRUNE_CLICK(next2);
        QTRY_VERIFY(wiz2.isNull());
        QCOMPARE(h.state.intYear, qint16(2026));
        QCOMPARE(h.state.intGrade, qint16(3));

        // Holiday calendar, then timetable A: 国語 on Wednesday's period 2.
        QPointer<frmWiz3> wiz3 = pageNow<frmWiz3>(h);
        QVERIFY(wiz3);
        MIRUNE_FIND(next3, QPushButton, wiz3, u"cmdWiz3Next"_s);
        MIRUNE_CLICK(next3);
        QTRY_VERIFY(wiz3.isNull());
        QPointer<frmWiz5> wiz5 = pageNow<frmWiz5>(h);
        QVERIFY(wiz5);
        const int kokugo = codeIndex(timetablePaletteOrder(), u'国');
        MIRUNE_FIND(palette, QAbstractButton, wiz5, controlName(u"cmdWiz5Subject"_s, kokugo));
        MIRUNE_CLICK(palette);
        MIRUNE_FIND(wednesday2, SubjectButton, wiz5, controlName(u"cmdWiz5WeekPlan"_s, 2 * 8 + 2));
        MIRUNE_CLICK(wednesday2);
        QCOMPARE(wednesday2->subjectName(), u"国語"_s);

        // On to timetable B, then to the plan page: ten lesson hours of 国語 in the first term.
        MIRUNE_FIND(next5, QPushButton, wiz5, u"cmdWiz5Next"_s);
        MIRUNE_CLICK(next5);
        QCOMPARE(wiz5->editedTimetable(), TimetableChoice::B);
        MIRUNE_CLICK(next5);
        QTRY_VERIFY(wiz5.isNull());
        QPointer<frmWiz4> wiz4 = pageNow<frmWiz4>(h);
        QVERIFY(wiz4);
        MIRUNE_FIND(firstTerm, QLineEdit, wiz4, controlName(u"txtWiz4YearPlan"_s, 0));
        firstTerm->setFocus();
        firstTerm->setText(u"10"_s);
        MIRUNE_FIND(finish, QPushButton, wiz4, u"cmdWiz4Cancel"_s);
        MIRUNE_CLICK(finish);
        QTRY_VERIFY(wiz4.isNull());

        // The main window records Wednesday 8 April as timetable A has it.
        // Offscreen, a window does not become active again when another closes: activate it as
        // the desktop would.
        main->activated();
        main->showWeekOf(QDate(2026, 4, 8));
        WeekGrid *grid = main->weekGrid();
        QCOMPARE(grid->cell(cellIndex(2, 2))->subjectName(), u"国語"_s);
        MIRUNE_CLICK(grid->registerButton(2));
        QVERIFY(h.state.objFirstDay->searchDay(QDate(2026, 4, 8)));
        const ZuriDayTime *recorded = h.state.objFirstDay->objNextDay.get();
        QVERIFY(recorded && recorded->dateThisDay == QDate(2026, 4, 8));
        QCOMPARE(recorded->strSubject.at(2), QChar(u'国'));
        QCOMPARE(recorded->strCredit, fncStdCredit(3, 2));

        // One 45-minute lesson against a plan of ten hours.
        const HoursSummary summary = fncHoursSummary(h.state, 1);
        const HoursSummaryRow &kokugoRow = summary.rows[0];
        QCOMPARE(kokugoRow.field, HourField::kokugo);
        QCOMPARE(kokugoRow.termPlan, 30);
        QCOMPARE(kokugoRow.termActual, 3);
        QCOMPARE(kokugoRow.termDifference, -27);
        MIRUNE_VERIFY_DIALOGS(h.dialogs);
    }
};

QTEST_MAIN(NewPlanTest)
#include "new_plan_test.moc"
