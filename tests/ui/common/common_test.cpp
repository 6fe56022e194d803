// What the windows share: the scripted dialogs, control arrays, subject icons and buttons, the
// month row and the window registry.
#include "model/hour_fields.h"
#include "support/ui_test_support.h"
#include "ui/common/control_array.h"
#include "ui/common/month_row.h"
#include "ui/common/subject_button.h"
#include "ui/common/subject_icons.h"
#include "ui/common/window_placement.h"
#include "ui/common/wrapped_label.h"

#include <QLabel>
#include <QSignalSpy>
#include <QTest>
#include <set>

using namespace mirune;
using namespace mirune::ui;
using namespace mirune::ui::test;
using namespace Qt::StringLiterals;

namespace {

// A window kind for the registry tests.
class Page : public QWidget {
    Q_OBJECT
  public:
    explicit Page(UiContext &) {}
};
class OtherPage : public QWidget {
    Q_OBJECT
  public:
    explicit OtherPage(UiContext &) {}
};

} // namespace

class CommonTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { initUiTestCase(); }

    void scriptedDialogsAnswerInOrder() {
        ScriptedDialogs dialogs;
        dialogs.expectMessage(u"保存"_s, Dialogs::Answer::No).expectSaveFile(u"/tmp/x.zr2"_s);
        QCOMPARE(dialogs.message(nullptr, MessageKind::YesNoCancel, u"ミルネ2002"_s,
                                 u"保存しますか？"_s),
                 Dialogs::Answer::No);
        QCOMPARE(dialogs.saveFileName(nullptr, u"ファイル名を付けて保存"_s, dataFileFilter()),
                 u"/tmp/x.zr2"_s);
        QVERIFY(dialogs.verify().isEmpty());
    }

    void scriptedDialogsRefuseTheUnexpected() {
        ScriptedDialogs dialogs;
        dialogs.expectOpenFile(u"/tmp/a.zr2"_s);
        // A question nobody expected is refused with Cancel and reported, and the open dialog
        // that was expected is then reported as never asked.
        QCOMPARE(dialogs.message(nullptr, MessageKind::YesNoCancel, u"t"_s, u"q"_s),
                 Dialogs::Answer::Cancel);
        const QString problems = dialogs.verify();
        QVERIFY(problems.contains(u"unexpected message"_s));
        QVERIFY(problems.contains(u"never came"_s));
    }

    void controlArrayNamesCarryTheIndex() {
        QWidget parent;
        const auto labels = makeControlArray<QLabel, 40>(&parent, u"labWeekCredit"_s);
        QCOMPARE(labels[0]->objectName(), u"labWeekCredit_0"_s);
        QCOMPARE(labels[39]->objectName(), u"labWeekCredit_39"_s);
        QCOMPARE(parent.findChild<QLabel *>(u"labWeekCredit_17"_s), labels[17]);
    }

    void everySubjectHasAnIconOfItsOwnColour() {
        std::set<QRgb> colours;
        int subjects = 0;
        for (const SubjectInfo &info : subjectTable()) {
            if (info.code.isNull()) {
                QVERIFY(subjectIcon(info.code).isNull());
                continue;
            }
            ++subjects;
            QVERIFY(!subjectIcon(info.code).isNull());
            QCOMPARE(subjectPointerPixmap(info.code).size(), QSize(32, 32));
            QVERIFY2(subjectColour(info.code) != QColor(Qt::gray),
                     qPrintable(info.fullName.toString()));
            colours.insert(subjectColour(info.code).rgb());
        }
        QCOMPARE(static_cast<int>(colours.size()), subjects);
        QVERIFY(subjectIcon(QChar(0x3000)).isNull());
    }

    // Teachers know the subjects by their colours: the rows added to the subject table after
    // 2002 must not recolour the subjects that were there.
    void subjectsKeepTheirColours_data() {
        QTest::addColumn<QChar>("code");
        QTest::addColumn<QRgb>("colour");
        const std::pair<char16_t, QRgb> known[] = {
            {u'国', 0xd75959}, {u'社', 0x59d77c}, {u'算', 0xa259d7}, {u'理', 0xd7c659},
            {u'生', 0x59c2d7}, {u'音', 0xd7599e}, {u'図', 0x78d759}, {u'家', 0x5d59d7},
            {u'体', 0xd78359}, {u'総', 0x59d7a7}, {u'道', 0xcc59d7}, {u'学', 0xbed759},
            {u'ク', 0x5998d7}, {u'児', 0xd75974}, {u'行', 0x59d763}, {u'切', 0x8759d7},
            {u'予', 0xd7ad59},
        };
        for (const auto &[code, colour] : known)
            QTest::newRow(QString(QChar(code)).toUtf8().constData()) << QChar(code) << colour;
    }
    void subjectsKeepTheirColours() {
        QFETCH(QChar, code);
        QFETCH(QRgb, colour);
        QCOMPARE(subjectColour(code).rgb() & 0xffffff, colour);
    }

    // The icon is drawn at the size a control asks for, in device pixels, so that it stays sharp
    // at 200 %; a disabled control gets it greyed.
    void subjectIconIsDrawnAtTheAskedSize() {
        const QIcon icon = subjectIcon(u'国');
        QCOMPARE(icon.pixmap(QSize(24, 24)).size(), QSize(24, 24));
        QCOMPARE(icon.pixmap(QSize(24, 24), 2.0).size(), QSize(48, 48));
        QCOMPARE(icon.pixmap(QSize(40, 30)).size(), QSize(30, 30));
        const QImage normal = icon.pixmap(QSize(32, 32)).toImage();
        const QImage disabled = icon.pixmap(QSize(32, 32), QIcon::Disabled).toImage();
        // A point on the coloured square, left of the character.
        const QRgb coloured = normal.pixel(4, 16);
        const QRgb greyed = disabled.pixel(4, 16);
        QVERIFY(qRed(coloured) != qGreen(coloured) || qGreen(coloured) != qBlue(coloured));
        QVERIFY(qAlpha(greyed) > 0);
        QCOMPARE(qRed(greyed), qGreen(greyed)); // no colour left
        QCOMPARE(qGreen(greyed), qBlue(greyed));
    }

    // A wrapped label answers as a plain label would, and again after its text changes.
    void wrappedLabelHeightFollowsItsText() {
        const QString shortText = u"実績の入力をします。"_s;
        const QString longText = shortText.repeated(12);
        WrappedLabel label(longText);
        QLabel plain(longText);
        plain.setWordWrap(true);
        for (int width : {120, 240, 480, 120})
            QCOMPARE(label.heightForWidth(width), plain.heightForWidth(width));
        const int tall = label.heightForWidth(120);
        label.setText(shortText);
        QVERIFY(label.heightForWidth(120) < tall);
    }

    // The button carries the code; the name, the picture and the accessible name are looked up
    // from the subject table as it draws them.
    void subjectButtonKeepsPictureCaptionAndNameTogether() {
        SubjectButton button;
        button.setAccessiblePrefix(u"月曜 3時限"_s);
        QSignalSpy changed(&button, &SubjectButton::codeChanged);
        button.setCode(u'国');
        QCOMPARE(button.code(), u'国');
        QCOMPARE(button.text(), u"国語"_s);
        QVERIFY(!button.icon().isNull());
        QCOMPARE(button.accessibleName(), u"月曜 3時限 国語"_s);
        button.setCompact(true);
        button.setCode(u'外');
        QCOMPARE(button.text(), u"外活"_s);
        QCOMPARE(button.accessibleName(), u"月曜 3時限 外国語活動"_s);
        button.setCode(kNoSubject); // a blank period of a record is no subject
        QVERIFY(button.code().isNull());
        QVERIFY(button.icon().isNull());
        QCOMPARE(button.accessibleName(), u"月曜 3時限 空き"_s);
        QCOMPARE(changed.count(), 3);
    }

    void monthRowShowsEachMonthAndReportsClicks() {
        MonthRow row(QDate(2026, 4, 1), QDate(2026, 7, 31));
        row.show();
        QVERIFY(QTest::qWaitForWindowExposed(&row));
        QCOMPARE(row.calendars().size(), std::size_t(4));
        QCOMPARE(row.calendars()[3]->accessibleName(), u"2026年7月"_s);
        QCOMPARE(row.calendarFor(QDate(2026, 5, 20)), row.calendars()[1]);
        QVERIFY(!row.calendarFor(QDate(2026, 8, 1)));

        QSignalSpy clicked(&row, &MonthRow::dateClicked);
        QVERIFY(clickDate(row.calendarFor(QDate(2026, 5, 20)), QDate(2026, 5, 20)));
        QCOMPARE(clicked.count(), 1);
        QCOMPARE(clicked.at(0).at(0).toDate(), QDate(2026, 5, 20));
        QCOMPARE(row.selectedDate(), QDate(2026, 5, 20));

        // One chosen day in the row: choosing in another month clears the first.
        QVERIFY(clickDate(row.calendarFor(QDate(2026, 7, 1)), QDate(2026, 7, 1)));
        QCOMPARE(row.selectedDate(), QDate(2026, 7, 1));
        QVERIFY(!row.calendars()[1]->selectedDate().isValid());
        QVERIFY(row.calendars()[1]->accessibleDescription().isEmpty());
        QVERIFY(row.calendars()[3]->accessibleDescription().startsWith(u"7月1日"_s));

        row.setDayFormat(QDate(2026, 4, 29), false, u"昭和の日"_s);
        QCOMPARE(row.calendars()[0]->toolTip(QDate(2026, 4, 29)), u"昭和の日"_s);
        row.setDayFormat(QDate(2026, 4, 30), true);
        QVERIFY(row.calendars()[0]->isBold(QDate(2026, 4, 30)));
        row.clearDayFormats();
        QVERIFY(!row.calendars()[0]->isBold(QDate(2026, 4, 30)));
        QVERIFY(row.calendars()[0]->toolTip(QDate(2026, 4, 29)).isEmpty());

        // Moved to the next year, the sheets show its months, plain.
        row.setDayFormat(QDate(2026, 5, 1), true);
        row.setRange(QDate(2027, 4, 1), QDate(2027, 7, 31));
        QCOMPARE(row.calendars()[0]->accessibleName(), u"2027年4月"_s);
        QCOMPARE(row.calendars()[1]->month(), QDate(2027, 5, 1));
        QVERIFY(!row.calendars()[1]->isBold(QDate(2027, 5, 1)));
        QCOMPARE(row.findChildren<QLabel *>().first()->text(), u"2027年4月"_s);
    }

    void storedPlaceIsKeptOnAScreen_data() {
        QTest::addColumn<QRect>("wanted");
        QTest::addColumn<QList<QRect>>("screens");
        QTest::addColumn<QPoint>("placed");
        const QRect laptop(0, 0, 1366, 768);
        const QRect right(1366, 0, 1920, 1080);
        const QList<QRect> one{laptop};
        const QList<QRect> two{laptop, right};
        const QSize window(900, 633);
        QTest::newRow("on the screen") << QRect(QPoint(66, 66), window) << one << QPoint(66, 66);
        QTest::newRow("on the second screen")
            << QRect(QPoint(2000, 100), window) << two << QPoint(2000, 100);
        QTest::newRow("wider than the screen, title bar on it")
            << QRect(QPoint(66, 66), QSize(1500, 633)) << one << QPoint(66, 66);
        QTest::newRow("second screen gone")
            << QRect(QPoint(2000, 100), window) << one << QPoint(466, 100);
        QTest::newRow("monitor on the left gone")
            << QRect(QPoint(-1500, 200), window) << one << QPoint(0, 135);
        QTest::newRow("past the right edge")
            << QRect(QPoint(1300, 50), window) << one << QPoint(466, 50);
        QTest::newRow("title bar above the screen")
            << QRect(QPoint(100, -20), window) << one << QPoint(100, 0);
        QTest::newRow("below the bottom")
            << QRect(QPoint(100, 760), window) << one << QPoint(100, 135);
        QTest::newRow("straddling two screens goes to the larger share")
            << QRect(QPoint(1300, -40), window) << two << QPoint(1366, 0);
    }

    void storedPlaceIsKeptOnAScreen() {
        QFETCH(QRect, wanted);
        QFETCH(QList<QRect>, screens);
        QFETCH(QPoint, placed);
        QCOMPARE(fncPlacedTopLeft(wanted, screens), placed);
    }

    void windowsOpenEachKindOnceAndReplace() {
        UiHarness h;
        Page *page = h.windows.open<Page>();
        QCOMPARE(h.windows.open<Page>(), page);
        QPointer<Page> watched(page);
        OtherPage *other = h.windows.replace<OtherPage>(page);
        QVERIFY(other->isVisible());
        QTRY_VERIFY(watched.isNull());
        QVERIFY(!h.windows.find<Page>());
        QCOMPARE(h.windows.find<OtherPage>(), other);
    }
};

QTEST_MAIN(CommonTest)
#include "common_test.moc"
