// The wizard's pages on a small screen at 200 %: each opens no larger than the screen's available
// area, its buttons in view, and what does not fit scrolls inside, following the focus.
#include "model/class_settings.h"
#include "model/year_plan_entry.h"
#include "support/ui_test_support.h"
#include "ui/common/scrolling_page.h"
#include "ui/wizard/frm_wiz2.h"
#include "ui/wizard/frm_wiz3.h"
#include "ui/wizard/frm_wiz4.h"
#include "ui/wizard/frm_wiz5.h"

#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTest>

using namespace mirune;
using namespace mirune::ui;
using namespace mirune::ui::test;
using namespace Qt::StringLiterals;

namespace {

enum class Page { Class, Holidays, Timetables, Plan };

QWidget *openPage(UiHarness &h, Page page) {
    switch (page) {
    case Page::Class:
        return h.windows.open<frmWiz2>();
    case Page::Holidays:
        return h.windows.open<frmWiz3>();
    case Page::Timetables:
        return h.windows.open<frmWiz5>();
    case Page::Plan:
        break;
    }
    return h.windows.open<frmWiz4>();
}

} // namespace

class ScreenFitTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { initUiTestCase(); }
    void pageFitsTheScreen_data();
    void pageFitsTheScreen();
    void focusScrollsIntoView();
};

void ScreenFitTest::pageFitsTheScreen_data() {
    QTest::addColumn<Page>("page");
    QTest::addColumn<QStringList>("buttons");
    QTest::addColumn<bool>("scrolls"); // far taller than the screen
    QTest::newRow("class and vacations")
        << Page::Class << QStringList{u"cmdWiz2Before"_s, u"cmdWiz2Next"_s, u"cmdWiz2Cancel"_s}
        << false;
    QTest::newRow("holiday calendar")
        << Page::Holidays << QStringList{u"cmdWiz3Before"_s, u"cmdWiz3Next"_s, u"cmdWiz3Cancel"_s}
        << true;
    QTest::newRow("timetables") << Page::Timetables
                                << QStringList{u"cmdWiz5Before"_s, u"cmdWiz5Next"_s,
                                               u"cmdWiz5Cancel"_s}
                                << true;
    QTest::newRow("annual plan") << Page::Plan
                                 << QStringList{u"cmdWiz4Standard"_s, u"cmdWiz4Split"_s,
                                                u"cmdWiz4Before"_s, u"cmdWiz4Cancel"_s}
                                 << true;
}

void ScreenFitTest::pageFitsTheScreen() {
    QFETCH(Page, page);
    QFETCH(QStringList, buttons);
    QFETCH(bool, scrolls);
    UiHarness h;
    ClassChoice choice;
    choice.year = 2026;
    choice.gradeText = u"5"_s;
    subGetClass(h.state, choice, [] { return YearChangeAnswer::Yes; });
    subGetHoliday(h.state, VacationDays{});
    QWidget *w = openPage(h, page);
    QVERIFY(QTest::qWaitForWindowExposed(w));

    // The screen is 800 x 800 pixels at 200 %: 400 x 400, less than any page needs.
    const QSize available = w->screen()->availableSize();
    QCOMPARE(available, QSize(400, 400));
    QVERIFY2(w->width() <= available.width() && w->height() <= available.height(),
             qPrintable(u"%1 x %2"_s.arg(w->width()).arg(w->height())));
    // Every button whole inside the window, where a click reaches it.
    for (const QString &name : buttons) {
        MIRUNE_FIND(button, QPushButton, w, name);
        QVERIFY(button->isVisible());
        const QRect inWindow(button->mapTo(w, QPoint(0, 0)), button->size());
        QVERIFY2(w->rect().contains(inWindow), qPrintable(name));
    }
    // What does not fit scrolls: the whole page is there to be scrolled to.
    MIRUNE_FIND(scroll, PageScrollArea, w, u"scrollPage"_s);
    const QSize whole = scroll->widget()->sizeHint();
    const QSize shown = scroll->viewport()->size();
    QVERIFY2(scroll->widget()->height() >= whole.height() &&
                 scroll->widget()->width() >= whole.width(),
             qPrintable(u"%1 x %2 of %3 x %4"_s.arg(scroll->widget()->width())
                            .arg(scroll->widget()->height())
                            .arg(whole.width())
                            .arg(whole.height())));
    if (whole.height() > shown.height())
        QVERIFY(scroll->verticalScrollBar()->isVisible());
    if (whole.width() > shown.width())
        QVERIFY(scroll->horizontalScrollBar()->isVisible());
    if (scrolls)
        QVERIFY(scroll->verticalScrollBar()->isVisible());
    MIRUNE_VERIFY_DIALOGS(h.dialogs);
}

// A box reached from the keyboard below the part in view comes into view.
void ScreenFitTest::focusScrollsIntoView() {
    UiHarness h;
    QWidget *w = openPage(h, Page::Plan);
    QVERIFY(QTest::qWaitForWindowActive(w));
    MIRUNE_FIND(scroll, PageScrollArea, w, u"scrollPage"_s);
    // The last row's last term: 予備, term 3.
    MIRUNE_FIND(last, QLineEdit, w,
                u"txtWiz4YearPlan_%1"_s.arg(planTermBox(kPlanRows - 1, kPlanTerms - 1)));
    const auto inView = [&](QWidget *box) {
        const QRect shown(box->mapTo(scroll->viewport(), QPoint(0, 0)), box->size());
        return scroll->viewport()->rect().contains(shown);
    };
    QVERIFY(!inView(last));
    MIRUNE_FIND(first, QLineEdit, w, u"txtWiz4YearPlan_0"_s);
    first->setFocus();
    QTest::keyClick(first, Qt::Key_Left); // the first box wraps to the last
    QCOMPARE(QApplication::focusWidget(), last);
    QTRY_VERIFY(inView(last));
    MIRUNE_VERIFY_DIALOGS(h.dialogs);
}

// A laptop's screen at 200 %: the offscreen screen's 800 x 800 pixels hold 400 x 400.
int main(int argc, char **argv) {
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    ScreenFitTest test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "screen_fit_test.moc"
