// The annual lesson plan page: its boxes, their checks, the key moves between them, the totals,
// the year grid with its coloured differences, and the way in and out of the page.
#include "model/hour_fields.h"
#include "model/year_plan_entry.h"
#include "support/ui_test_support.h"
#include "ui/wizard/frm_wiz4.h"
#include "ui/wizard/frm_wiz5.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

using namespace mirune;
using namespace mirune::ui;
using namespace mirune::ui::test;
using namespace Qt::StringLiterals;

namespace {

using F = HourField;

const QColor kRed(255, 0, 0);
const QColor kBlue(0, 0, 255);
const QColor kBlack(0, 0, 0);

QString baseName(int row) {
    return u"txtWiz4YearBase_%1"_s.arg(row);
}
QString termName(int row, int term) {
    return u"txtWiz4YearPlan_%1"_s.arg(planTermBox(row, term));
}
QString gridName(int row, int column) {
    return u"gridWiz4YearSum_%1_%2"_s.arg(row).arg(column);
}

QLineEdit *box(QWidget *page, const QString &name) {
    return page->findChild<QLineEdit *>(name);
}
QString cellText(QWidget *page, const QString &name) {
    const auto *label = page->findChild<QLabel *>(name);
    return label ? label->text() : u"<missing %1>"_s.arg(name);
}
QColor cellColour(QWidget *page, int row) {
    return page->findChild<QLabel *>(gridName(row, 1))->palette().color(QPalette::WindowText);
}

// Types a text into a box as the keyboard does: the box is entered first, which selects its
// whole text, so the typing replaces it.
void typeInto(QLineEdit *target, const QString &text) {
    target->setFocus(Qt::TabFocusReason);
    target->selectAll(); // also when the box had the focus already
    QTest::keyClicks(target, text);
}

// Leaves the box that has the focus for the next one, which stores and totals the page.
void pressEnter() {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
}

// The page, open and active, with the harness's state.
struct PlanPage {
    UiHarness h;
    frmWiz4 *page = nullptr;

    bool open() {
        page = h.windows.open<frmWiz4>();
        return QTest::qWaitForWindowActive(page);
    }
};

} // namespace

class PlanPageTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { initUiTestCase(); }

    void newPlanShowsZerosInBlack() {
        PlanPage p;
        QVERIFY(p.open());
        QCOMPARE(p.page->windowTitle(), u"学級計画・授業計画ウィザード"_s);
        MIRUNE_FIND(frame, QGroupBox, p.page, u"fraWiz4YearPlan"_s);
        QCOMPARE(frame->title(), u"年間授業計画"_s);
        for (int row = 0; row < kPlanRows; ++row) {
            QCOMPARE(box(p.page, baseName(row))->text(), u"0.0"_s);
            for (int term = 0; term < kPlanTerms; ++term)
                QCOMPARE(box(p.page, termName(row, term))->text(), u"0.0"_s);
        }
        QCOMPARE(cellText(p.page, u"lblWiz4BaseSum"_s), u"0.0"_s);
        for (int term = 0; term < kPlanTerms; ++term)
            QCOMPARE(cellText(p.page, u"lblWiz4Sum_%1"_s.arg(term)), u"0.0"_s);
        QCOMPARE(cellText(p.page, gridName(0, 0)), u"年間"_s);
        QCOMPARE(cellText(p.page, gridName(0, 1)), u"増減"_s);
        for (int row = 1; row <= kPlanRows + 1; ++row) {
            QCOMPARE(cellText(p.page, gridName(row, 0)), u"0.0"_s);
            QCOMPARE(cellText(p.page, gridName(row, 1)), u"0.0"_s);
            QCOMPARE(cellColour(p.page, row), kBlack);
        }
        QVERIFY(!p.page->findChild<QLabel *>(u"lblWiz4Held"_s)->isVisible());
        QVERIFY(!p.page->findChild<QPushButton *>(u"cmdWiz4Next"_s));
    }

    void rowsAndColumnsAreLabelled() {
        PlanPage p;
        QVERIFY(p.open());
        const QStringList expected = {u"　教科"_s, u"　国語"_s, u"　社会"_s, u"　算数"_s,
                                      u"　理科"_s, u"　生活"_s, u"　音楽"_s, u"　図工"_s,
                                      u"　家庭"_s, u"　体育"_s, u"　総合"_s, u"　道徳"_s,
                                      u"　学活"_s, u"　ｸﾗﾌﾞ"_s, u"児童会"_s, u"　行事"_s,
                                      u"　打切"_s, u"　予備"_s, u"　　計"_s};
        for (int i = 0; i < expected.size(); ++i)
            QCOMPARE(cellText(p.page, u"lblWiz4TableLeft_%1"_s.arg(i)), expected[i]);
        QCOMPARE(cellText(p.page, u"lblWiz4TableLabel_0"_s), u"基本時数"_s);
        QCOMPARE(cellText(p.page, u"lblWiz4TableLabel_3"_s), u"3学期"_s);
        QCOMPARE(cellText(p.page, u"lblWiz4Comment_0"_s),
                 u"基本時数と学期毎の計画時数を入力してください。"_s);
        QCOMPARE(cellText(p.page, u"lblWiz4Comment_1"_s),
                 u"15分を0.1、30分を0.2、45分を1で記入してください。　（例） 32.1 "
                 u"は45分×32＋15分の意味です。"_s);

        QCOMPARE(unnamedControls(p.page), QStringList());
        QCOMPARE(box(p.page, baseName(0))->accessibleName(), u"国語 基本時数"_s);
        QCOMPARE(box(p.page, termName(12, 1))->accessibleName(), u"ｸﾗﾌﾞ 2学期"_s);
        QCOMPARE(box(p.page, termName(16, 2))->accessibleName(), u"予備 3学期"_s);
        QCOMPARE(box(p.page, baseName(0))->maxLength(), 6);
        QVERIFY(box(p.page, baseName(0))->alignment() & Qt::AlignRight);
        QVERIFY(!box(p.page, baseName(0))->testAttribute(Qt::WA_InputMethodEnabled));
    }

    // 国語 with base 272 and terms 100, 100 and 72, then one change after another.
    void yearGridFollowsTheBoxes_data() {
        QTest::addColumn<QString>("boxName");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("yearSum");
        QTest::addColumn<QString>("difference");
        QTest::addColumn<QColor>("colour");
        QTest::newRow("as planned") << QString() << QString() << u"272.0"_s << u"0.0"_s << kBlack;
        QTest::newRow("term 1 a quarter more")
            << termName(0, 0) << u"100.1"_s << u"272.1"_s << u"0.1"_s << kBlue;
        QTest::newRow("base an hour more")
            << baseName(0) << u"273"_s << u"272.0"_s << u"-1.0"_s << kRed;
        QTest::newRow("term 3 two quarters less")
            << termName(0, 2) << u"71.1"_s << u"271.1"_s << u"-0.2"_s << kRed;
    }
    void yearGridFollowsTheBoxes() {
        QFETCH(QString, boxName);
        QFETCH(QString, text);
        QFETCH(QString, yearSum);
        QFETCH(QString, difference);
        QFETCH(QColor, colour);
        PlanPage p;
        QVERIFY(p.open());
        typeInto(box(p.page, baseName(0)), u"272"_s);
        typeInto(box(p.page, termName(0, 0)), u"100"_s);
        typeInto(box(p.page, termName(0, 1)), u"100"_s);
        typeInto(box(p.page, termName(0, 2)), u"72"_s);
        if (!boxName.isEmpty())
            typeInto(box(p.page, boxName), text);
        pressEnter();
        QCOMPARE(cellText(p.page, gridName(1, 0)), yearSum);
        QCOMPARE(cellText(p.page, gridName(1, 1)), difference);
        QCOMPARE(cellColour(p.page, 1), colour);
        // The total row says the same, as only 国語 is planned.
        QCOMPARE(cellText(p.page, gridName(kPlanRows + 1, 1)), difference);
        QCOMPARE(cellColour(p.page, kPlanRows + 1), colour);
        QCOMPARE(box(p.page, baseName(0))->accessibleDescription(),
                 u"年間 %1　増減 %2"_s.arg(yearSum, difference));
    }

    void boxesAreCheckedWhenStored_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("kept");
        QTest::addColumn<int>("units");
        QTest::newRow("hours and a quarter") << u"32.1"_s << u"32.1"_s << 97;
        QTest::newRow("whole hours") << u"32"_s << u"32"_s << 96;
        QTest::newRow("three quarters") << u"32.3"_s << u"0"_s << 0;
        QTest::newRow("bare point") << u"32."_s << u"0"_s << 0;
        QTest::newRow("point first") << u".5"_s << u"0"_s << 0;
        QTest::newRow("two digits after the point") << u"32.10"_s << u"0"_s << 0;
        QTest::newRow("letter") << u"3a"_s << u"0"_s << 0;
        QTest::newRow("nothing") << QString() << u"0"_s << 0;
        QTest::newRow("past the hour count") << u"10923"_s << u"0"_s << 0;
        QTest::newRow("largest whole hours") << u"10922"_s << u"10922"_s << 32766;
    }
    void boxesAreCheckedWhenStored() {
        QFETCH(QString, text);
        QFETCH(QString, kept);
        QFETCH(int, units);
        PlanPage p;
        QVERIFY(p.open());
        // A pasted text gets past the keys; the check catches it when the page is stored.
        QLineEdit *base = box(p.page, baseName(2));
        QLineEdit *term = box(p.page, termName(2, 1));
        base->setText(text);
        term->setText(text);
        box(p.page, baseName(0))->setFocus();
        box(p.page, baseName(1))->setFocus();
        QCOMPARE(base->text(), kept);
        QCOMPARE(term->text(), kept);
        QCOMPARE(int(p.h.state.objYearPlan->hours[F::sannsuu]), units);
        QCOMPARE(int(p.h.state.objSeasonPlan->terms()[1]->hours[F::sannsuu]), units);
    }

    void keysMoveBetweenBoxes_data() {
        QTest::addColumn<QString>("from");
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("to");
        QTest::newRow("up from row 0 term 2")
            << termName(0, 1) << int(Qt::Key_Up) << termName(16, 1);
        QTest::newRow("down from row 16 term 2")
            << termName(16, 1) << int(Qt::Key_Down) << termName(0, 1);
        QTest::newRow("down within a term")
            << termName(3, 2) << int(Qt::Key_Down) << termName(4, 2);
        QTest::newRow("left from the first term box")
            << termName(0, 0) << int(Qt::Key_Left) << termName(16, 2);
        QTest::newRow("right across rows")
            << termName(4, 2) << int(Qt::Key_Right) << termName(5, 0);
        QTest::newRow("enter from the last term box")
            << termName(16, 2) << int(Qt::Key_Return) << termName(0, 0);
        QTest::newRow("right from the last base box")
            << baseName(16) << int(Qt::Key_Right) << baseName(0);
        QTest::newRow("up from the first base box")
            << baseName(0) << int(Qt::Key_Up) << baseName(16);
        QTest::newRow("down in the base column") << baseName(7) << int(Qt::Key_Down) << baseName(8);
        QTest::newRow("left in the base column") << baseName(7) << int(Qt::Key_Left) << baseName(6);
        QTest::newRow("keypad enter") << baseName(3) << int(Qt::Key_Enter) << baseName(4);
    }
    void keysMoveBetweenBoxes() {
        QFETCH(QString, from);
        QFETCH(int, key);
        QFETCH(QString, to);
        PlanPage p;
        QVERIFY(p.open());
        QLineEdit *source = box(p.page, from);
        QLineEdit *target = box(p.page, to);
        target->setText(u"5"_s);
        source->setFocus();
        QTest::keyClick(source, Qt::Key(key));
        QCOMPARE(QApplication::focusWidget(), target);
        // The box that is entered has its whole text selected and the page stored.
        QCOMPARE(target->selectedText(), u"5"_s);
        QCOMPARE(cellText(p.page, u"gridWiz4YearSum_%1_0"_s.arg(kPlanRows + 1)),
                 target->objectName().startsWith(u"txtWiz4YearBase"_s) ? u"0.0"_s : u"5.0"_s);
    }

    void otherKeysClearTheBox_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("after");
        QTest::addColumn<QString>("stored");
        QTest::newRow("digit types") << int(Qt::Key_7) << u"327"_s << u"327"_s;
        QTest::newRow("point types") << int(Qt::Key_Period) << u"32."_s << u"0"_s;
        QTest::newRow("backspace empties") << int(Qt::Key_Backspace) << QString() << u"0"_s;
        QTest::newRow("delete leaves 0") << int(Qt::Key_Delete) << u"0"_s << u"0"_s;
        QTest::newRow("home leaves 0") << int(Qt::Key_Home) << u"0"_s << u"0"_s;
        QTest::newRow("letter after 0") << int(Qt::Key_A) << u"0a"_s << u"0"_s;
        QTest::newRow("minus after 0") << int(Qt::Key_Minus) << u"0-"_s << u"0"_s;
        // Moving on with Tab, or holding Shift for Shift+Tab, keeps what was typed.
        QTest::newRow("shift keeps") << int(Qt::Key_Shift) << u"32"_s << u"32"_s;
        QTest::newRow("tab keeps") << int(Qt::Key_Tab) << u"32"_s << u"32"_s;
    }
    void otherKeysClearTheBox() {
        QFETCH(int, key);
        QFETCH(QString, after);
        QFETCH(QString, stored);
        PlanPage p;
        QVERIFY(p.open());
        QLineEdit *target = box(p.page, termName(5, 1));
        typeInto(target, u"32"_s);
        QTest::keyClick(target, Qt::Key(key));
        QCOMPARE(target->text(), after);
        target->setFocus();
        pressEnter();
        QCOMPARE(target->text(), stored);
        QCOMPARE(int(p.h.state.objSeasonPlan->terms()[1]->hours[F::onngaku]), stored.toInt() * 3);
    }

    void totalRowCountsCutOffAndReserve() {
        PlanPage p;
        QVERIFY(p.open());
        typeInto(box(p.page, baseName(0)), u"10"_s);
        typeInto(box(p.page, baseName(15)), u"1"_s);   // 打切
        typeInto(box(p.page, baseName(16)), u"0.2"_s); // 予備
        typeInto(box(p.page, termName(15, 0)), u"2"_s);
        typeInto(box(p.page, termName(16, 2)), u"1.1"_s);
        pressEnter();
        QCOMPARE(cellText(p.page, u"lblWiz4BaseSum"_s), u"11.2"_s);
        QCOMPARE(cellText(p.page, u"lblWiz4Sum_0"_s), u"2.0"_s);
        QCOMPARE(cellText(p.page, u"lblWiz4Sum_2"_s), u"1.1"_s);
        QCOMPARE(cellText(p.page, gridName(kPlanRows + 1, 0)), u"3.1"_s);
        QCOMPARE(cellText(p.page, gridName(kPlanRows + 1, 1)), u"-8.1"_s);
        QCOMPARE(cellColour(p.page, kPlanRows + 1), kRed);
        QCOMPARE(cellText(p.page, gridName(16, 1)), u"1.0"_s);
        QCOMPARE(cellColour(p.page, 16), kBlue);
        QCOMPARE(int(p.h.state.objSeasonPlan->hours[F::SouJisuu]), 10);
    }

    // Each box fits the hour count, but their sums may not: they stand at the limit, marked,
    // and the page says so.
    void sumsPastTheLimitAreMarked() {
        PlanPage p;
        QVERIFY(p.open());
        for (int term = 0; term < kPlanTerms; ++term)
            typeInto(box(p.page, termName(0, term)), u"5000"_s);
        pressEnter();
        auto *notice = p.page->findChild<QLabel *>(u"lblWiz4Held"_s);
        QVERIFY(notice->isVisible());
        QVERIFY(notice->text().contains(u"上限"_s));
        QCOMPARE(cellText(p.page, gridName(1, 0)), u"※10922.1"_s);
        QCOMPARE(cellText(p.page, gridName(1, 1)), u"※10922.1"_s);
        QCOMPARE(cellText(p.page, u"lblWiz4Sum_0"_s), u"5000.0"_s);
        QCOMPARE(int(p.h.state.objSeasonPlan->hours[F::kokugo]), 32767);

        typeInto(box(p.page, termName(0, 2)), u"0"_s);
        pressEnter();
        QVERIFY(!notice->isVisible());
        QCOMPARE(cellText(p.page, gridName(1, 0)), u"10000.0"_s);
    }

    void storedPlanIsShownAndOthersHearOfChanges() {
        PlanPage p;
        p.h.state.objYearPlan->hours[F::rika] = 97;
        p.h.state.objSeasonPlan->terms()[1]->hours[F::rika] = 48;
        QVERIFY(p.open());
        QCOMPARE(box(p.page, baseName(3))->text(), u"32.1"_s);
        QCOMPARE(box(p.page, termName(3, 1))->text(), u"16.0"_s);
        QCOMPARE(cellText(p.page, gridName(4, 1)), u"-16.1"_s);

        QSignalSpy changes(&p.h.events, &StateEvents::plansChanged);
        typeInto(box(p.page, termName(3, 0)), u"16.1"_s);
        pressEnter();
        QCOMPARE(changes.count(), 1);
        pressEnter(); // nothing new
        QCOMPARE(changes.count(), 1);

        // A plan changed elsewhere (a file opened) is shown at once.
        p.h.state.objYearPlan->hours[F::rika] = 3;
        emit p.h.events.plansChanged();
        QCOMPARE(box(p.page, baseName(3))->text(), u"1.0"_s);
        QCOMPARE(cellText(p.page, gridName(4, 1)), u"31.1"_s);
    }

    // What was typed last is kept however the page is left, also without moving to a box.
    void typedValueIsKeptOnLeaving() {
        PlanPage p;
        QVERIFY(p.open());
        QPointer<frmWiz4> page = p.page;
        typeInto(box(p.page, baseName(5)), u"70"_s);
        MIRUNE_FIND(cancel, QPushButton, p.page, u"cmdWiz4Cancel"_s);
        QCOMPARE(cancel->text(), u"設定の終了"_s);
        MIRUNE_CLICK(cancel);
        QTRY_VERIFY(page.isNull());
        QCOMPARE(int(p.h.state.objYearPlan->hours[F::onngaku]), 210);
        MIRUNE_VERIFY_DIALOGS(p.h.dialogs);
    }

    void beforeGoesToTimetableB() {
        PlanPage p;
        QVERIFY(p.open());
        QPointer<frmWiz4> page = p.page;
        typeInto(box(p.page, termName(9, 1)), u"12"_s);
        MIRUNE_FIND(before, QPushButton, p.page, u"cmdWiz4Before"_s);
        QCOMPARE(before->text(), u"前へ"_s);
        MIRUNE_CLICK(before);
        QTRY_VERIFY(page.isNull());
        QCOMPARE(p.h.state.intEditWeek, kFalse);
        auto *timetable = p.h.windows.find<frmWiz5>();
        QVERIFY(timetable && timetable->isVisible());
        MIRUNE_FIND(frame, QGroupBox, timetable, u"fraWiz5WeekPlan"_s);
        QCOMPARE(frame->title(), u"週間授業表B"_s);
        QCOMPARE(int(p.h.state.objSeasonPlan->terms()[1]->hours[F::sougou]), 36);
    }

    // The whole page with the keyboard alone: a row typed box by box, then out through a
    // button.
    void wholePageWithTheKeyboard() {
        PlanPage p;
        QVERIFY(p.open());
        QPointer<frmWiz4> page = p.page;
        box(p.page, baseName(0))->setFocus();
        auto type = [](const QString &text) {
            QTest::keyClicks(QApplication::focusWidget(), text);
        };
        type(u"272"_s);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        for (const QString &term : {u"100"_s, u"100"_s, u"72"_s}) {
            type(term);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        }
        // Three Returns from term 1 of row 0 lead to term 1 of row 1.
        QCOMPARE(QApplication::focusWidget(), box(p.page, termName(1, 0)));
        QCOMPARE(cellText(p.page, gridName(1, 0)), u"272.0"_s);
        QCOMPARE(cellText(p.page, gridName(1, 1)), u"0.0"_s);

        // Tab through the rest of the boxes to the buttons.
        QWidget *focus = QApplication::focusWidget();
        for (int i = 0; i < 200 && focus->objectName() != u"cmdWiz4Cancel"_s; ++i) {
            QTest::keyClick(focus, Qt::Key_Tab);
            focus = QApplication::focusWidget();
        }
        QCOMPARE(focus->objectName(), u"cmdWiz4Cancel"_s);
        QTest::keyClick(focus, Qt::Key_Space);
        QTRY_VERIFY(page.isNull());
        QCOMPARE(int(p.h.state.objSeasonPlan->hours[F::kokugo]), 816);
        QCOMPARE(int(p.h.state.objYearPlan->hours[F::kokugo]), 816);
    }
};

QTEST_MAIN(PlanPageTest)
#include "plan_page_test.moc"
