// The wizard's first pages and how they follow each other: the first page's two ways in, every
// button of the first three pages, and the whole way from the first page to the timetable page
// and back.

#include "class_pages_support.h"
#include "model/school_day.h"
#include "storage/data_file.h"
#include "ui/common/month_row.h"
#include "ui/wizard/frm_wiz0.h"
#include "ui/wizard/frm_wiz2.h"
#include "ui/wizard/frm_wiz3.h"
#include "ui/wizard/frm_wiz5.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>

using namespace mirune;
using namespace mirune::ui;
using namespace mirune::ui::test;
using namespace Qt::StringLiterals;

namespace {

QPointer<QWidget> openByName(UiHarness &h, const QString &page) {
    if (page == u"frmWiz0")
        return openPage<frmWiz0>(h).data();
    if (page == u"frmWiz2")
        return openPage<frmWiz2>(h).data();
    return openPage<frmWiz3>(h).data();
}

QStringList openWindowNames(const UiHarness &h) {
    QStringList names;
    for (QWidget *w : h.windows.openWindows())
        names << w->objectName();
    return names;
}

} // namespace

class WizardFlowTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() {
        initUiTestCase();
        // The pages are the only windows here; closing the last one must not end anything.
        QApplication::setQuitOnLastWindowClosed(false);
    }
    // Each page stores as it goes, and a new plan's recovery copy follows: one left by a test
    // would be offered to the next one's new plan.
    void init() {
        QDir(QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation))
            .removeRecursively();
    }

    void firstPageStartsANewPlan() {
        UiHarness h;
        QPointer<frmWiz0> wiz0 = openPage<frmWiz0>(h);
        QVERIFY(wiz0);
        QCOMPARE(wiz0->windowTitle(), u"学級計画・授業計画ウィザード"_s);
        MIRUNE_FIND(newPlan, QRadioButton, wiz0, u"optWiz0NewOrOld_0"_s);
        MIRUNE_FIND(oldFile, QRadioButton, wiz0, u"optWiz0NewOrOld_1"_s);
        MIRUNE_FIND(next, QPushButton, wiz0, u"cmdWiz0Next"_s);
        QVERIFY(newPlan->isChecked() && !oldFile->isChecked());
        QCOMPARE(QApplication::focusWidget(), next);
        QVERIFY(unnamedControls(wiz0).isEmpty());

        // The keyboard alone: Return on the focused "次へ".
        QTest::keyClick(next, Qt::Key_Return);
        QTRY_VERIFY(wiz0.isNull());
        QCOMPARE(openWindowNames(h), QStringList{u"frmWiz2"_s});
        MIRUNE_VERIFY_DIALOGS(h.dialogs);
    }

    void firstPageOpensAFile_data() {
        QTest::addColumn<QString>("file"); // "plan", "foreign" or "" for a cancelled dialog
        QTest::addColumn<bool>("pageCloses");
        QTest::addColumn<int>("year");
        QTest::newRow("a saved plan") << u"plan"_s << true << 2025;
        QTest::newRow("a file of another program") << u"foreign"_s << true << 0;
        QTest::newRow("dialog cancelled") << QString() << false << 0;
    }
    void firstPageOpensAFile() {
        QFETCH(QString, file);
        QFETCH(bool, pageCloses);
        QFETCH(int, year);
        QTemporaryDir dir;
        QString path;
        if (file == u"plan") {
            AppState saved;
            subInitApp(saved);
            setUpPlan(saved, 2025);
            saved.strFileName = path = dir.filePath(u"plan.zr2"_s);
            QVERIFY(subSaveFile(saved).ok());
        } else if (file == u"foreign") {
            path = dir.filePath(u"other.zr2"_s);
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("something else\r\n");
        }

        UiHarness h;
        QSignalSpy changes(&h.document, &ClassDocument::changed);
        QPointer<frmWiz0> wiz0 = openPage<frmWiz0>(h);
        MIRUNE_FIND(oldFile, QRadioButton, wiz0, u"optWiz0NewOrOld_1"_s);
        MIRUNE_FIND(next, QPushButton, wiz0, u"cmdWiz0Next"_s);
        MIRUNE_CLICK(oldFile);
        h.dialogs.expectOpenFile(path);
        if (file == u"foreign")
            h.dialogs.expectMessage(u"「トワラ2002」のデータファイルではありません"_s);
        MIRUNE_CLICK(next);
        MIRUNE_VERIFY_DIALOGS(h.dialogs);
        if (pageCloses) {
            QTRY_VERIFY(wiz0.isNull());
            QVERIFY(openWindowNames(h).isEmpty());
            // A file that cannot be read leaves the plan as it was: nothing is replaced.
            QCOMPARE(changesTouching(changes, PlanChange::Replaced).size(), year ? 1 : 0);
        } else {
            QVERIFY(wiz0 && wiz0->isVisible());
            QCOMPARE(changes.count(), 0);
        }
        QCOMPARE(h.state.intYear, year);
        QCOMPARE(h.state.strFileName, year ? path : QString());
    }

    void eachButtonLeavesAsTheTableSays_data() {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("target"); // empty: the wizard ends
        QTest::newRow("first page, 次へ with 新規作成")
            << u"frmWiz0"_s << u"cmdWiz0Next"_s << u"frmWiz2"_s;
        QTest::newRow("first page, 設定の終了") << u"frmWiz0"_s << u"Command1"_s << QString();
        QTest::newRow("class page, 前へ") << u"frmWiz2"_s << u"cmdWiz2Before"_s << u"frmWiz0"_s;
        QTest::newRow("class page, 次へ") << u"frmWiz2"_s << u"cmdWiz2Next"_s << u"frmWiz3"_s;
        QTest::newRow("class page, 設定の終了") << u"frmWiz2"_s << u"cmdWiz2Cancel"_s << QString();
        QTest::newRow("calendar, 前へ") << u"frmWiz3"_s << u"cmdWiz3Before"_s << u"frmWiz2"_s;
        QTest::newRow("calendar, 次へ") << u"frmWiz3"_s << u"cmdWiz3Next"_s << u"frmWiz5"_s;
        QTest::newRow("calendar, 設定の終了") << u"frmWiz3"_s << u"cmdWiz3Cancel"_s << QString();
    }
    void eachButtonLeavesAsTheTableSays() {
        QFETCH(QString, page);
        QFETCH(QString, button);
        QFETCH(QString, target);
        UiHarness h;
        setUpPlan(h.state, 2026);
        QPointer<QWidget> window = openByName(h, page);
        QVERIFY(window);
        MIRUNE_FIND(b, QPushButton, window, button);
        MIRUNE_CLICK(b);
        QTRY_VERIFY(window.isNull());
        QCOMPARE(openWindowNames(h), target.isEmpty() ? QStringList() : QStringList{target});
        if (target == u"frmWiz5") // the timetable page starts on timetable A
            QCOMPARE(h.windows.find<frmWiz5>()->editedTimetable(), TimetableChoice::A);
        MIRUNE_VERIFY_DIALOGS(h.dialogs);
    }

    void throughTheSequenceAndBack() {
        UiHarness h;
        QPointer<frmWiz0> wiz0 = openPage<frmWiz0>(h);
        MIRUNE_FIND(next0, QPushButton, wiz0, u"cmdWiz0Next"_s);
        MIRUNE_CLICK(next0);
        QTRY_VERIFY(wiz0.isNull());

        // Class page: the fifth year, grade 4, class 3, a teacher, and a later summer vacation.
        QPointer<frmWiz2> wiz2 = h.windows.find<frmWiz2>();
        QVERIFY(wiz2 && QTest::qWaitForWindowActive(wiz2));
        MIRUNE_FIND(year, QComboBox, wiz2, u"cboWiz1Year"_s);
        MIRUNE_FIND(grade, QComboBox, wiz2, u"cboWiz1Class_0"_s);
        MIRUNE_FIND(klass, QComboBox, wiz2, u"cboWiz1Class_1"_s);
        MIRUNE_FIND(teacher, QLineEdit, wiz2, u"txtWiz1Teacher"_s);
        MIRUNE_FIND(summer, QComboBox, wiz2, u"cboWiz2Holiday_1"_s);
        year->setCurrentIndex(4);
        emit year->activated(4);
        QCOMPARE(h.state.intYear, 2006);
        grade->setEditText(u"4"_s);
        klass->setEditText(u"3"_s);
        teacher->setText(u"佐藤"_s);
        summer->setEditText(u"22"_s);
        MIRUNE_FIND(next2, QPushButton, wiz2, u"cmdWiz2Next"_s);
        MIRUNE_CLICK(next2);
        QTRY_VERIFY(wiz2.isNull());
        QCOMPARE(h.state.intGrade, 4);
        QCOMPARE(h.state.strClass, u"3"_s);
        QCOMPARE(h.state.strTeacher, u"佐藤"_s);
        QCOMPARE(h.state.dateHoliday[2], QDate(2006, 7, 22));

        // Holiday calendar of 2006, then on to timetable A.
        QPointer<frmWiz3> wiz3 = h.windows.find<frmWiz3>();
        QVERIFY(wiz3 && QTest::qWaitForWindowActive(wiz3));
        MIRUNE_FIND(firstTerm, MonthRow, wiz3, u"mvWiz3Calendar_0"_s);
        QCOMPARE(firstTerm->first(), QDate(2006, 4, 1));
        MIRUNE_FIND(next3, QPushButton, wiz3, u"cmdWiz3Next"_s);
        MIRUNE_CLICK(next3);
        QTRY_VERIFY(wiz3.isNull());
        QCOMPARE(openWindowNames(h), QStringList{u"frmWiz5"_s});
        h.windows.find<frmWiz5>()->close();

        // Back from the calendar: the class page shows what was stored.
        wiz3 = openPage<frmWiz3>(h);
        MIRUNE_FIND(before3, QPushButton, wiz3, u"cmdWiz3Before"_s);
        MIRUNE_CLICK(before3);
        QTRY_VERIFY(wiz3.isNull());
        wiz2 = h.windows.find<frmWiz2>();
        QVERIFY(wiz2 && QTest::qWaitForWindowActive(wiz2));
        MIRUNE_FIND(yearAgain, QComboBox, wiz2, u"cboWiz1Year"_s);
        MIRUNE_FIND(gradeAgain, QComboBox, wiz2, u"cboWiz1Class_0"_s);
        MIRUNE_FIND(summerAgain, QComboBox, wiz2, u"cboWiz2Holiday_1"_s);
        QCOMPARE(yearAgain->currentIndex(), 4);
        QCOMPARE(gradeAgain->currentText(), u" 4"_s);
        QCOMPARE(summerAgain->currentText(), u" 22"_s);
        MIRUNE_FIND(before2, QPushButton, wiz2, u"cmdWiz2Before"_s);
        MIRUNE_CLICK(before2);
        QTRY_VERIFY(wiz2.isNull());
        QCOMPARE(openWindowNames(h), QStringList{u"frmWiz0"_s});
        MIRUNE_VERIFY_DIALOGS(h.dialogs);
    }
};

QTEST_MAIN(WizardFlowTest)
#include "wizard_flow_test.moc"
