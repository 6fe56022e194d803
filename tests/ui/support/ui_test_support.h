#pragma once

#include "document/class_document.h"
#include "model/app_state.h"
#include "scripted_dialogs.h"
#include "ui/common/session_printer.h"
#include "ui/common/ui_context.h"
#include "ui/common/windows.h"

#include <QAbstractButton>
#include <QApplication>
#include <QPrinter>
#include <QSignalSpy>
#include <QTest>
#include <QWidget>
#include <memory>

class QAction;

namespace mirune::ui {
class MonthCalendar;
class MonthView;
} // namespace mirune::ui

namespace mirune::ui::test {

// One window set for one test function: a fresh state after start-up, its document, scripted
// dialogs, the windows and a printer, with today fixed.
struct UiHarness {
    explicit UiHarness(const QDate &today = QDate(2026, 4, 8));
    ~UiHarness();

    // Tells the windows that the test changed these parts of the state itself, as the document
    // tells its own changes.
    void tell(PlanChange::Parts parts, const QList<QDate> &dates = {});

    AppState state;
    ScriptedDialogs dialogs;
    Windows windows;
    SessionPrinter sessionPrinter;
    // The session's printer, made at once so that a test can set it up before a window uses it.
    QPrinter &printer = sessionPrinter.get();
    ClassDocument document{state};
    UiContext ui;
};

// Sets up a test program: the Japanese locale and the settings store in test mode. Call from
// initTestCase().
void initUiTestCase();

// The child of `root` with this object name, or nullptr (with the reason as a test failure
// message through QVERIFY2 in the macros below).
QObject *findNamed(const QObject *root, const QString &name);

// Names of the visible controls that take the keyboard focus but have no accessible name, and no
// text a screen reader would read instead.
QStringList unnamedControls(const QWidget *root);

// The changes a spy on ClassDocument::changed caught that touched any of `parts`.
QList<PlanChange> changesTouching(const QSignalSpy &spy, PlanChange::Parts parts);

// Clicks a day of a calendar as a user would, at the centre of the day's cell.
bool clickDate(MonthCalendar *calendar, const QDate &date);
bool clickDate(MonthView *calendar, const QDate &date);

// Every top-level window that is open, of a type.
template <class W> W *openWindow() {
    for (QWidget *w : QApplication::topLevelWidgets())
        if (auto *found = qobject_cast<W *>(w); found && found->isVisible())
            return found;
    return nullptr;
}

} // namespace mirune::ui::test

// Type *var = the control named `name` under `root`; fails the test when there is none.
#define MIRUNE_FIND(var, Type, root, name)                                                         \
    auto *var = qobject_cast<Type *>(::mirune::ui::test::findNamed((root), (name)));               \
    QVERIFY2(var, qPrintable(QStringLiteral("no %1 named %2").arg(QLatin1String(#Type), (name))))

// Clicks a button as a user can: only when it is visible and enabled.
#define MIRUNE_CLICK(button)                                                                       \
    do {                                                                                           \
        QVERIFY2((button)->isVisible(),                                                            \
                 qPrintable((button)->objectName() + QStringLiteral(" is hidden")));               \
        QVERIFY2((button)->isEnabled(),                                                            \
                 qPrintable((button)->objectName() + QStringLiteral(" is disabled")));             \
        QTest::mouseClick((button), Qt::LeftButton);                                               \
    } while (false)

// Triggers a menu action by object name, when it is enabled.
#define MIRUNE_TRIGGER(root, name)                                                                 \
    do {                                                                                           \
        MIRUNE_FIND(action_, QAction, (root), (name));                                             \
        QVERIFY2(action_->isEnabled(),                                                             \
                 qPrintable(QString(name) + QStringLiteral(" is disabled")));                      \
        action_->trigger();                                                                        \
    } while (false)

// Fails the test when the dialogs were asked something unexpected or an answer is left over.
#define MIRUNE_VERIFY_DIALOGS(dialogs)                                                             \
    do {                                                                                           \
        const QString problems_ = (dialogs).verify();                                              \
        QVERIFY2(problems_.isEmpty(), qPrintable(problems_));                                      \
    } while (false)
