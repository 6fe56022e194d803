// The main window's calendar on its own: one month at a time within the school year, the keys
// that move the chosen day across months, the month buttons at the year's ends, and the year's
// marks on whichever month is turned to.

#include "support/ui_test_support.h"
#include "ui/main/month_calendar.h"

#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

using namespace Qt::StringLiterals;
using namespace mirune::ui;
using namespace mirune::ui::test;

namespace {

// The school year 2026: 1 April 2026 to 31 March 2027.
void setUpYear(MonthCalendar &calendar) {
    calendar.setDateRange(QDate(2026, 4, 1), QDate(2027, 3, 31));
}

} // namespace

class MonthCalendarTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { initUiTestCase(); }

    void keysMoveTheDayAcrossMonths_data() {
        QTest::addColumn<QDate>("from");
        QTest::addColumn<int>("key");
        QTest::addColumn<QDate>("to");
        QTest::newRow("right inside the month")
            << QDate(2026, 4, 8) << int(Qt::Key_Right) << QDate(2026, 4, 9);
        QTest::newRow("right over the month's end")
            << QDate(2026, 4, 30) << int(Qt::Key_Right) << QDate(2026, 5, 1);
        QTest::newRow("down into the next month")
            << QDate(2026, 5, 28) << int(Qt::Key_Down) << QDate(2026, 6, 4);
        QTest::newRow("left into the month before")
            << QDate(2026, 6, 1) << int(Qt::Key_Left) << QDate(2026, 5, 31);
        QTest::newRow("page down keeps the day")
            << QDate(2026, 9, 15) << int(Qt::Key_PageDown) << QDate(2026, 10, 15);
        QTest::newRow("page up to a shorter month")
            << QDate(2027, 3, 31) << int(Qt::Key_PageUp) << QDate(2027, 2, 28);
        QTest::newRow("left stops at the year's first day")
            << QDate(2026, 4, 1) << int(Qt::Key_Left) << QDate(2026, 4, 1);
        QTest::newRow("down stops before the year's end")
            << QDate(2027, 3, 29) << int(Qt::Key_Down) << QDate(2027, 3, 29);
        QTest::newRow("page down stays in the year")
            << QDate(2027, 3, 10) << int(Qt::Key_PageDown) << QDate(2027, 3, 31);
    }

    void keysMoveTheDayAcrossMonths() {
        QFETCH(QDate, from);
        QFETCH(int, key);
        QFETCH(QDate, to);
        MonthCalendar calendar;
        setUpYear(calendar);
        calendar.setSelectedDate(from);
        QSignalSpy changed(&calendar, &MonthCalendar::selectionChanged);
        QTest::keyClick(calendar.sheet(), Qt::Key(key));
        QCOMPARE(calendar.selectedDate(), to);
        QCOMPARE(calendar.shownMonth(), QDate(to.year(), to.month(), 1));
        QCOMPARE(calendar.sheet()->selectedDate(), to);
        QCOMPARE(changed.count(), from == to ? 0 : 1);
    }

    void monthButtonsStopAtTheYearsEnds() {
        MonthCalendar calendar;
        setUpYear(calendar);
        calendar.setSelectedDate(QDate(2026, 4, 8));
        MIRUNE_FIND(previous, QToolButton, &calendar, u"cmdPrevMonth"_s);
        MIRUNE_FIND(next, QToolButton, &calendar, u"cmdNextMonth"_s);
        QVERIFY(!previous->isEnabled());
        QSignalSpy turned(&calendar, &MonthCalendar::monthChanged);
        for (int i = 0; i < 11; ++i)
            next->click();
        QCOMPARE(turned.count(), 11);
        QCOMPARE(calendar.shownMonth(), QDate(2027, 3, 1));
        QVERIFY(!next->isEnabled());
        QVERIFY(previous->isEnabled());
        // Turning pages does not choose another day; back on April the day is shown again.
        QCOMPARE(calendar.selectedDate(), QDate(2026, 4, 8));
        calendar.showMonth(QDate(2026, 4, 1));
        QCOMPARE(calendar.sheet()->selectedDate(), QDate(2026, 4, 8));
        QCOMPARE(calendar.sheet()->accessibleName(), u"2026年4月"_s);
    }

    void marksFollowThePage() {
        MonthCalendar calendar;
        calendar.setCalendarName(u"週を選ぶカレンダー"_s);
        setUpYear(calendar);
        calendar.setDayFormat(QDate(2026, 11, 3), {false, false, u"文化の日"_s});
        calendar.setDayFormat(QDate(2026, 11, 4), {true, false, QString()});
        QCOMPARE(calendar.sheet()->toolTip(QDate(2026, 11, 3)), QString()); // not shown yet
        calendar.showMonth(QDate(2026, 11, 20));
        QCOMPARE(calendar.sheet()->toolTip(QDate(2026, 11, 3)), u"文化の日"_s);
        QVERIFY(calendar.sheet()->isBold(QDate(2026, 11, 4)));
        QCOMPARE(calendar.sheet()->accessibleName(), u"週を選ぶカレンダー 2026年11月"_s);
        calendar.clearDayFormats();
        QVERIFY(!calendar.sheet()->isBold(QDate(2026, 11, 4)));
        QVERIFY(!calendar.dayFormat(QDate(2026, 11, 4)).bold);
        // A click on a day chooses it and says so.
        QSignalSpy clicked(&calendar, &MonthCalendar::clicked);
        QVERIFY(clickDate(&calendar, QDate(2027, 1, 20)));
        QCOMPARE(clicked.count(), 1);
        QCOMPARE(calendar.selectedDate(), QDate(2027, 1, 20));
    }
};

QTEST_MAIN(MonthCalendarTest)
#include "month_calendar_test.moc"
