// The class page: what it shows, what it stores, the year question's three answers, and typed
// text it must not take.

#include "class_pages_support.h"
#include "ui/wizard/frm_wiz2.h"
#include "ui/wizard/frm_wiz3.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>

using namespace mirune;
using namespace mirune::ui;
using namespace mirune::ui::test;
using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(mirune::ui::Dialogs::Answer)

namespace {

// The day boxes top to bottom, with the initial texts of a new plan.
const QStringList kDayBoxes = {u"cboWiz2Holiday_0"_s, u"cboWiz2Holiday_1"_s, u"cboWiz2Holiday_5"_s,
                               u"cboWiz2Holiday_2"_s, u"cboWiz2Holiday_8"_s, u"cboWiz2Holiday_3"_s,
                               u"cboWiz2Holiday_4"_s, u"cboWiz2Holiday_7"_s};

QString boxText(QWidget *page, const QString &name) {
    if (auto *combo = page->findChild<QComboBox *>(name))
        return combo->currentText();
    if (auto *edit = page->findChild<QLineEdit *>(name))
        return edit->text();
    return u"<none>"_s;
}

void chooseItem(QComboBox *combo, int index) {
    combo->setCurrentIndex(index);
    emit combo->activated(index);
}

} // namespace

class ClassPageTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() {
        initUiTestCase();
        QApplication::setQuitOnLastWindowClosed(false);
    }

    void newPlanShowsTheInitialTexts() {
        UiHarness h;
        QPointer<frmWiz2> page = openPage<frmWiz2>(h);
        QVERIFY(page);
        MIRUNE_FIND(year, QComboBox, page, u"cboWiz1Year"_s);
        QCOMPARE(year->currentIndex(), -1);
        QCOMPARE(year->currentText(), QString());
        // From the first year to the one after the current school year.
        QCOMPARE(year->count(), 26);
        QCOMPARE(year->itemText(0), u"平成14年度(2002年度)"_s);
        QCOMPARE(year->itemText(17), u"令和元年度(2019年度)"_s);
        QCOMPARE(year->itemText(25), u"令和9年度(2027年度)"_s);
        for (const QString &name : {u"cboWiz1Class_0"_s, u"cboWiz1Class_1"_s, u"txtWiz1Teacher"_s})
            QCOMPARE(boxText(page, name), QString());
        QStringList days;
        for (const QString &name : kDayBoxes)
            days << boxText(page, name);
        QCOMPARE(days, (QStringList{u"4"_s, u"20"_s, u"31"_s, u"25"_s, u"7"_s, u"19"_s, u"23"_s,
                                    u"20"_s}));
        QVERIFY(!page->findChild<QComboBox *>(u"cboWiz2Holiday_6"_s));
        MIRUNE_FIND(next, QPushButton, page, u"cmdWiz2Next"_s);
        QCOMPARE(QApplication::focusWidget(), next);
    }

    void theEquinoxBoxesFollowTheChosenYear_data() {
        QTest::addColumn<int>("year");
        QTest::addColumn<QString>("autumn");
        QTest::addColumn<QString>("spring");
        QTest::newRow("2026: 23 September, 21 March 2027") << 2026 << u"23"_s << u"21"_s;
        QTest::newRow("2012: 22 September, 20 March 2013") << 2012 << u"22"_s << u"20"_s;
    }
    void theEquinoxBoxesFollowTheChosenYear() {
        QFETCH(int, year);
        QFETCH(QString, autumn);
        QFETCH(QString, spring);
        UiHarness h;
        QPointer<frmWiz2> page = openPage<frmWiz2>(h);
        MIRUNE_FIND(yearList, QComboBox, page, u"cboWiz1Year"_s);
        chooseItem(yearList, yearList->findData(year));
        QCOMPARE(h.state.intYear, year);
        QCOMPARE(boxText(page, u"cboWiz2Holiday_4"_s), autumn);
        QCOMPARE(boxText(page, u"cboWiz2Holiday_7"_s), spring);
        MIRUNE_FIND(next, QPushButton, page, u"cmdWiz2Next"_s);
        MIRUNE_CLICK(next);
        QTRY_VERIFY(page.isNull());
        QCOMPARE(QString::number(h.state.dateHoliday[8].day()), autumn);
        QCOMPARE(QString::number(h.state.dateHoliday[11].day()), spring);
    }

    void everyControlHasAName() {
        UiHarness h;
        QPointer<frmWiz2> page = openPage<frmWiz2>(h);
        QCOMPARE(unnamedControls(page), QStringList());
        const QStringList names = {u"年度"_s,
                                   u"学年"_s,
                                   u"組"_s,
                                   u"担任"_s,
                                   u"春休み（年度始め） 終了日"_s,
                                   u"夏休み 開始日"_s,
                                   u"夏休み 終了日"_s,
                                   u"冬休み 開始日"_s,
                                   u"冬休み 終了日"_s,
                                   u"春休み（年度末） 開始日"_s,
                                   u"秋分の日"_s,
                                   u"春分の日"_s};
        const QStringList boxes = QStringList{u"cboWiz1Year"_s, u"cboWiz1Class_0"_s,
                                              u"cboWiz1Class_1"_s, u"txtWiz1Teacher"_s} +
                                  kDayBoxes;
        for (int i = 0; i < boxes.size(); ++i) {
            MIRUNE_FIND(box, QWidget, page, boxes[i]);
            QCOMPARE(box->accessibleName(), names[i]);
        }
    }

    void storedSettingsFillThePage() {
        UiHarness h;
        setUpPlan(h.state, 2006);
        VacationDays days;
        days.summerFirstDay = 22;
        days.winterLastDay = 9;
        subGetHoliday(h.state, days);
        QPointer<frmWiz2> page = openPage<frmWiz2>(h);
        MIRUNE_FIND(year, QComboBox, page, u"cboWiz1Year"_s);
        QCOMPARE(year->currentIndex(), 4);
        QCOMPARE(boxText(page, u"cboWiz1Class_0"_s), u" 3"_s);
        QCOMPARE(boxText(page, u"cboWiz1Class_1"_s), u"2"_s);
        QCOMPARE(boxText(page, u"txtWiz1Teacher"_s), u"山田"_s);
        QCOMPARE(boxText(page, u"cboWiz2Holiday_1"_s), u" 22"_s);
        QCOMPARE(boxText(page, u"cboWiz2Holiday_8"_s), u" 9"_s);
        QCOMPARE(boxText(page, u"cboWiz2Holiday_0"_s), u" 4"_s);
    }

    void aYearTheListDoesNotOfferIsKept() {
        UiHarness h;
        setUpPlan(h.state, 1999);
        QPointer<frmWiz2> page = openPage<frmWiz2>(h);
        MIRUNE_FIND(year, QComboBox, page, u"cboWiz1Year"_s);
        QVERIFY(year->currentText().contains(u"1999"_s));
        MIRUNE_FIND(finish, QPushButton, page, u"cmdWiz2Cancel"_s);
        MIRUNE_CLICK(finish);
        QTRY_VERIFY(page.isNull());
        QCOMPARE(h.state.intYear, 1999);
    }

    void leavingStoresWhatThePageHolds_data() {
        QTest::addColumn<int>("storedGrade");
        QTest::addColumn<QString>("gradeText");
        QTest::addColumn<QString>("classText");
        QTest::addColumn<QString>("teacherText");
        QTest::addColumn<int>("grade");
        QTest::addColumn<QString>("klass");
        QTest::addColumn<QString>("teacher");
        QTest::newRow("all typed")
            << 3 << u"5"_s << u"B"_s << u"鈴木"_s << 5 << u"B"_s << u"鈴木"_s;
        QTest::newRow("full-width grade")
            << 3 << u"６"_s << u"2"_s << u"山田"_s << 6 << u"2"_s << u"山田"_s;
        QTest::newRow("cleared class keeps it, cleared teacher clears it")
            << 3 << QString() << QString() << QString() << 3 << u"2"_s << QString();
        QTest::newRow("stored grade 0, empty box")
            << 0 << QString() << u"2"_s << u"山田"_s << 1 << u"2"_s << u"山田"_s;
        QTest::newRow("stored grade 7, empty box")
            << 7 << QString() << u"2"_s << u"山田"_s << 1 << u"2"_s << u"山田"_s;
    }
    void leavingStoresWhatThePageHolds() {
        QFETCH(int, storedGrade);
        QFETCH(QString, gradeText);
        QFETCH(QString, classText);
        QFETCH(QString, teacherText);
        UiHarness h;
        setUpPlan(h.state, 2006);
        const int specialCount = h.state.intSpecialCount = 16; // two rows of the teacher's
        QPointer<frmWiz2> page = openPage<frmWiz2>(h);
        h.state.intGrade = qint16(storedGrade);
        page->findChild<QComboBox *>(u"cboWiz1Class_0"_s)->setEditText(gradeText);
        page->findChild<QComboBox *>(u"cboWiz1Class_1"_s)->setEditText(classText);
        page->findChild<QLineEdit *>(u"txtWiz1Teacher"_s)->setText(teacherText);
        MIRUNE_FIND(finish, QPushButton, page, u"cmdWiz2Cancel"_s);
        MIRUNE_CLICK(finish);
        QTRY_VERIFY(page.isNull());
        QTEST(int(h.state.intGrade), "grade");
        QTEST(h.state.strClass, "klass");
        QTEST(h.state.strTeacher, "teacher");
        QCOMPARE(h.state.intYear, 2006);
        QCOMPARE(h.state.intSpecialCount, specialCount);
        MIRUNE_VERIFY_DIALOGS(h.dialogs);
    }

    void noYearChosenStoresTheCurrentYear() {
        UiHarness h(QDate(2026, 6, 1));
        QPointer<frmWiz2> page = openPage<frmWiz2>(h);
        MIRUNE_FIND(next, QPushButton, page, u"cmdWiz2Next"_s);
        MIRUNE_CLICK(next);
        QTRY_VERIFY(page.isNull());
        QCOMPARE(h.state.intYear, 2026);
        QCOMPARE(h.state.intGrade, 1);
        QCOMPARE(h.state.dateHoliday[0], QDate(2026, 4, 1));
        QCOMPARE(h.state.boolSat2, kTrue);
    }

    void theYearQuestion_data() {
        QTest::addColumn<bool>("fromList"); // else from "次へ"
        QTest::addColumn<Dialogs::Answer>("answer");
        QTest::addColumn<int>("year");
        QTest::addColumn<bool>("recordsKept");
        QTest::addColumn<QString>("window"); // the page that is left open; empty: none
        // From the list: Yes drops the records and stores the year; the page goes.
        QTest::newRow("list, Yes") << true << Dialogs::Answer::Yes << 2006 << false << QString();
        QTest::newRow("list, No") << true << Dialogs::Answer::No << 2005 << true << QString();
        QTest::newRow("list, Cancel")
            << true << Dialogs::Answer::Cancel << 2005 << true << u"frmWiz2"_s;
        // From "次へ": after Yes or No the page is left as the button says; Cancel keeps it.
        QTest::newRow("next, Yes")
            << false << Dialogs::Answer::Yes << 2006 << false << u"frmWiz3"_s;
        QTest::newRow("next, No") << false << Dialogs::Answer::No << 2005 << true << u"frmWiz3"_s;
        QTest::newRow("next, Cancel")
            << false << Dialogs::Answer::Cancel << 2005 << true << u"frmWiz2"_s;
    }
    void theYearQuestion() {
        QFETCH(bool, fromList);
        QFETCH(Dialogs::Answer, answer);
        QFETCH(int, year);
        QFETCH(bool, recordsKept);
        QFETCH(QString, window);
        UiHarness h;
        setUpPlan(h.state, 2005);
        recordDay(h.state, QDate(2005, 6, 1));
        h.state.boolDaySelected = 1;
        const ClassAndHolidays before(h.state);
        QPointer<frmWiz2> page = openPage<frmWiz2>(h);
        MIRUNE_FIND(yearList, QComboBox, page, u"cboWiz1Year"_s);

        h.dialogs.expectMessage(u"実績を破棄してもいいときは「はい」を押してください"_s, answer);
        if (fromList) {
            chooseItem(yearList, 4);
            // Another school year: the main window chooses its day in it again.
            QCOMPARE(h.state.boolDaySelected, answer == Dialogs::Answer::Yes ? 0 : 1);
        } else {
            yearList->setCurrentIndex(4);
            MIRUNE_FIND(next, QPushButton, page, u"cmdWiz2Next"_s);
            MIRUNE_CLICK(next);
        }
        MIRUNE_VERIFY_DIALOGS(h.dialogs);
        QCOMPARE(h.dialogs.messagesShown().size(), 1);
        QVERIFY(h.dialogs.messagesShown().first().startsWith(
            u"ミルネ2002: 学級計画・授業計画の年度が、実績を登録している年度と食い違っています。実績を破棄してもいいときは"_s));
        QCOMPARE(h.state.intYear, year);
        QCOMPARE(chainLength(*h.state.objFirstDay), recordsKept ? 1 : 0);
        QTRY_COMPARE(page && page->isVisible(), window == u"frmWiz2");
        QStringList open;
        for (QWidget *w : h.windows.openWindows())
            open << w->objectName();
        QTRY_COMPARE(open, window.isEmpty() ? QStringList() : QStringList{window});
        if (answer == Dialogs::Answer::Cancel) {
            QVERIFY(ClassAndHolidays(h.state) == before);
            QCOMPARE(yearList->currentIndex(), 3); // back on the stored year
        }
    }

    void noQuestionWithoutRecordsOrYear_data() {
        QTest::addColumn<int>("storedYear");
        QTest::addColumn<bool>("records");
        QTest::newRow("no year set, with records") << 0 << true;
        QTest::newRow("a year set, no records") << 2005 << false;
    }
    void noQuestionWithoutRecordsOrYear() {
        QFETCH(int, storedYear);
        QFETCH(bool, records);
        UiHarness h;
        if (storedYear)
            setUpPlan(h.state, storedYear);
        if (records)
            recordDay(h.state, QDate(2005, 6, 1));
        QPointer<frmWiz2> page = openPage<frmWiz2>(h);
        MIRUNE_FIND(yearList, QComboBox, page, u"cboWiz1Year"_s);
        chooseItem(yearList, 4);
        QCOMPARE(h.state.intYear, 2006);
        QVERIFY(page->isVisible());
        MIRUNE_VERIFY_DIALOGS(h.dialogs);
    }

    void textThatIsNoNumberIsRefused_data() {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("message");
        QTest::newRow("grade in letters")
            << u"cboWiz1Class_0"_s << u"三"_s << u"cmdWiz2Next"_s << u"「学年」"_s;
        QTest::newRow("grade 7") << u"cboWiz1Class_0"_s << u"7"_s << u"cmdWiz2Before"_s
                                 << u"「学年」"_s;
        QTest::newRow("grade 0") << u"cboWiz1Class_0"_s << u"0"_s << u"cmdWiz2Cancel"_s
                                 << u"「学年」"_s;
        QTest::newRow("summer start in letters")
            << u"cboWiz2Holiday_1"_s << u"abc"_s << u"cmdWiz2Next"_s << u"「夏休み 開始日」"_s;
        QTest::newRow("winter end empty")
            << u"cboWiz2Holiday_8"_s << QString() << u"cmdWiz2Cancel"_s << u"「冬休み 終了日」"_s;
        QTest::newRow("spring equinox with a unit")
            << u"cboWiz2Holiday_7"_s << u"20日"_s << u"cmdWiz2Before"_s << u"「春分の日」"_s;
    }
    void textThatIsNoNumberIsRefused() {
        QFETCH(QString, box);
        QFETCH(QString, text);
        QFETCH(QString, button);
        QFETCH(QString, message);
        UiHarness h;
        setUpPlan(h.state, 2006);
        const ClassAndHolidays before(h.state);
        QSignalSpy changes(&h.document, &ClassDocument::changed);
        QPointer<frmWiz2> page = openPage<frmWiz2>(h);
        MIRUNE_FIND(combo, QComboBox, page, box);
        MIRUNE_FIND(b, QPushButton, page, button);
        page->findChild<QLineEdit *>(u"txtWiz1Teacher"_s)->setText(u"別の人"_s);
        combo->setEditText(text);
        h.dialogs.expectMessage(message, Dialogs::Answer::Ok);
        MIRUNE_CLICK(b);
        MIRUNE_VERIFY_DIALOGS(h.dialogs);
        QVERIFY(ClassAndHolidays(h.state) == before);
        QCOMPARE(changes.count(), 0);
        QVERIFY(page->isVisible());
        QCOMPARE(h.windows.openWindows().size(), std::size_t(1));
        QCOMPARE(QApplication::focusWidget(), combo);
        QCOMPARE(combo->currentText(), text); // what was typed stays to be mended

        // Mended, the page is left.
        h.dialogs.reset();
        combo->setEditText(box == u"cboWiz1Class_0" ? u"2"_s : u"２１"_s);
        MIRUNE_CLICK(b);
        QTRY_VERIFY(page.isNull());
        QCOMPARE(h.state.strTeacher, u"別の人"_s);
        MIRUNE_VERIFY_DIALOGS(h.dialogs);
    }

    void aBadGradeKeepsAListChoiceFromTheState() {
        UiHarness h;
        setUpPlan(h.state, 2005);
        QPointer<frmWiz2> page = openPage<frmWiz2>(h);
        page->findChild<QComboBox *>(u"cboWiz1Class_0"_s)->setEditText(u"x"_s);
        MIRUNE_FIND(yearList, QComboBox, page, u"cboWiz1Year"_s);
        h.dialogs.expectMessage(u"「学年」"_s);
        chooseItem(yearList, 4);
        MIRUNE_VERIFY_DIALOGS(h.dialogs);
        QCOMPARE(h.state.intYear, 2005);
        QCOMPARE(h.state.intGrade, 3);
    }

    void vacationDaysCarryIntoTheNextMonth() {
        UiHarness h;
        setUpPlan(h.state, 2006);
        QPointer<frmWiz2> page = openPage<frmWiz2>(h);
        page->findChild<QComboBox *>(u"cboWiz2Holiday_0"_s)->setEditText(u"31"_s);
        page->findChild<QComboBox *>(u"cboWiz2Holiday_8"_s)->setEditText(u" 0"_s);
        MIRUNE_FIND(finish, QPushButton, page, u"cmdWiz2Cancel"_s);
        MIRUNE_CLICK(finish);
        QTRY_VERIFY(page.isNull());
        QCOMPARE(h.state.dateHoliday[1], QDate(2006, 5, 1));
        QCOMPARE(h.state.dateHoliday[5], QDate(2006, 12, 31));
    }
};

QTEST_MAIN(ClassPageTest)
#include "class_page_test.moc"
