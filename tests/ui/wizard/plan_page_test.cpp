// The annual lesson plan page: its boxes, their checks, the key moves between them, the totals,
// the year grid with its coloured differences, and the way in and out of the page.
#include "model/class_settings.h"
#include "model/day_record.h"
#include "model/hour_fields.h"
#include "model/school_day.h"
#include "model/term_split.h"
#include "model/units.h"
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
#include <QUndoStack>

using namespace mirune;
using namespace mirune::ui;
using namespace mirune::ui::test;
using namespace Qt::StringLiterals;

namespace {

using F = HourField;

const QColor kRed(255, 0, 0);
const QColor kBlue(0, 0, 255);
const QColor kBlack(0, 0, 0);

// The plan page's row of a field.
int rowOf(HourField field) {
    for (int row = 0; row < kPlanRows; ++row)
        if (planRowField(row) == field)
            return row;
    return -1;
}
const int kKurabu = rowOf(F::kurabu);
const int kUchikiri = rowOf(F::uchikiri);
const int kYobi = rowOf(F::yobi); // the last row

// A class of a year and grade with the class page's holidays, as the wizard leaves it before
// the plan page.
void setUpClass(AppState &state, int year, int grade) {
    ClassChoice choice;
    choice.year = year;
    choice.gradeText = QString::number(grade);
    choice.classText = u"1"_s;
    subGetClass(state, choice, [] { return YearChangeAnswer::Yes; });
    subGetHoliday(state, VacationDays{});
}

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
    bool rowShown(int row) const { return box(page, baseName(row))->isVisible(); }
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
        // The rows of a plan without 外国語 and 外国語活動, as they have always been.
        const QStringList expected = {u"　教科"_s, u"　国語"_s, u"　社会"_s, u"　算数"_s,
                                      u"　理科"_s, u"　生活"_s, u"　音楽"_s, u"　図工"_s,
                                      u"　家庭"_s, u"　体育"_s, u"　総合"_s, u"　道徳"_s,
                                      u"　学活"_s, u"　ｸﾗﾌﾞ"_s, u"児童会"_s, u"　行事"_s,
                                      u"　打切"_s, u"　予備"_s, u"　　計"_s};
        QStringList shown;
        for (int i = 0; i <= kPlanRows + 1; ++i) {
            auto *label = p.page->findChild<QLabel *>(u"lblWiz4TableLeft_%1"_s.arg(i));
            QVERIFY(label);
            if (label->isVisible())
                shown << label->text();
        }
        QCOMPARE(shown, expected);
        QCOMPARE(cellText(p.page, u"lblWiz4TableLabel_0"_s), u"基本時数"_s);
        QCOMPARE(cellText(p.page, u"lblWiz4TableLabel_3"_s), u"3学期"_s);
        QCOMPARE(cellText(p.page, u"lblWiz4Comment_0"_s),
                 u"基本時数と学期毎の計画時数を入力してください。"_s);
        QCOMPARE(cellText(p.page, u"lblWiz4Comment_1"_s),
                 u"15分を0.1、30分を0.2、45分を1で記入してください。　（例） 32.1 "
                 u"は45分×32＋15分の意味です。"_s);

