// The weekly timetable page: grade defaults, the time chooser, the palette, the subject cells,
// the weekly hours, and the passage from timetable A to B and on.
#include "model/hour_fields.h"
#include "model/units.h"
#include "model/week_view.h"
#include "storage/data_file.h"
#include "support/ui_test_support.h"
#include "ui/common/subject_button.h"
#include "ui/wizard/frm_wiz3.h"
#include "ui/wizard/frm_wiz4.h"
#include "ui/wizard/frm_wiz5.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>
#include <QUndoStack>

using namespace mirune;
using namespace mirune::ui;
using namespace mirune::ui::test;
using namespace Qt::StringLiterals;

namespace {

using F = HourField;

constexpr int cell(int day, int period) {
    return day * 8 + period;
}

// The page for timetable A or B of a class of the given grade, open and active.
struct TimetablePage {
    UiHarness h;
    frmWiz5 *page = nullptr;

    bool open(int grade = 3, bool a = true) {
        h.state.intYear = 2026;
        h.state.intGrade = qint16(grade);
        page = h.windows.open<frmWiz5>([a](frmWiz5 *opened) {
            opened->editTimetable(a ? TimetableChoice::A : TimetableChoice::B);
        });
        return QTest::qWaitForWindowActive(page);
    }
    QToolButton *timeCell(int i) const {
        return page->findChild<QToolButton *>(u"labWiz5WeekCredit_%1"_s.arg(i));
    }
    SubjectButton *subjectCell(int i) const {
        return page->findChild<SubjectButton *>(u"cmdWiz5WeekPlan_%1"_s.arg(i));
    }
    SubjectButton *paletteButton(int i) const {
        return page->findChild<SubjectButton *>(u"cmdWiz5Subject_%1"_s.arg(i));
    }
    QString weekTime(int i) const {
        return page->findChild<QLabel *>(u"lblWiz5WeekTime_%1"_s.arg(i))->text();
    }
    QComboBox *chooser() const { return page->findChild<QComboBox *>(u"cboWiz5Time"_s); }
    QGroupBox *frame(const QString &name) const { return page->findChild<QGroupBox *>(name); }
    ZuriDayTime &day(int weekday, bool a = true) const {
        ZuriDayTime *d = (a ? h.state.objWeekPlanA : h.state.objWeekPlanB)->objFirstDay.get();
        for (int i = 0; i < weekday; ++i)
            d = d->objNextDay.get();
        return *d;
    }
    // Sets the length of a period through the time chooser, as a user does.
    void chooseTime(int i, int code) {
        QTest::mouseClick(timeCell(i), Qt::LeftButton);
        QComboBox *combo = chooser();
        combo->setCurrentIndex(code);
        emit combo->activated(code);
    }
    void pickSubject(int paletteIndex) {
        QTest::mouseClick(paletteButton(paletteIndex), Qt::LeftButton);
    }
    // The place of a subject in the palette as shown, -1 when it is not offered.
    int paletteIndexOf(const QString &name) const {
        for (int i = 0; paletteButton(i); ++i)
            if (paletteButton(i)->isVisible() && paletteButton(i)->subjectName() == name)
                return i;
        return -1;
    }
};

} // namespace

class TimetablePageTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { initUiTestCase(); }

    void gradeDefaultsFillAnEmptyTimetable_data() {
        QTest::addColumn<int>("grade");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("grade 3") << 3 << QStringList{u"13333200"_s, u"13333300"_s, u"13333300"_s,
                                                     u"13333300"_s, u"13333300"_s, u"13300000"_s};
        QTest::newRow("grade 6") << 6 << QStringList{u"13333300"_s, u"13333310"_s, u"13333300"_s,
                                                     u"13333300"_s, u"13333310"_s, u"13300000"_s};
        QTest::newRow("grade 1") << 1 << QStringList{u"13333200"_s, u"13333000"_s, u"13333300"_s,
                                                     u"13333000"_s, u"13333000"_s, u"13300000"_s};
    }
    void gradeDefaultsFillAnEmptyTimetable() {
        QFETCH(int, grade);
        QFETCH(QStringList, expected);
        TimetablePage p;
        QVERIFY(p.open(grade));
        for (int weekday = 0; weekday < 6; ++weekday) {
            QCOMPARE(p.h.state.strWeekCreditA[weekday], expected[weekday]);
            QCOMPARE(p.day(weekday).strCredit, expected[weekday]);
        }
        QVERIFY(p.h.state.strWeekCreditB[0].isEmpty());
        const QStringList texts = {u"なし"_s, u"１５分"_s, u"３０分"_s, u"４５分"_s, u"６０分"_s};
        for (int d = 0; d < 5; ++d)
            for (int period = 0; period < 8; ++period) {
                const int code = expected[d][period].digitValue();
                QCOMPARE(p.timeCell(cell(d, period))->text(), texts[code]);
                QCOMPARE(p.subjectCell(cell(d, period))->isVisible(), code != 0);
            }
        QVERIFY(!p.chooser()->isVisible());
        QCOMPARE(p.page->chooserCell(), -1);
        // One step of 元に戻す: taken back, the timetable is not set up again.
        QCOMPARE(p.h.document.undoStack()->undoText(), u"時間割A 学年の標準の時間"_s);
        QCOMPARE(QApplication::focusWidget()->objectName(), u"cmdWiz5Next"_s);
    }

    // Without a grade there are no lengths to take: the timetable stays as it is, not set up,
    // and the page shows every period without length.
    void noGradeLeavesEveryPeriodEmpty() {
        TimetablePage p;
        QVERIFY(p.open(0));
        for (int d = 0; d < 6; ++d)
            QVERIFY(p.h.state.strWeekCreditA[d].isEmpty());
        QCOMPARE(p.h.document.undoStack()->count(), 0);
        for (int i = 0; i < frmWiz5::kCells; ++i)
            QCOMPARE(p.timeCell(i)->text(), u"なし"_s);
        for (int i = 0; i < frmWiz5::kCells; ++i)
            QVERIFY(!p.subjectCell(i)->isVisible());
    }

    void framesSayWhichTimetable_data() {
        QTest::addColumn<bool>("a");
        QTest::addColumn<QString>("creditCaption");
        QTest::addColumn<QString>("planCaption");
        QTest::addColumn<QColor>("colour");
        QTest::newRow("A") << true << u"週間時間表A　（通常使う時間割を指定してください）"_s
                           << u"週間授業表A"_s << QColor(0, 0, 255);
        QTest::newRow("B") << false << u"週間時間表B　（補助に使う時間割を指定してください）"_s
                           << u"週間授業表B"_s << QColor(255, 0, 0);
    }
    void framesSayWhichTimetable() {
        QFETCH(bool, a);
        QFETCH(QString, creditCaption);
        QFETCH(QString, planCaption);
        QFETCH(QColor, colour);
        TimetablePage p;
        QVERIFY(p.open(3, a));
        QCOMPARE(p.frame(u"fraWiz5WeekCredit"_s)->title(), creditCaption);
        QCOMPARE(p.frame(u"fraWiz5WeekPlan"_s)->title(), planCaption);
        for (const QString &name : {u"fraWiz5WeekCredit"_s, u"fraWiz5WeekPlan"_s})
            QCOMPARE(p.frame(name)->palette().color(QPalette::WindowText), colour);
        // Only the captions take the colour.
        for (const QString &name : {u"lblWiz5NoteCredit"_s, u"lblWiz5Note"_s, u"lblWiz5Time_0"_s})
            QCOMPARE(p.page->findChild<QLabel *>(name)->palette().color(QPalette::WindowText),
                     p.page->palette().color(QPalette::WindowText));
        QCOMPARE(p.chooser()->palette().color(QPalette::Text),
                 p.page->palette().color(QPalette::Text));
        QCOMPARE(p.frame(u"fraWiz5Palette"_s)->title(), u"教科パレット"_s);
        QCOMPARE(p.page->windowTitle(), u"学級計画・授業計画ウィザード"_s);
    }

    // The palette offers 外国語 and 外国語活動 where the year's curriculum gives the grade
    // hours of them or the plan uses them, in their places and without gaps; everywhere else
    // it is the palette of thirteen it always was.
    void paletteFollowsTheTimetableOrder_data() {
        QTest::addColumn<int>("year");
        QTest::addColumn<int>("grade");
        QTest::addColumn<QString>("used"); // a code put into Monday's first period
        QTest::addColumn<QString>("codes");
        const QString old = u"総国社算理生音図家体道学ク"_s;
        QTest::newRow("2004 grade 5: neither") << 2004 << 5 << QString() << old;
        QTest::newRow("2026 grade 1: neither") << 2026 << 1 << QString() << old;
        QTest::newRow("2013 grade 5: 外国語活動")
            << 2013 << 5 << QString() << u"総国社算理生音図家体道外学ク"_s;
        QTest::newRow("2026 grade 3: 外国語活動")
            << 2026 << 3 << QString() << u"総国社算理生音図家体道外学ク"_s;
        QTest::newRow("2026 grade 6: 外国語")
            << 2026 << 6 << QString() << u"総国社算理生音図家体英道学ク"_s;
        QTest::newRow("2004 grade 5 with 英 in the timetable")
            << 2004 << 5 << u"英"_s << u"総国社算理生音図家体英道学ク"_s;
        QTest::newRow("2026 grade 6 with 外 in the timetable")
            << 2026 << 6 << u"外"_s << u"総国社算理生音図家体英道外学ク"_s;
    }
    void paletteFollowsTheTimetableOrder() {
        QFETCH(int, year);
        QFETCH(int, grade);
        QFETCH(QString, used);
        QFETCH(QString, codes);
        TimetablePage p;
        if (!used.isEmpty())
            p.day(0).strSubject = used + u"　　　　　　　"_s;
        p.h.state.intYear = qint16(year);
        p.h.state.intGrade = qint16(grade);
        p.page = p.h.windows.open<frmWiz5>();
        QVERIFY(QTest::qWaitForWindowActive(p.page));
        for (int i = 0; i < codes.size(); ++i) {
            QVERIFY(p.paletteButton(i)->isVisible());
            QCOMPARE(p.paletteButton(i)->text(), fncSubjectFullName(codes[i]));
            QVERIFY(!p.paletteButton(i)->icon().isNull());
            QVERIFY(p.page->findChild<QLabel *>(u"lblWiz5WeekTime_%1"_s.arg(i))->isVisible());
        }
        for (int i = int(codes.size()); p.paletteButton(i); ++i) {
            QVERIFY(!p.paletteButton(i)->isVisible());
            QVERIFY(!p.page->findChild<QLabel *>(u"lblWiz5WeekTime_%1"_s.arg(i))->isVisible());
        }
        QVERIFY(!p.paletteButton(int(timetablePaletteOrder().size())));
        QCOMPARE(p.weekTime(1), u"国語　　0.0 時間"_s);
        QCOMPARE(p.weekTime(int(codes.size()) - 1), u"クラブ　0.0 時間"_s);
        // The long name stands short beside its hours, so that they keep in line.
        if (const int k = int(codes.indexOf(u'外')); k >= 0)
            QCOMPARE(p.weekTime(k).left(4), u"外活　　"_s);
        if (const int k = int(codes.indexOf(u'英')); k >= 0)
            QCOMPARE(p.weekTime(k).left(4), u"外国語　"_s);
        QCOMPARE(unnamedControls(p.page), QStringList());
    }

    // A plan figure typed on the plan page brings the row into an open palette at once, the
    // subject in hand staying in hand.
    void paletteFollowsThePlan() {
        TimetablePage p;
        QVERIFY(p.open(5, true));
        p.h.state.intYear = 2004;
        p.h.tell(PlanChange::Class);
        QCOMPARE(p.paletteIndexOf(u"外国語"_s), -1);
        p.pickSubject(p.paletteIndexOf(u"道徳"_s));
        p.h.state.objYearPlan->hours[F::gaikokugo] = 3;
        p.h.tell(PlanChange::Plans);
        QCOMPARE(p.paletteIndexOf(u"外国語"_s), 10);
        QCOMPARE(p.paletteIndexOf(u"道徳"_s), 11);
        QCOMPARE(p.page->selectedSubject(), u'道');
        QVERIFY(p.paletteButton(11)->isChecked());
        QVERIFY(!p.paletteButton(10)->isChecked());
    }

    void choosingATime_data() {
        QTest::addColumn<int>("target");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("credit");
        QTest::addColumn<bool>("shown");
        QTest::addColumn<QString>("kokugoHours");
        // Grade 3, Tuesday "13333300" with 国語 in period 6 and in period 1.
        QTest::newRow("45 minutes for Tuesday period 6")
            << cell(1, 6) << 3 << u"13333330"_s << true << u"2.0"_s;
        QTest::newRow("60 minutes for it") << cell(1, 6) << 4 << u"13333340"_s << true << u"2.1"_s;
        QTest::newRow("none for Tuesday period 1")
            << cell(1, 1) << 0 << u"10333300"_s << false << u"0.0"_s;
        QTest::newRow("15 minutes for period 1")
            << cell(1, 1) << 1 << u"11333300"_s << true << u"0.1"_s;
    }
    void choosingATime() {
        QFETCH(int, target);
        QFETCH(int, code);
        QFETCH(QString, credit);
        QFETCH(bool, shown);
        QFETCH(QString, kokugoHours);
        TimetablePage p;
        p.day(1).strSubject = u"　国　　　　国　"_s;
        QVERIFY(p.open(3));
        QCOMPARE(p.weekTime(1), u"国語　　1.0 時間"_s);

        QTest::mouseClick(p.timeCell(target), Qt::LeftButton);
        QComboBox *combo = p.chooser();
        QVERIFY(combo->isVisible());
        QCOMPARE(combo->geometry().topLeft(), p.timeCell(target)->geometry().topLeft());
        QCOMPARE(combo->currentText(), p.timeCell(target)->text());
        QCOMPARE(p.page->chooserCell(), target);
        QCOMPARE(QApplication::focusWidget(), combo);
        QStringList items;
        for (int i = 0; i < combo->count(); ++i)
            items.append(combo->itemText(i));
        QCOMPARE(items,
                 QStringList({u"なし"_s, u"１５分"_s, u"３０分"_s, u"４５分"_s, u"６０分"_s}));

        combo->setCurrentIndex(code);
        emit combo->activated(code);
        QCOMPARE(p.h.state.strWeekCreditA[1], credit);
        QCOMPARE(p.day(1).strCredit, credit);
        QCOMPARE(p.subjectCell(target)->isVisible(), shown);
        // The subject stays in the timetable when its period has no length.
        QCOMPARE(p.day(1).strSubject, u"　国　　　　国　"_s);
        QCOMPARE(p.weekTime(1), u"国語　　%1 時間"_s.arg(kokugoHours));
        QCOMPARE(p.timeCell(target)->text(), items[code]);
    }

    void clickingSubjectCells_data() {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("pickedName"); // the palette subject, empty for none
        QTest::addColumn<QString>("after");
        QTest::newRow("empty cell with 国語") << QString() << u"国語"_s << u"国語"_s;
        QTest::newRow("国語 again with 国語") << u"国語"_s << u"国語"_s << QString();
        QTest::newRow("国語 with 算数") << u"国語"_s << u"算数"_s << u"算数"_s;
        QTest::newRow("filled cell with nothing picked") << u"体育"_s << QString() << QString();
        QTest::newRow("empty cell with nothing picked") << QString() << QString() << QString();
        QTest::newRow("クラブ") << QString() << u"クラブ"_s << u"クラブ"_s;
        QTest::newRow("外国語活動") << QString() << u"外国語活動"_s << u"外国語活動"_s;
        QTest::newRow("外国語活動 with 道徳") << u"外国語活動"_s << u"道徳"_s << u"道徳"_s;
    }
    void clickingSubjectCells() {
        QFETCH(QString, before);
        QFETCH(QString, pickedName);
        QFETCH(QString, after);
        TimetablePage p;
        const QString code = before.isEmpty() ? u"　"_s : fncSubjectToCode(before);
        p.day(0).strSubject = u"　　　"_s + code + u"　　　　"_s;
        QVERIFY(p.open(3));
        const int picked = pickedName.isEmpty() ? -1 : p.paletteIndexOf(pickedName);
        QVERIFY(pickedName.isEmpty() || picked >= 0);
        SubjectButton *target = p.subjectCell(cell(0, 3));
        QCOMPARE(target->subjectName(), before);
        if (picked >= 0)
            p.pickSubject(picked);
        QCOMPARE(p.page->selectedSubject(),
                 picked >= 0 ? p.paletteButton(picked)->code() : QChar());
        MIRUNE_CLICK(target);
        QCOMPARE(target->subjectName(), after);
        const QString stored = after.isEmpty() ? u"　"_s : fncSubjectToCode(after);
        QCOMPARE(p.day(0).strSubject, u"　　　"_s + stored + u"　　　　"_s);
        QCOMPARE(target->accessibleName(),
                 u"月曜 3時限 "_s + (after.isEmpty() ? u"空き"_s : after));
        // A name too long for the cell stands short in it.
        QCOMPARE(target->text(), after == u"外国語活動"_s ? u"外活"_s : after);
        // Monday period 3 is 45 minutes long in grade 3.
        if (!after.isEmpty()) {
            const int palette = p.paletteIndexOf(after);
            // Beside its hours a name longer than three characters stands short.
            const QString name = after.size() > 3 ? u"外活"_s : after;
            QCOMPARE(p.weekTime(palette), name.leftJustified(4, QChar(0x3000)) + u"1.0 時間"_s);
        }
    }

    void paletteSelectionAndPointer() {
        TimetablePage p;
        QVERIFY(p.open());
        auto *plan = p.frame(u"fraWiz5WeekPlan"_s);
        QCOMPARE(plan->cursor().shape(), Qt::ArrowCursor);
        p.pickSubject(4);
        QCOMPARE(p.page->selectedSubject(), u'理');
        QVERIFY(p.paletteButton(4)->isChecked());
        QCOMPARE(plan->cursor().shape(), Qt::BitmapCursor);
        p.pickSubject(2);
        QVERIFY(!p.paletteButton(4)->isChecked());
        QVERIFY(p.paletteButton(2)->isChecked());
        // A click beside the cells puts the subject down.
        QTest::mouseClick(plan, Qt::LeftButton, {}, QPoint(2, plan->height() - 2));
        QVERIFY(p.page->selectedSubject().isNull());
        QVERIFY(!p.paletteButton(2)->isChecked());
        QCOMPARE(plan->cursor().shape(), Qt::ArrowCursor);
    }

    void cellsAreNamedForScreenReaders() {
        TimetablePage p;
        p.day(0).strSubject = u"　　　国　　　　"_s;
        QVERIFY(p.open(3));
        QCOMPARE(p.subjectCell(cell(0, 3))->accessibleName(), u"月曜 3時限 国語"_s);
        QCOMPARE(p.subjectCell(cell(0, 2))->accessibleName(), u"月曜 2時限 空き"_s);
        p.chooseTime(cell(1, 6), 3);
        QCOMPARE(p.timeCell(cell(1, 6))->accessibleName(), u"火曜 6時限 ４５分"_s);
        QCOMPARE(p.timeCell(cell(4, 0))->accessibleName(), u"金曜 0時限 １５分"_s);
        QCOMPARE(unnamedControls(p.page), QStringList());
    }

    void nextAndBeforeSwitchTimetables() {
        TimetablePage p;
        QVERIFY(p.open(3));
        QPointer<frmWiz5> page = p.page;
        p.pickSubject(1);
        MIRUNE_CLICK(p.subjectCell(cell(2, 1)));
        QCOMPARE(p.day(2).strSubject, u"　国　　　　　　"_s);

        MIRUNE_FIND(next, QPushButton, p.page, u"cmdWiz5Next"_s);
        QCOMPARE(next->text(), u"次へ"_s);
        MIRUNE_CLICK(next);
        QCOMPARE(p.page->editedTimetable(), TimetableChoice::B);
        QCOMPARE(p.frame(u"fraWiz5WeekPlan"_s)->title(), u"週間授業表B"_s);
        // B starts from the grade's defaults too, with no subject, and the palette subject is
        // still in hand.
        QCOMPARE(p.h.state.strWeekCreditB[1], u"13333300"_s);
        QCOMPARE(p.subjectCell(cell(2, 1))->subjectName(), QString());
        QCOMPARE(p.page->selectedSubject(), u'国');
        MIRUNE_CLICK(p.subjectCell(cell(0, 0)));
        QCOMPARE(p.day(0, false).strSubject, u"国　　　　　　　"_s);
        QCOMPARE(p.day(0).strSubject, QString());

        MIRUNE_FIND(before, QPushButton, p.page, u"cmdWiz5Before"_s);
        QCOMPARE(before->text(), u"前へ"_s);
        MIRUNE_CLICK(before);
        QCOMPARE(p.page->editedTimetable(), TimetableChoice::A);
        QCOMPARE(p.frame(u"fraWiz5WeekPlan"_s)->title(), u"週間授業表A"_s);
        QCOMPARE(p.subjectCell(cell(2, 1))->subjectName(), u"国語"_s);

        // Before on A goes back to the holiday calendar; Next twice reaches the plan page.
        MIRUNE_CLICK(before);
        QTRY_VERIFY(page.isNull());
        QVERIFY(p.h.windows.find<frmWiz3>());
        MIRUNE_VERIFY_DIALOGS(p.h.dialogs);
    }

    void nextOnBGoesToThePlanPage() {
        TimetablePage p;
        QVERIFY(p.open(3, false));
        QPointer<frmWiz5> page = p.page;
        MIRUNE_CLICK(p.page->findChild<QPushButton *>(u"cmdWiz5Next"_s));
        QTRY_VERIFY(page.isNull());
        QVERIFY(p.h.windows.find<frmWiz4>());
    }

    // Every change was stored as it was made: 設定の終了 closes the page, storing nothing more.
    void cancelCloses() {
        TimetablePage p;
        QVERIFY(p.open(3));
        QPointer<frmWiz5> page = p.page;
        p.chooseTime(cell(4, 7), 2);
        const QByteArray made = encodeDataFile(p.h.state).bytes;
        QSignalSpy changes(&p.h.document, &ClassDocument::changed);
        MIRUNE_FIND(cancel, QPushButton, p.page, u"cmdWiz5Cancel"_s);
        QCOMPARE(cancel->text(), u"設定の終了"_s);
        MIRUNE_CLICK(cancel);
        QTRY_VERIFY(page.isNull());
        QCOMPARE(changes.count(), 0);
        QCOMPARE(p.h.state.strWeekCreditA[4], u"13333302"_s);
        QCOMPARE(encodeDataFile(p.h.state).bytes, made);
    }

    // A hidden cell shows its own timetable's subject: rebuilding a weekday keeps the subject
    // of a period without length, and timetable A's subjects never slip into B.
    void hiddenCellsKeepTheirOwnSubject() {
        TimetablePage p;
        p.h.state.strWeekCreditA = {u"33333333"_s, u"33333333"_s, u"33333333"_s,
                                    u"33333333"_s, u"33333333"_s, u"00000000"_s};
        p.h.state.strWeekCreditB = {u"33333330"_s, u"33333333"_s, u"33333333"_s,
                                    u"33333333"_s, u"33333333"_s, u"00000000"_s};
        p.day(0).strSubject = u"　　　　　　　算"_s;
        p.day(0, false).strSubject = u"　　　　　　　理"_s;
        QVERIFY(p.open(3, true));
        MIRUNE_CLICK(p.page->findChild<QPushButton *>(u"cmdWiz5Next"_s));
        QVERIFY(!p.subjectCell(cell(0, 7))->isVisible());
        p.pickSubject(1);
        MIRUNE_CLICK(p.subjectCell(cell(0, 0)));
        QCOMPARE(p.day(0, false).strSubject, u"国　　　　　　理"_s);
        QCOMPARE(p.day(0).strSubject, u"　　　　　　　算"_s);
    }

    // A code the palette does not offer, from a data file, is shown by its subject's name and
    // kept when its weekday is rebuilt; a character that is no subject at all is kept as well.
    void codesOutsideThePaletteAreKept() {
        TimetablePage p;
        p.day(3).strSubject = u"児行切予X　　　"_s;
        QVERIFY(p.open(6));
        QCOMPARE(p.subjectCell(cell(3, 0))->subjectName(), u"児童会"_s);
        QCOMPARE(p.subjectCell(cell(3, 2))->subjectName(), u"打切り"_s);
        QCOMPARE(p.subjectCell(cell(3, 3))->subjectName(), u"予備"_s);
        QCOMPARE(p.subjectCell(cell(3, 4))->subjectName(), u"X"_s);
        p.pickSubject(0);
        MIRUNE_CLICK(p.subjectCell(cell(3, 5)));
        QCOMPARE(p.day(3).strSubject, u"児行切予X総　　"_s);
    }

    // The whole page with the keyboard alone: a length chosen, a subject picked and placed,
    // the subject put down, and on to timetable B.
    void wholePageWithTheKeyboard() {
        TimetablePage p;
        QVERIFY(p.open(3));
        auto key = [](Qt::Key k) { QTest::keyClick(QApplication::focusWidget(), k); };
        auto focusName = [] { return QApplication::focusWidget()->objectName(); };
        auto tabTo = [&](const QString &name) {
            for (int i = 0; i < 300 && focusName() != name; ++i)
                key(Qt::Key_Tab);
            return focusName() == name;
        };
        QVERIFY(tabTo(u"labWiz5WeekCredit_0"_s));
        // Down to period 7 of Monday, right to Tuesday's.
        for (int i = 0; i < 7; ++i)
            key(Qt::Key_Down);
        key(Qt::Key_Right);
        QCOMPARE(focusName(), u"labWiz5WeekCredit_15"_s);
        key(Qt::Key_Space);
        QCOMPARE(focusName(), u"cboWiz5Time"_s);
        key(Qt::Key_Down);
        key(Qt::Key_Down);
        key(Qt::Key_Return);
        QCOMPARE(focusName(), u"labWiz5WeekCredit_15"_s);
        QVERIFY(!p.chooser()->isVisible());
        QCOMPARE(p.h.state.strWeekCreditA[1], u"13333302"_s);

        QVERIFY(tabTo(u"cmdWiz5Subject_3"_s));
        key(Qt::Key_Space);
        QCOMPARE(p.page->selectedSubject(), u'算');
        QVERIFY(tabTo(u"cmdWiz5WeekPlan_0"_s));
        key(Qt::Key_Right);
        key(Qt::Key_Down);
        QCOMPARE(focusName(), u"cmdWiz5WeekPlan_9"_s);
        key(Qt::Key_Space);
        QCOMPARE(p.day(1).strSubject, u"　算　　　　　　"_s);
        QCOMPARE(p.weekTime(3), u"算数　　1.0 時間"_s);
        key(Qt::Key_Escape);
        QVERIFY(p.page->selectedSubject().isNull());

        QVERIFY(tabTo(u"cmdWiz5Next"_s));
        key(Qt::Key_Space);
        QCOMPARE(p.page->editedTimetable(), TimetableChoice::B);
        QCOMPARE(focusName(), u"cmdWiz5Next"_s);
    }
};

QTEST_MAIN(TimetablePageTest)
#include "timetable_page_test.moc"
