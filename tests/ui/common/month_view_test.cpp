// The month sheet: which days a click or the keyboard can choose, what Space and Return report,
// the tool tips, and what the formats and the chosen day look like on screen.
#include "support/ui_test_support.h"
#include "ui/common/month_view.h"

#include <QHelpEvent>
#include <QImage>
#include <QSignalSpy>
#include <QTest>
#include <QToolTip>
#include <memory>

using namespace mirune::ui;
using namespace mirune::ui::test;
using namespace Qt::StringLiterals;

namespace {

// May 2026 (it starts on a Friday), open from the 6th to the 27th unless told otherwise.
std::unique_ptr<MonthView> mayView(const QDate &maximum = QDate(2026, 5, 27)) {
    auto view = std::make_unique<MonthView>();
    view->setMonth(QDate(2026, 5, 20));
    view->setDateRange(QDate(2026, 5, 6), maximum);
    view->show();
    if (!QTest::qWaitForWindowExposed(view.get()))
        return nullptr;
    return view;
}

// How much of a day's cell is ink: the darker pixels of the grabbed cell.
int inkIn(MonthView &view, const QDate &date) {
    const QImage cell = view.grab(view.dayRect(date)).toImage();
    int dark = 0;
    for (int y = 0; y < cell.height(); ++y)
        for (int x = 0; x < cell.width(); ++x)
            dark += qGray(cell.pixel(x, y)) < 128;
    return dark;
}

bool showsRed(MonthView &view, const QDate &date) {
    const QImage cell = view.grab(view.dayRect(date)).toImage();
    for (int y = 0; y < cell.height(); ++y)
        for (int x = 0; x < cell.width(); ++x) {
            const QColor c = cell.pixelColor(x, y);
            if (c.red() > 150 && c.green() < 80 && c.blue() < 80)
                return true;
        }
    return false;
}

bool showsColour(MonthView &view, const QDate &date, const QColor &colour) {
    const QImage cell = view.grab(view.dayRect(date)).toImage();
    for (int y = 0; y < cell.height(); ++y)
        for (int x = 0; x < cell.width(); ++x)
            if (cell.pixelColor(x, y) == colour)
                return true;
    return false;
}

} // namespace

class MonthViewTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { initUiTestCase(); }

    void theSheetShowsItsMonth() {
        auto view = mayView();
        QVERIFY(view);
        QCOMPARE(view->month(), QDate(2026, 5, 1));
        QCOMPARE(view->accessibleName(), u"2026年5月"_s);
        QCOMPARE(view->focusPolicy(), Qt::StrongFocus);
        // Friday the 1st in the sixth column of the first week, Sunday the 31st below the 24th.
        const QRect first = view->dayRect(QDate(2026, 5, 1));
        QVERIFY(first.left() > view->width() * 5 / 7 - 2 && first.right() < view->width() * 6 / 7);
        QCOMPARE(view->dayRect(QDate(2026, 5, 31)).left(),
                 view->dayRect(QDate(2026, 5, 24)).left());
        QVERIFY(view->dayRect(QDate(2026, 5, 31)).top() > view->dayRect(QDate(2026, 5, 24)).top());
        QVERIFY(view->dayRect(QDate(2026, 6, 1)).isEmpty());
        QCOMPARE(view->dateAt(view->dayRect(QDate(2026, 5, 13)).center()), QDate(2026, 5, 13));
        // The cells before the 1st and after the 31st belong to no day.
        QVERIFY(!view->dateAt(view->dayRect(QDate(2026, 5, 3)).center() - QPoint(0, first.height()))
                     .isValid());
        QVERIFY(view->sizeHint().width() >= view->minimumSizeHint().width());
    }

    void aClickChoosesADayInsideTheRange_data() {
        QTest::addColumn<QDate>("date");
        QTest::addColumn<bool>("chosen");
        QTest::newRow("inside") << QDate(2026, 5, 13) << true;
        QTest::newRow("first day of the range") << QDate(2026, 5, 6) << true;
        QTest::newRow("last day of the range") << QDate(2026, 5, 27) << true;
        QTest::newRow("before the range") << QDate(2026, 5, 5) << false;
        QTest::newRow("after the range") << QDate(2026, 5, 28) << false;
        QTest::newRow("next month") << QDate(2026, 6, 1) << false;
    }
    void aClickChoosesADayInsideTheRange() {
        QFETCH(QDate, date);
        QFETCH(bool, chosen);
        auto view = mayView();
        QVERIFY(view);
        QSignalSpy clicked(view.get(), &MonthView::clicked);
        QSignalSpy selection(view.get(), &MonthView::selectionChanged);
        QCOMPARE(clickDate(view.get(), date), chosen);
        QCOMPARE(clicked.count(), chosen ? 1 : 0);
        QCOMPARE(selection.count(), chosen ? 1 : 0);
        if (chosen)
            QCOMPARE(clicked.at(0).at(0).toDate(), date);
        QCOMPARE(view->selectedDate(), chosen ? date : QDate());
    }

    void theKeysMoveWithinTheMonthAndRange_data() {
        QTest::addColumn<QDate>("from");
        QTest::addColumn<int>("key");
        QTest::addColumn<QDate>("maximum");
        QTest::addColumn<QDate>("to");
        QTest::addColumn<int>("clicks");
        const QDate end(2026, 5, 27);
        QTest::newRow("right") << QDate(2026, 5, 13) << int(Qt::Key_Right) << end
                               << QDate(2026, 5, 14) << 0;
        QTest::newRow("left") << QDate(2026, 5, 13) << int(Qt::Key_Left) << end
                              << QDate(2026, 5, 12) << 0;
        QTest::newRow("up") << QDate(2026, 5, 13) << int(Qt::Key_Up) << end << QDate(2026, 5, 6)
                            << 0;
        QTest::newRow("down") << QDate(2026, 5, 13) << int(Qt::Key_Down) << end
                              << QDate(2026, 5, 20) << 0;
        QTest::newRow("left at the range's start")
            << QDate(2026, 5, 6) << int(Qt::Key_Left) << end << QDate(2026, 5, 6) << 0;
        QTest::newRow("up past the range's start")
            << QDate(2026, 5, 12) << int(Qt::Key_Up) << end << QDate(2026, 5, 12) << 0;
        QTest::newRow("right at the range's end")
            << QDate(2026, 5, 27) << int(Qt::Key_Right) << end << QDate(2026, 5, 27) << 0;
        QTest::newRow("down at the month's end")
            << QDate(2026, 5, 25) << int(Qt::Key_Down) << QDate() << QDate(2026, 5, 25) << 0;
        QTest::newRow("home") << QDate(2026, 5, 13) << int(Qt::Key_Home) << end << QDate(2026, 5, 6)
                              << 0;
        QTest::newRow("end of the range")
            << QDate(2026, 5, 13) << int(Qt::Key_End) << end << QDate(2026, 5, 27) << 0;
        QTest::newRow("end of the month")
            << QDate(2026, 5, 13) << int(Qt::Key_End) << QDate() << QDate(2026, 5, 31) << 0;
        QTest::newRow("space") << QDate(2026, 5, 13) << int(Qt::Key_Space) << end
                               << QDate(2026, 5, 13) << 1;
        QTest::newRow("return") << QDate(2026, 5, 13) << int(Qt::Key_Return) << end
                                << QDate(2026, 5, 13) << 1;
        QTest::newRow("enter") << QDate(2026, 5, 13) << int(Qt::Key_Enter) << end
                               << QDate(2026, 5, 13) << 1;
    }
    void theKeysMoveWithinTheMonthAndRange() {
        QFETCH(QDate, from);
        QFETCH(int, key);
        QFETCH(QDate, maximum);
        QFETCH(QDate, to);
        QFETCH(int, clicks);
        auto view = mayView(maximum);
        QVERIFY(view);
        view->setFocus();
        view->setSelectedDate(from);
        QSignalSpy clicked(view.get(), &MonthView::clicked);
        QTest::keyClick(view.get(), Qt::Key(key));
        QCOMPARE(view->selectedDate(), to);
        QCOMPARE(clicked.count(), clicks);
        if (clicks)
            QCOMPARE(clicked.at(0).at(0).toDate(), to);
        // A screen reader hears the day the keyboard is on.
        QVERIFY(view->accessibleDescription().startsWith(QLocale().toString(to, u"M月d日"_s)));
    }

    void tabbingInGivesTheKeyboardAPlaceToStart() {
        auto view = mayView();
        QVERIFY(view);
        QSignalSpy clicked(view.get(), &MonthView::clicked);
        QTest::keyClick(view.get(), Qt::Key_Space); // nothing chosen yet: nothing to report
        QCOMPARE(clicked.count(), 0);
        view->clearFocus();
        view->setFocus(Qt::TabFocusReason);
        QCOMPARE(view->selectedDate(), QDate(2026, 5, 6));
    }

    void aDayShowsItsToolTip() {
        auto view = mayView();
        QVERIFY(view);
        view->setDayFormat(QDate(2026, 5, 6), false, u"振替休日"_s);
        const QRect cell = view->dayRect(QDate(2026, 5, 6));
        QHelpEvent onHoliday(QEvent::ToolTip, cell.center(), view->mapToGlobal(cell.center()));
        QApplication::sendEvent(view.get(), &onHoliday);
        QTRY_VERIFY(QToolTip::isVisible());
        QCOMPARE(QToolTip::text(), u"振替休日"_s);
        const QRect plain = view->dayRect(QDate(2026, 5, 7));
        QHelpEvent onSchoolDay(QEvent::ToolTip, plain.center(), view->mapToGlobal(plain.center()));
        QApplication::sendEvent(view.get(), &onSchoolDay);
        QTRY_VERIFY(!QToolTip::isVisible());
    }

    void formatsAreDrawnAndCleared() {
        auto view = mayView();
        QVERIFY(view);
        const QDate day(2026, 5, 12);
        const int plainInk = inkIn(*view, day);
        view->setDayFormat(day, true, u"開校記念日"_s);
        view->setDayFormat(QDate(2026, 6, 12), true); // another month's day: ignored
        QVERIFY(view->isBold(day));
        QVERIFY(!view->isBold(day.addDays(1)));
        QVERIFY(!view->isBold(QDate(2026, 6, 12)));
        QVERIFY(inkIn(*view, day) > plainInk);
        // Weekends and red-letter days are drawn red.
        QVERIFY(!showsRed(*view, day));
        QVERIFY(showsRed(*view, QDate(2026, 5, 17)));
        view->setDayFormat(day, MonthView::DayFormat{false, true, u"開校記念日"_s});
        QVERIFY(showsRed(*view, day));

        // The same month again keeps the formats, another month starts plain.
        view->setDayFormat(day, true);
        view->setMonth(QDate(2026, 5, 1));
        QVERIFY(view->isBold(day));
        view->clearDayFormats();
        QVERIFY(!view->isBold(day));
        QVERIFY(view->toolTip(day).isEmpty());
        QCOMPARE(inkIn(*view, day), plainInk);
        view->setDayFormat(day, true);
        view->setMonth(QDate(2026, 6, 1));
        view->setMonth(QDate(2026, 5, 1));
        QVERIFY(!view->isBold(day));
    }

    void theChosenDayIsHighlightedOnlyWithTheFocus() {
        auto view = mayView();
        QVERIFY(view);
        view->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(view.get()));
        view->clearFocus();
        const QDate day(2026, 5, 13);
        view->setSelectedDate(day);
        const QColor highlight = view->palette().color(QPalette::Active, QPalette::Highlight);
        QVERIFY(!showsColour(*view, day, highlight));
        view->setFocus();
        QTRY_VERIFY(view->hasFocus());
        QVERIFY(showsColour(*view, day, highlight));
        view->setSelectedDate(QDate());
        QVERIFY(!showsColour(*view, day, highlight));
    }
};

QTEST_MAIN(MonthViewTest)
#include "month_view_test.moc"
