// The holiday calendar page: three month rows drawn from the school-day rule with their counts,
// the teacher's holidays added and given back, the refusal for a day with lessons, and the
// table's limit.

#include "class_pages_support.h"
#include "model/school_day.h"
#include "ui/common/month_row.h"
#include "ui/wizard/dlg_result_sorry.h"
#include "ui/wizard/frm_wiz3.h"
#include "ui/wizard/year_and_holiday_names.h"

#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>

using namespace mirune;
using namespace mirune::ui;
using namespace mirune::ui::test;
using namespace Qt::StringLiterals;

namespace {

constexpr int kYear = 2026;
const QDate kWednesdayInJune(2026, 6, 10);

MonthRow *rowOf(QWidget *page, int term) {
    return page->findChild<MonthRow *>(u"mvWiz3Calendar_%1"_s.arg(term));
}

int termOf(const QDate &date) {
    return date.month() >= 4 && date.month() <= 7 ? 0 : date.month() >= 8 ? 1 : 2;
}

MonthView *calendarOf(QWidget *page, const QDate &date) {
    MonthRow *row = rowOf(page, termOf(date));
    return row ? row->calendarFor(date) : nullptr;
}

bool drawnBold(QWidget *page, const QDate &date) {
    return calendarOf(page, date)->isBold(date);
}

QStringList captions(QWidget *page) {
    QStringList texts;
    for (int i = 0; i < 4; ++i)
        texts << page->findChild<QLabel *>(u"lblWiz3NumberOfSchoolDays_%1"_s.arg(i))->text();
    return texts;
}

QStringList captionsOf(const std::array<int, 4> &counts) {
    QStringList texts;
    for (int i = 0; i < 4; ++i)
        texts << fncSchoolDaysCaption(i, counts[i]);
    return texts;
}

// Clicks a day of the page with the mouse.
bool click(QWidget *page, const QDate &date) {
    return clickDate(calendarOf(page, date), date);
}

} // namespace

class HolidayCalendarTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() {
        initUiTestCase();
        QApplication::setQuitOnLastWindowClosed(false);
    }

    void threeRowsShowTheWholeYear() {
        UiHarness h;
        setUpPlan(h.state, kYear);
        QPointer<frmWiz3> page = openPage<frmWiz3>(h);
        QVERIFY(page);
        MIRUNE_FIND(frame, QWidget, page, u"fraWiz3Month"_s);
        const std::array<QStringList, 3> months = {
            QStringList{u"2026年4月"_s, u"2026年5月"_s, u"2026年6月"_s, u"2026年7月"_s},
            QStringList{u"2026年8月"_s, u"2026年9月"_s, u"2026年10月"_s, u"2026年11月"_s,
                        u"2026年12月"_s},
            QStringList{u"2027年1月"_s, u"2027年2月"_s, u"2027年3月"_s}};
        for (int term = 0; term < 3; ++term) {
            MonthRow *row = rowOf(page, term);
            QVERIFY(row && frame->isAncestorOf(row));
            QStringList shown;
            for (MonthView *calendar : row->calendars()) {
                QVERIFY(calendar->isVisible());
                shown << calendar->accessibleName();
            }
            QCOMPARE(shown, months[term]);
        }
        QCOMPARE(unnamedControls(page), QStringList());
        MIRUNE_FIND(next, QPushButton, page, u"cmdWiz3Next"_s);
        QCOMPARE(QApplication::focusWidget(), next);
    }

    void schoolDaysAreBoldAndCounted_data() {
        QTest::addColumn<int>("year");
        QTest::addColumn<int>("summerLastDay");
        QTest::newRow("2026") << 2026 << 31;
        QTest::newRow("2026, school from 25 August") << 2026 << 24;
        QTest::newRow("2003, a leap February") << 2003 << 31;
    }
    void schoolDaysAreBoldAndCounted() {
        QFETCH(int, year);
        QFETCH(int, summerLastDay);
        UiHarness h;
        setUpPlan(h.state, year);
        VacationDays days;
        days.summerLastDay = summerLastDay;
        subGetHoliday(h.state, days);
        QPointer<frmWiz3> page = openPage<frmWiz3>(h);
        const HolidayNames names(h.state);
        for (QDate d(year, 4, 1); d <= QDate(year + 1, 3, 31); d = d.addDays(1)) {
            QCOMPARE(drawnBold(page, d), fncIsSchoolDay(h.state, d));
            QCOMPARE(calendarOf(page, d)->toolTip(d), names(d));
        }
        const std::array<int, 4> counts = fncCountSchoolDays(h.state);
        QCOMPARE(counts[3], counts[0] + counts[1] + counts[2]);
        QCOMPARE(captions(page), captionsOf(counts));
        QCOMPARE(int(page->schoolDays()[3]), counts[3]);
        if (summerLastDay < 31)
            QVERIFY(drawnBold(page, QDate(year, 8, summerLastDay + 1)));
    }

    void holidaysCarryTheirNames_data() {
        QTest::addColumn<QDate>("date");
        QTest::addColumn<QString>("name");
        QTest::newRow("fixed day") << QDate(2026, 4, 29) << u"昭和の日"_s;
        QTest::newRow("Monday holiday") << QDate(2026, 7, 20) << u"海の日"_s;
        QTest::newRow("between two holidays") << QDate(2026, 9, 22) << u"国民の休日"_s;
        QTest::newRow("autumn equinox") << QDate(2026, 9, 23) << u"秋分の日"_s;
        QTest::newRow("substitute") << QDate(2027, 3, 22) << u"振替休日"_s;
        QTest::newRow("school day") << QDate(2026, 6, 10) << QString();
    }
    void holidaysCarryTheirNames() {
        QFETCH(QDate, date);
        QFETCH(QString, name);
        UiHarness h;
        setUpPlan(h.state, kYear);
        QPointer<frmWiz3> page = openPage<frmWiz3>(h);
        QCOMPARE(calendarOf(page, date)->toolTip(date), name);
        QCOMPARE(drawnBold(page, date), name.isEmpty());
        QCOMPARE(calendarOf(page, date)->dayFormat(date).redLetter, !name.isEmpty());
        // A screen reader hears the name through the calendar's description.
        calendarOf(page, date)->setSelectedDate(date);
        QVERIFY(calendarOf(page, date)
                    ->accessibleDescription()
                    .contains(name.isEmpty() ? u"授業日"_s : name + u" 休日"_s));
    }

    void aSchoolDayBecomesTheTeachersHolidayAndBack() {
        UiHarness h;
        setUpPlan(h.state, kYear);
        QSignalSpy changes(&h.document, &ClassDocument::changed);
        QPointer<frmWiz3> page = openPage<frmWiz3>(h);
        const std::array<int, 4> counts = fncCountSchoolDays(h.state);
        const int row = h.state.intSpecialCount; // after the law's own rows
        QVERIFY(drawnBold(page, kWednesdayInJune));

        QVERIFY(click(page, kWednesdayInJune));
        QCOMPARE(h.state.intSpecialCount, row + 1);
        QCOMPARE(h.state.dateSpecial[row], kWednesdayInJune);
        QCOMPARE(h.state.intSpecialDay[row], qint16(kWednesdayInJune.dayOfYear()));
        QVERIFY(!drawnBold(page, kWednesdayInJune));
        QCOMPARE(captions(page), captionsOf({counts[0] - 1, counts[1], counts[2], counts[3] - 1}));
        QCOMPARE(changes.count(), 1);
        QCOMPARE(QApplication::focusWidget(), page->findChild<QPushButton *>(u"cmdWiz3Next"_s));

        QVERIFY(click(page, kWednesdayInJune));
        QCOMPARE(h.state.intSpecialCount, row);
        QVERIFY(drawnBold(page, kWednesdayInJune));
        QCOMPARE(captions(page), captionsOf(counts));
        QCOMPARE(changes.count(), 2);
        MIRUNE_VERIFY_DIALOGS(h.dialogs);
    }

    void theKeyboardMarksDaysAndKeepsTheFocus() {
        UiHarness h;
        setUpPlan(h.state, kYear);
        const int rows = h.state.intSpecialCount;
        QPointer<frmWiz3> page = openPage<frmWiz3>(h);
        MonthView *view = calendarOf(page, kWednesdayInJune);
        view->setFocus();
        view->setSelectedDate(kWednesdayInJune.addDays(-1));
        QTest::keyClick(view, Qt::Key_Right);
        QCOMPARE(view->selectedDate(), kWednesdayInJune);
        QTest::keyClick(view, Qt::Key_Space);
        QCOMPARE(h.state.intSpecialCount, rows + 1);
        QVERIFY(!drawnBold(page, kWednesdayInJune));
        QCOMPARE(QApplication::focusWidget(), view);
        QTest::keyClick(view, Qt::Key_Return);
        QCOMPARE(h.state.intSpecialCount, rows);
        QVERIFY(view->accessibleDescription().contains(u"授業日"_s));
    }

    void daysThatAreNoSchoolDaysStayAsTheyAre_data() {
        QTest::addColumn<QDate>("date"); // invalid: the spring equinox row
        QTest::newRow("national holiday") << QDate(2026, 4, 29);
        QTest::newRow("Saturday") << QDate(2026, 6, 13);
        QTest::newRow("Sunday") << QDate(2026, 6, 14);
        QTest::newRow("summer vacation") << QDate(2026, 7, 28);
        QTest::newRow("spring break, 1 April") << QDate(2026, 4, 1);
        QTest::newRow("spring equinox") << QDate();
        QTest::newRow("citizens' holiday") << QDate(2026, 9, 22);
    }
    void daysThatAreNoSchoolDaysStayAsTheyAre() {
        QFETCH(QDate, date);
        UiHarness h;
        setUpPlan(h.state, kYear);
        if (!date.isValid())
            date = h.state.dateSpecial[13];
        const ClassAndHolidays before(h.state);
        QPointer<frmWiz3> page = openPage<frmWiz3>(h);
        const QStringList shown = captions(page);
        QVERIFY(!drawnBold(page, date));
        QVERIFY(click(page, date));
        QVERIFY(ClassAndHolidays(h.state) == before);
        QVERIFY(!drawnBold(page, date));
        QCOMPARE(captions(page), shown);
        MIRUNE_VERIFY_DIALOGS(h.dialogs);
    }

    void aDayWithLessonsIsRefused() {
        UiHarness h;
        setUpPlan(h.state, kYear);
        const QDate recorded(2026, 6, 11);
        recordDay(h.state, recorded);
        const ClassAndHolidays before(h.state);
        QPointer<frmWiz3> page = openPage<frmWiz3>(h);
        const QStringList shown = captions(page);

        QVERIFY(click(page, recorded));
        QPointer<dlgResultSorry> sorry = h.windows.find<dlgResultSorry>();
        QVERIFY(sorry && sorry->isVisible());
        QVERIFY(!sorry->isModal());
        QCOMPARE(sorry->windowTitle(), u"ごめんなさい"_s);
        MIRUNE_FIND(text, QLabel, sorry, u"lblResultSorry"_s);
        QCOMPARE(
            text->text(),
            u"選んだ日は、実績が登録されています。休日にすることはできません。休日にするときは、実績登録画面で実績取消しをして、もう一度この画面で休日に選んでください。"_s);
        QCOMPARE(unnamedControls(sorry), QStringList());
        QVERIFY(ClassAndHolidays(h.state) == before);
        QVERIFY(drawnBold(page, recorded));
        QCOMPARE(captions(page), shown);

        MIRUNE_FIND(ok, QPushButton, sorry, u"OKButton"_s);
        MIRUNE_CLICK(ok);
        QVERIFY(sorry && !sorry->isVisible());
        // The next refusal shows the same window again.
        QVERIFY(click(page, recorded));
        QCOMPARE(h.windows.find<dlgResultSorry>(), sorry.data());
        QVERIFY(sorry->isVisible());
        QVERIFY(ClassAndHolidays(h.state) == before);
        MIRUNE_VERIFY_DIALOGS(h.dialogs);
    }

    void aFullTableTakesNoMoreDays() {
        UiHarness h;
        setUpPlan(h.state, kYear);
        // The teacher's rows up to the limit, all on a day of the summer vacation, so that every
        // school day is still free.
        for (int row = kNationalHolidayRows; row < kMaxSpecialCount; ++row)
            setSpecialDate(h.state, row, QDate(2026, 8, 10));
        h.state.intSpecialCount = kMaxSpecialCount;
        const ClassAndHolidays before(h.state);
        QPointer<frmWiz3> page = openPage<frmWiz3>(h);
        const QStringList shown = captions(page);
        h.dialogs.expectMessage(u"休日はこれ以上増やせません"_s);
        QVERIFY(click(page, kWednesdayInJune));
        MIRUNE_VERIFY_DIALOGS(h.dialogs);
        QVERIFY(ClassAndHolidays(h.state) == before);
        QVERIFY(drawnBold(page, kWednesdayInJune));
        QCOMPARE(captions(page), shown);
    }

    void aTeachersDayInsideANewVacationIsGivenBack() {
        UiHarness h;
        setUpPlan(h.state, kYear);
        const QDate marked(2026, 7, 16);
        const int rows = h.state.intSpecialCount;
        setSpecialDate(h.state, rows, marked);
        h.state.intSpecialCount = qint16(rows + 1);
        VacationDays days;
        days.summerFirstDay = 15; // the vacation now covers the marked day
        subGetHoliday(h.state, days);
        QPointer<frmWiz3> page = openPage<frmWiz3>(h);
        const std::array<int, 4> counts = fncCountSchoolDays(h.state);
        QVERIFY(!drawnBold(page, marked));

        QVERIFY(click(page, marked));
        QCOMPARE(h.state.intSpecialCount, rows);
        QVERIFY(drawnBold(page, marked));
        QCOMPARE(captions(page), captionsOf({counts[0] + 1, counts[1], counts[2], counts[3] + 1}));

        // Redrawn from the rule, the day is a vacation day again.
        h.tell(PlanChange::Holidays);
        QVERIFY(!drawnBold(page, marked));
        QCOMPARE(captions(page), captionsOf(counts));
    }

    void withoutAClassNothingIsMarked() {
        UiHarness h;
        QPointer<frmWiz3> page = openPage<frmWiz3>(h);
        QVERIFY(page);
        QCOMPARE(rowOf(page, 0)->first(), QDate(2026, 4, 1));
        QVERIFY(!drawnBold(page, kWednesdayInJune));
        QVERIFY(click(page, kWednesdayInJune));
        QCOMPARE(h.state.intSpecialCount, 14);
        QCOMPARE(captions(page), captionsOf({0, 0, 0, 0}));
    }
};

QTEST_MAIN(HolidayCalendarTest)
#include "holiday_calendar_test.moc"
