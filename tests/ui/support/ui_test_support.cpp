#include "ui_test_support.h"

#include "ui/common/month_view.h"
#include "ui/main/month_calendar.h"

#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QLocale>
#include <QStandardPaths>

namespace mirune::ui::test {

UiHarness::UiHarness(const QDate &today)
    : ui{state, dialogs, windows, sessionPrinter, document, [today] { return today; }} {
    subInitApp(state);
    windows.attach(ui);
}

void UiHarness::tell(PlanChange::Parts parts, const QList<QDate> &dates) {
    emit document.changed(PlanChange{parts, dates, false});
}

UiHarness::~UiHarness() {
    windows.closeAll();
    // Let the closed windows go before the state they point at.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QList<PlanChange> changesTouching(const QSignalSpy &spy, PlanChange::Parts parts) {
    QList<PlanChange> touching;
    for (const QList<QVariant> &arguments : spy) {
        const auto change = arguments.front().value<PlanChange>();
        if (change.parts & parts)
            touching.append(change);
    }
    return touching;
}

void initUiTestCase() {
    QLocale::setDefault(QLocale(QLocale::Japanese, QLocale::Japan));
    QStandardPaths::setTestModeEnabled(true);
}

QObject *findNamed(const QObject *root, const QString &name) {
    if (!root)
        return nullptr;
    if (root->objectName() == name)
        return const_cast<QObject *>(root);
    return root->findChild<QObject *>(name);
}

QStringList unnamedControls(const QWidget *root) {
    QStringList unnamed;
    const auto widgets = root->findChildren<QWidget *>();
    for (const QWidget *w : widgets) {
        if (!w->isVisibleTo(const_cast<QWidget *>(root)) || w->focusPolicy() == Qt::NoFocus)
            continue;
        // Parts of a composite control (a combo box's line edit) are named through their owner.
        if (qobject_cast<const QComboBox *>(w->parentWidget()) ||
            qobject_cast<const QAbstractSpinBox *>(w->parentWidget()))
            continue;
        if (w->objectName().startsWith(QLatin1String("qt_")))
            continue;
        QString name = w->accessibleName();
        if (name.isEmpty())
            if (const auto *button = qobject_cast<const QAbstractButton *>(w))
                name = button->text().remove(QLatin1Char('&'));
        if (name.trimmed().isEmpty())
            unnamed << (w->objectName().isEmpty()
                            ? QString::fromLatin1(w->metaObject()->className())
                            : w->objectName());
    }
    return unnamed;
}

bool clickDate(MonthCalendar *calendar, const QDate &date) {
    if (!calendar)
        return false;
    calendar->showMonth(date);
    return clickDate(calendar->sheet(), date);
}

bool clickDate(MonthView *calendar, const QDate &date) {
    if (!calendar)
        return false;
    const QRect cell = calendar->dayRect(date);
    if (cell.isEmpty())
        return false;
    QTest::mouseClick(calendar, Qt::LeftButton, {}, cell.center());
    return calendar->selectedDate() == date;
}

} // namespace mirune::ui::test