        QCOMPARE(unnamedControls(p.page), QStringList());
        QCOMPARE(box(p.page, baseName(0))->accessibleName(), u"国語 基本時数"_s);
        QCOMPARE(box(p.page, termName(kKurabu, 1))->accessibleName(), u"ｸﾗﾌﾞ 2学期"_s);
        QCOMPARE(box(p.page, termName(kYobi, 2))->accessibleName(), u"予備 3学期"_s);
        QCOMPARE(box(p.page, baseName(0))->maxLength(), 6);
        QVERIFY(box(p.page, baseName(0))->alignment() & Qt::AlignRight);
        QVERIFY(!box(p.page, baseName(0))->testAttribute(Qt::WA_InputMethodEnabled));
    }

    // 外国語 and 外国語活動 have rows where the year's curriculum gives the grade hours of them
    // or the plan uses them; the standard hours of the year and grade stand beside the base
    // hours, and the row headings make room for the longest heading shown.
    void rowsFollowTheCurriculum_data() {
        QTest::addColumn<int>("year"); // 0: no class set up
        QTest::addColumn<int>("grade");
        QTest::addColumn<QString>("figure"); // a plan field holding 1 hour
        QTest::addColumn<bool>("foreign");   // 外国語
        QTest::addColumn<bool>("activity");  // 外国語活動
        QTest::addColumn<QString>("kokugo"); // its standard hours, empty for no column
        QTest::addColumn<QString>("total");
        QTest::newRow("no class") << 0 << 0 << QString() << false << false << QString()
                                  << QString();
        QTest::newRow("2004 grade 5: neither")
            << 2004 << 5 << QString() << false << false << u"180.0"_s << u"945.0"_s;
        QTest::newRow("2004 grade 5 with a figure of 外国語")
            << 2004 << 5 << u"gaikokugo"_s << true << false << u"180.0"_s << u"945.0"_s;
        QTest::newRow("2004 grade 3 with a figure of 外国語活動")
            << 2004 << 3 << u"gaikokugokatsudou"_s << false << true << u"235.0"_s << u"910.0"_s;
        QTest::newRow("2013 grade 5: 外国語活動")
            << 2013 << 5 << QString() << false << true << u"175.0"_s << u"980.0"_s;
        QTest::newRow("2026 grade 1: neither")
            << 2026 << 1 << QString() << false << false << u"306.0"_s << u"850.0"_s;
        QTest::newRow("2026 grade 3: 外国語活動")
            << 2026 << 3 << QString() << false << true << u"245.0"_s << u"980.0"_s;
        QTest::newRow("2026 grade 6: 外国語")
            << 2026 << 6 << QString() << true << false << u"175.0"_s << u"1015.0"_s;
    }
    void rowsFollowTheCurriculum() {
        QFETCH(int, year);
        QFETCH(int, grade);
        QFETCH(QString, figure);
        QFETCH(bool, foreign);
        QFETCH(bool, activity);
        QFETCH(QString, kokugo);
        QFETCH(QString, total);
        PlanPage p;
        if (year != 0)
            setUpClass(p.h.state, year, grade);
        if (!figure.isEmpty()) {
            const int row =
                figure == u"gaikokugo"_s ? rowOf(F::gaikokugo) : rowOf(F::gaikokugokatsudou);
            p.h.state.objYearPlan->hours[planRowField(row)] = 3;
        }
        QVERIFY(p.open());
        for (int row = 0; row < kPlanRows; ++row) {
            const F field = planRowField(row);
            const bool shown = field == F::gaikokugo           ? foreign
                               : field == F::gaikokugokatsudou ? activity
                                                               : true;
            QCOMPARE(p.rowShown(row), shown);
            for (const QString &name : {termName(row, 0), termName(row, 2), gridName(row + 1, 0),
                                        u"lblWiz4TableLeft_%1"_s.arg(row + 1)})
                QCOMPARE(p.page->findChild<QWidget *>(name)->isVisible(), shown);
        }
        const bool table = !kokugo.isEmpty();
        MIRUNE_FIND(heading, QLabel, p.page, u"lblWiz4StandardHeading"_s);
        QCOMPARE(heading->isVisible(), table);
        QCOMPARE(heading->text(), u"標準時数"_s);
        MIRUNE_FIND(fill, QPushButton, p.page, u"cmdWiz4Standard"_s);
        QCOMPARE(fill->isVisible(), table);
        QCOMPARE(fill->text(), u"標準時数を入れる"_s);
        MIRUNE_FIND(split, QPushButton, p.page, u"cmdWiz4Split"_s);
        QVERIFY(split->isVisible());
        QCOMPARE(split->text(), u"学期に配分"_s);
        if (table) {
            QCOMPARE(cellText(p.page, u"lblWiz4Standard_0"_s), kokugo);
            QCOMPARE(cellText(p.page, u"lblWiz4StandardSum"_s), total);
            // 打切 and 予備 are no lessons: no standard hours for them.
            QCOMPARE(cellText(p.page, u"lblWiz4Standard_%1"_s.arg(kYobi)), QString());
            QCOMPARE(box(p.page, baseName(0))->accessibleDescription(),
                     u"標準時数 %1　年間 0.0　増減 0.0"_s.arg(kokugo));
        }
        if (year == 2026 && grade == 6)
            QCOMPARE(cellText(p.page, u"lblWiz4Standard_%1"_s.arg(rowOf(F::gaikokugo))), u"70.0"_s);
        // The headings stand right-aligned in a column wide enough for the longest shown.
        const int activityRow = rowOf(F::gaikokugokatsudou);
        QCOMPARE(cellText(p.page, u"lblWiz4TableLeft_1"_s),
                 activity ? u"　　　国語"_s : u"　国語"_s);
        QCOMPARE(cellText(p.page, u"lblWiz4TableLeft_%1"_s.arg(activityRow + 1)), u"外国語活動"_s);
        QCOMPARE(cellText(p.page, u"lblWiz4TableLeft_%1"_s.arg(kPlanRows + 1)),
                 activity ? u"　　　　計"_s : u"　　計"_s);
        if (activity) {
            auto *label =
                p.page->findChild<QLabel *>(u"lblWiz4TableLeft_%1"_s.arg(activityRow + 1));
            QVERIFY(label->width() >= label->fontMetrics().horizontalAdvance(label->text()));
        }
        QCOMPARE(unnamedControls(p.page), QStringList());
    }

    // The rows follow the plan while the page is open: a class of another year, a day
    // recorded with 外国語活動.
    void rowsFollowChangesElsewhere() {
        PlanPage p;
        setUpClass(p.h.state, 2004, 5);
        QVERIFY(p.open());
        const int activity = rowOf(F::gaikokugokatsudou);
        QVERIFY(!p.rowShown(activity));
        p.h.state.intYear = 2013;
        p.h.tell(PlanChange::Class);
        QVERIFY(p.rowShown(activity));
        QCOMPARE(cellText(p.page, u"lblWiz4Standard_%1"_s.arg(activity)), u"35.0"_s);
        p.h.state.intYear = 2004;
        p.h.tell(PlanChange::Class);
        QVERIFY(!p.rowShown(activity));
        p.h.state.objFirstDay->appendDay(
            makeRegisteredDay(QDate(2004, 4, 12), u"外　　　　　　　"_s, u"33333333"_s));
        p.h.tell(PlanChange::Days, {QDate(2004, 4, 12)});
        QVERIFY(p.rowShown(activity));
    }

    // 標準時数を入れる fills the base column from the standard hours of the year and grade,
    // asking first when the base column already holds figures (a typed one too); the term
    // plans stay as they were.
    void fillingTheStandardHours_data() {
        QTest::addColumn<QString>("typed"); // typed into 国語's base box first, empty for none
        QTest::addColumn<bool>("asked");
        QTest::addColumn<int>("answer"); // Dialogs::Answer when asked
        QTest::addColumn<QString>("kokugo");
        QTest::newRow("empty plan: filled without a question")
            << QString() << false << 0 << u"175.0"_s;
        QTest::newRow("figures there, yes: replaced")
            << u"100"_s << true << int(Dialogs::Answer::Yes) << u"175.0"_s;
        QTest::newRow("figures there, no: kept")
            << u"100"_s << true << int(Dialogs::Answer::No) << u"100"_s;
        QTest::newRow("figures there, question closed: kept")
            << u"100.1"_s << true << int(Dialogs::Answer::Cancel) << u"100.1"_s;
    }
    void fillingTheStandardHours() {
        QFETCH(QString, typed);
        QFETCH(bool, asked);
        QFETCH(int, answer);
        QFETCH(QString, kokugo);
        PlanPage p;
        setUpClass(p.h.state, 2026, 5);
        p.h.state.objSeasonPlan->terms()[0]->hours[F::rika] = 30;
        QVERIFY(p.open());
        QCOMPARE(cellText(p.page, u"lblWiz4BaseSum"_s), u"0.0"_s);
        if (!typed.isEmpty())
            typeInto(box(p.page, baseName(0)), typed); // left without Enter: the click stores
        if (asked)
            p.h.dialogs.expectMessage(u"2026年度 5年の標準時数で置き換えますか"_s,
                                      Dialogs::Answer(answer));
        QSignalSpy changes(&p.h.document, &ClassDocument::changed);
        MIRUNE_FIND(fill, QPushButton, p.page, u"cmdWiz4Standard"_s);
        MIRUNE_CLICK(fill);
        MIRUNE_VERIFY_DIALOGS(p.h.dialogs);
        QCOMPARE(box(p.page, baseName(0))->text(), kokugo);
        const bool filled = !asked || Dialogs::Answer(answer) == Dialogs::Answer::Yes;
        const int typedUnits = fncTextToUnits(typed).value_or(0);
        QCOMPARE(box(p.page, baseName(rowOf(F::gaikokugo)))->text(), filled ? u"70.0"_s : u"0.0"_s);
        QCOMPARE(cellText(p.page, u"lblWiz4BaseSum"_s),
                 filled ? u"1015.0"_s : fncUnitsToText(typedUnits));
        QCOMPARE(int(p.h.state.objYearPlan->hours[F::gaikokugo]), filled ? 210 : 0);
        QCOMPARE(int(p.h.state.objYearPlan->hours[F::SouJisuu]), filled ? 3045 : typedUnits);
        QVERIFY(changes.count() >= (filled ? 1 : 0));
        // The term plans are the teacher's: untouched.
        QCOMPARE(box(p.page, termName(rowOf(F::rika), 0))->text(), u"10.0"_s);
        QCOMPARE(int(p.h.state.objSeasonPlan->terms()[0]->hours[F::rika]), 30);
    }

    // 学期に配分 spreads each row's base hours over the terms by their school days and shows
    // them with the totals; it asks before it replaces term figures already there.
    void splittingOverTheTerms_data() {
        QTest::addColumn<bool>("termFigures");
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("split");
        QTest::newRow("terms empty: split without a question") << false << 0 << true;
        QTest::newRow("terms planned, yes: replaced") << true << int(Dialogs::Answer::Yes) << true;
        QTest::newRow("terms planned, no: kept") << true << int(Dialogs::Answer::No) << false;
    }
    void splittingOverTheTerms() {
        QFETCH(bool, termFigures);
        QFETCH(int, answer);
        QFETCH(bool, split);
        PlanPage p;
        setUpClass(p.h.state, 2026, 3);
        // A small plan with awkward figures: 国語 a unit more than a multiple of three, 外国語活動
        // one unit, 予備 none.
        p.h.state.objYearPlan->hours[F::kokugo] = 100;
        p.h.state.objYearPlan->hours[F::gaikokugokatsudou] = 1;
        p.h.state.objYearPlan->hours[F::sannsuu] = 105;
        p.h.state.objYearPlan->hours.deriveTotals();
        if (termFigures)
            p.h.state.objSeasonPlan->terms()[2]->hours[F::yobi] = 6;
        QVERIFY(p.open());
        if (termFigures)
            p.h.dialogs.expectMessage(u"学期に配分して置き換えますか"_s, Dialogs::Answer(answer));
        MIRUNE_FIND(button, QPushButton, p.page, u"cmdWiz4Split"_s);
        MIRUNE_CLICK(button);
        MIRUNE_VERIFY_DIALOGS(p.h.dialogs);

        const auto days = fncCountSchoolDays(p.h.state);
        QVERIFY(days[0] > 0 && days[1] > 0 && days[2] > 0);
        std::array<int, 3> termSums{};
        for (F field : {F::kokugo, F::gaikokugokatsudou, F::sannsuu}) {
            const int row = rowOf(field);
            const int base = p.h.state.objYearPlan->hours[field];
            const auto shares = fncSplitOverTerms(base, {days[0], days[1], days[2]});
            int sum = 0;
            for (int term = 0; term < kPlanTerms; ++term) {
                const int shown = split ? shares[term] : 0;
                QCOMPARE(box(p.page, termName(row, term))->text(), fncUnitsToText(shown));
                QCOMPARE(int(p.h.state.objSeasonPlan->terms()[term]->hours[field]), shown);
                sum += shown;
                termSums[term] += shown;
            }
            // The year sum of the terms is the base exactly: no difference left.
            if (split) {
                QCOMPARE(sum, base);
                QCOMPARE(cellText(p.page, gridName(row + 1, 1)), u"0.0"_s);
            }
        }
        QCOMPARE(box(p.page, termName(kYobi, 2))->text(),
                 split || !termFigures ? u"0.0"_s : u"2.0"_s);
        if (split)
            for (int term = 0; term < kPlanTerms; ++term)
                QCOMPARE(cellText(p.page, u"lblWiz4Sum_%1"_s.arg(term)),
                         fncUnitsToText(termSums[term]));
        if (split)
            QCOMPARE(cellText(p.page, gridName(kPlanRows + 1, 1)), u"0.0"_s);
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
        QTest::addColumn<int>("grade"); // of a class of 2026; 0 for no class
        QTest::newRow("up from row 0 term 2")
            << termName(0, 1) << int(Qt::Key_Up) << termName(kYobi, 1) << 0;
        QTest::newRow("down from the last row term 2")
            << termName(kYobi, 1) << int(Qt::Key_Down) << termName(0, 1) << 0;
        QTest::newRow("down within a term")
            << termName(3, 2) << int(Qt::Key_Down) << termName(4, 2) << 0;
        QTest::newRow("left from the first term box")
            << termName(0, 0) << int(Qt::Key_Left) << termName(kYobi, 2) << 0;
        QTest::newRow("right across rows")
            << termName(4, 2) << int(Qt::Key_Right) << termName(5, 0) << 0;
        QTest::newRow("enter from the last term box")
            << termName(kYobi, 2) << int(Qt::Key_Return) << termName(0, 0) << 0;
        QTest::newRow("right from the last base box")
            << baseName(kYobi) << int(Qt::Key_Right) << baseName(0) << 0;
        QTest::newRow("up from the first base box")
            << baseName(0) << int(Qt::Key_Up) << baseName(kYobi) << 0;
        QTest::newRow("down in the base column")
            << baseName(7) << int(Qt::Key_Down) << baseName(8) << 0;
        QTest::newRow("left in the base column")
            << baseName(7) << int(Qt::Key_Left) << baseName(6) << 0;
        QTest::newRow("keypad enter") << baseName(3) << int(Qt::Key_Enter) << baseName(4) << 0;
        // The rows a plan does not show are passed over, in both columns and both ways.
        const int taiiku = rowOf(F::taiiku);
        const int sougou = rowOf(F::sougou);
        const int doutoku = rowOf(F::doutoku);
        const int gakkatsu = rowOf(F::gakkyuukatsudou);
        QTest::newRow("down from 体育 over 外国語")
            << termName(taiiku, 1) << int(Qt::Key_Down) << termName(sougou, 1) << 0;
        QTest::newRow("up from 総合 over 外国語")
            << baseName(sougou) << int(Qt::Key_Up) << baseName(taiiku) << 0;
        QTest::newRow("right from 体育's last term over 外国語")
            << termName(taiiku, 2) << int(Qt::Key_Right) << termName(sougou, 0) << 0;
        QTest::newRow("enter from 道徳 over 外国語活動")
            << baseName(doutoku) << int(Qt::Key_Return) << baseName(gakkatsu) << 0;
        QTest::newRow("grade 3: down from 体育 over 外国語 only")
            << termName(taiiku, 0) << int(Qt::Key_Down) << termName(sougou, 0) << 3;
        QTest::newRow("grade 3: down from 道徳 into 外国語活動")
            << baseName(doutoku) << int(Qt::Key_Down) << baseName(rowOf(F::gaikokugokatsudou)) << 3;
        QTest::newRow("grade 6: down from 体育 into 外国語")
            << baseName(taiiku) << int(Qt::Key_Down) << baseName(rowOf(F::gaikokugo)) << 6;
        QTest::newRow("grade 6: left from 学活 over 外国語活動")
            << termName(gakkatsu, 0) << int(Qt::Key_Left) << termName(doutoku, 2) << 6;
    }
    void keysMoveBetweenBoxes() {
        QFETCH(QString, from);
        QFETCH(int, key);
        QFETCH(QString, to);
        QFETCH(int, grade);
        PlanPage p;
        if (grade != 0)
            setUpClass(p.h.state, 2026, grade);
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
        typeInto(box(p.page, baseName(kUchikiri)), u"1"_s);
        typeInto(box(p.page, baseName(kYobi)), u"0.2"_s);
        typeInto(box(p.page, termName(kUchikiri, 0)), u"2"_s);
        typeInto(box(p.page, termName(kYobi, 2)), u"1.1"_s);
        pressEnter();
        QCOMPARE(cellText(p.page, u"lblWiz4BaseSum"_s), u"11.2"_s);
        QCOMPARE(cellText(p.page, u"lblWiz4Sum_0"_s), u"2.0"_s);
        QCOMPARE(cellText(p.page, u"lblWiz4Sum_2"_s), u"1.1"_s);
        QCOMPARE(cellText(p.page, gridName(kPlanRows + 1, 0)), u"3.1"_s);
        QCOMPARE(cellText(p.page, gridName(kPlanRows + 1, 1)), u"-8.1"_s);
        QCOMPARE(cellColour(p.page, kPlanRows + 1), kRed);
        QCOMPARE(cellText(p.page, gridName(kUchikiri + 1, 1)), u"1.0"_s);
        QCOMPARE(cellColour(p.page, kUchikiri + 1), kBlue);
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
        // As a file is read: each record's totals derived, the year summed from the terms.
        p.h.state.objYearPlan->hours.deriveTotals();
        p.h.state.objSeasonPlan->terms()[1]->hours.deriveTotals();
        p.h.state.objSeasonPlan->calculate();
        QVERIFY(p.open());
        QCOMPARE(box(p.page, baseName(3))->text(), u"32.1"_s);
        QCOMPARE(box(p.page, termName(3, 1))->text(), u"16.0"_s);
        QCOMPARE(cellText(p.page, gridName(4, 1)), u"-16.1"_s);

        // Typed into one box: one step, whatever was passed through on the way.
        typeInto(box(p.page, termName(3, 0)), u"16.1"_s);
        pressEnter();
        QCOMPARE(p.h.document.undoStack()->count(), 1);
        QCOMPARE(p.h.document.undoStack()->undoText(), u"年間授業計画 理科 1学期"_s);
        pressEnter(); // nothing new
        QCOMPARE(p.h.document.undoStack()->count(), 1);

        // A plan changed elsewhere (a file opened) is shown at once.
        p.h.state.objYearPlan->hours[F::rika] = 3;
        p.h.tell(PlanChange::Plans);
        QCOMPARE(box(p.page, baseName(3))->text(), u"1.0"_s);
        QCOMPARE(cellText(p.page, gridName(4, 1)), u"31.1"_s);
    }

    // A click into a box that has not the focus selects its whole text, wherever it lands, so
    // that the typing replaces the value; a second click into the same box places the cursor.
    void clickIntoABoxSelectsItsText_data() {
        QTest::addColumn<int>("where"); // -1 left end, 0 middle, 1 right of the text
        QTest::newRow("on the left") << -1;
        QTest::newRow("in the middle") << 0;
        QTest::newRow("right of the text") << 1;
    }
    void clickIntoABoxSelectsItsText() {
        QFETCH(int, where);
        PlanPage p;
        QVERIFY(p.open());
        QLineEdit *target = box(p.page, termName(0, 0));
        QCOMPARE(target->text(), u"0.0"_s);
        box(p.page, baseName(0))->setFocus(Qt::TabFocusReason);
        QVERIFY(!target->hasFocus());
        const QRect r = target->rect();
        const QPoint at = where < 0    ? QPoint(r.left() + 3, r.center().y())
                          : where == 0 ? r.center()
                                       : QPoint(r.right() - 3, r.center().y());
        QTest::mouseClick(target, Qt::LeftButton, {}, at);
        QVERIFY(target->hasFocus());
        QCOMPARE(target->selectedText(), u"0.0"_s);
        QTest::keyClicks(target, u"100"_s);
        pressEnter();
        QCOMPARE(target->text(), u"100"_s);
        QCOMPARE(int(p.h.state.objSeasonPlan->terms()[0]->hours[F::kokugo]), 300);
        // In the box with the focus a click places the cursor as usual.
        target->setFocus(Qt::TabFocusReason);
        QTest::mouseClick(target, Qt::LeftButton, {}, QPoint(r.right() - 3, r.center().y()));
        QVERIFY(!target->hasSelectedText());
        MIRUNE_VERIFY_DIALOGS(p.h.dialogs);
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
        typeInto(box(p.page, termName(rowOf(F::sougou), 1)), u"12"_s);
        MIRUNE_FIND(before, QPushButton, p.page, u"cmdWiz4Before"_s);
        QCOMPARE(before->text(), u"前へ"_s);
        MIRUNE_CLICK(before);
        QTRY_VERIFY(page.isNull());
        auto *timetable = p.h.windows.find<frmWiz5>();
        QVERIFY(timetable && timetable->isVisible());
        QCOMPARE(timetable->editedTimetable(), TimetableChoice::B);
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
