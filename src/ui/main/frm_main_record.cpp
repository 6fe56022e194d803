// The main window's recording menu: 元に戻す and やり直し over the document's steps, まとめて登録,
// この日の入力を取り消す, and what the window tells when a settings page changed the plan or the
// recovery copy stopped working.

#include "dlg_register_range.h"
#include "document/class_document.h"
#include "frm_main.h"
#include "model/week_view.h"
#include "month_calendar.h"
#include "ui/common/dialogs.h"
#include "ui/common/windows.h"
#include "week_grid.h"

#include <QAction>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QUndoStack>

namespace mirune::ui {

using namespace Qt::StringLiterals;

namespace {

const QString kUndo = u"元に戻す(&U)"_s;
const QString kRedo = u"やり直し(&R)"_s;
const QString kRegistered =
    u"%1 日を登録しました。元に戻すときは［編集］の［元に戻す］を選んでください。"_s;
const QString kUndone = u"元に戻しました：%1"_s;
const QString kRedone = u"やり直しました：%1"_s;
const QString kKeptOverSwitch =
    u"%1 は入力中の授業をそのまま残しています（登録前）。時間割 %2 のとおりに戻すには、"
    u"その日を選んで［編集］の［この日の入力を取り消す］を選んでください。"_s;
const QString kNotProtected = u"保存していない入力は、次に保存するまで守られていません"
                              u"（プログラムが異常終了すると失われます）。\n%1"_s;

} // namespace

QUndoStack *frmMain::undoStack() const {
    return m_ui.document.undoStack();
}

void frmMain::buildRecordMenu() {
    QUndoStack *undo = m_ui.document.undoStack();
    QMenu *record = new QMenu(u"編集(&R)"_s, this);
    record->setObjectName(u"mnuRecord"_s);
    // Beside the File menu, where a teacher looks for 元に戻す; the other menus keep their
    // places and captions.
    const QList<QAction *> menus = menuBar()->actions();
    menuBar()->insertMenu(menus.size() > 1 ? menus[1] : nullptr, record);

    m_undoAction = record->addAction(kUndo);
    m_undoAction->setObjectName(u"mnuRecordUndo"_s);
    m_undoAction->setShortcut(QKeySequence::Undo);
    m_undoAction->setEnabled(undo->canUndo());
    connect(m_undoAction, &QAction::triggered, this, [this, undo] {
        const QString step = undo->undoText();
        undo->undo();
        setNote(kUndone.arg(step));
    });
    m_redoAction = record->addAction(kRedo);
    m_redoAction->setObjectName(u"mnuRecordRedo"_s);
    m_redoAction->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    m_redoAction->setEnabled(undo->canRedo());
    connect(m_redoAction, &QAction::triggered, this, [this, undo] {
        const QString step = undo->redoText();
        undo->redo();
        setNote(kRedone.arg(step));
    });
    // The step each would take back or do again, named after the menu item.
    const auto name = [](QAction *action, const QString &item, const QString &step) {
        action->setText(step.isEmpty() ? item : item + u'：' + step);
    };
    connect(undo, &QUndoStack::canUndoChanged, m_undoAction, &QAction::setEnabled);
    connect(undo, &QUndoStack::canRedoChanged, m_redoAction, &QAction::setEnabled);
    connect(undo, &QUndoStack::undoTextChanged, this,
            [this, name](const QString &step) { name(m_undoAction, kUndo, step); });
    connect(undo, &QUndoStack::redoTextChanged, this,
            [this, name](const QString &step) { name(m_redoAction, kRedo, step); });

    record->addSeparator()->setObjectName(u"mnuRecordBar0"_s);
    m_rangeAction = record->addAction(u"まとめて登録(&M)..."_s);
    m_rangeAction->setObjectName(u"mnuRecordRange"_s);
    connect(m_rangeAction, &QAction::triggered, this, [this] { registerRange(); });
    m_clearDayAction = record->addAction(u"この日の入力を取り消す(&C)"_s);
    m_clearDayAction->setObjectName(u"mnuRecordClearDay"_s);
    m_clearDayAction->setEnabled(false);
    connect(m_clearDayAction, &QAction::triggered, this, &frmMain::clearChosenDay);

    connect(&m_ui.document, &ClassDocument::protectionFailed, this, &frmMain::protectionFailed);
}

frmMain::~frmMain() = default;

void frmMain::planChanged(const PlanChange &change) {
    using P = PlanChange;
    if (change.parts & P::Replaced) {
        m_calendarYear = 0; // another plan: the marks are made again
        setNote(QString());
        refreshFromState();
        m_grid->redraw();
        if (m_ui.document.isReadOnly())
            setNote(
                u"「%1」を読み取り専用で開いています。保存するときは［名前を付けて保存］で"
                u"別の名前を付けてください。"_s.arg(QFileInfo(m_ui.state.strFileName).fileName()));
        return;
    }
    if (change.parts & P::File)
        refreshFileMenu();
    if (change.parts & P::Holidays)
        m_calendarYear = 0; // the marks are made again
    if (change.parts & (P::Class | P::Holidays | P::Plans | P::Timetables)) {
        // A class settled again may be another school year: everything follows it.
        if (change.parts & P::Class)
            refreshFromState();
        else if (change.parts & P::Holidays)
            refreshCalendar();
        refreshPalette();
        followSettings();
        refreshPace(); // a plan or the school days changed the pace
        return;
    }
    if (change.parts & (P::Days | P::Entries)) {
        if (change.dates.isEmpty())
            m_grid->redraw();
        else
            m_grid->redrawDays(change.dates);
        refreshRecordMenu();
        if (change.parts & P::Days) {
            refreshPalette(); // the palette follows the codes used
            refreshPace();
        }
        if (change.replayed)
            stepReplayed(change.dates);
    }
}

void frmMain::stepReplayed(const QList<QDate> &dates) {
    for (const QDate &date : dates)
        if (m_grid->columnOf(date) >= 0)
            return;
    // The step belongs to another week: that week is shown, as choosing it would.
    if (!dates.isEmpty())
        drawWeek(dates.front(), false);
}

void frmMain::timetableChosen(bool useB) {
    m_grid->setTimetableB(useB); // redrawn as the document tells
    setNote(QString());
    const QList<QDate> entered = m_ui.document.enteredDays();
    if (!entered.isEmpty())
        setNote(kKeptOverSwitch.arg(daysText(entered), useB ? u"B"_s : u"A"_s));
    refreshRecordMenu();
}

void frmMain::registerRange() {
    if (m_ui.state.intYear == 0)
        return;
    const bool fresh = !m_ui.windows.find<dlgRegisterRange>();
    dlgRegisterRange *dialog = m_ui.windows.open<dlgRegisterRange>();
    if (!fresh)
        return;
    dialog->prepare(m_ui.document.timetable(), m_ui.document.enteredDays());
    connect(dialog, &dlgRegisterRange::registerChosen, this, &frmMain::registerDays);
}

void frmMain::registerDays(const QList<QDate> &chosen, TimetableChoice timetable) {
    // A day whose lessons are being entered is the teacher's to register, also when the
    // entering began while the dialog was open: the document leaves it out.
    const QList<QDate> registered = m_ui.document.registerDays(chosen, timetable);
    if (!registered.isEmpty())
        setNote(kRegistered.arg(registered.size()));
}

void frmMain::clearChosenDay() {
    m_ui.document.clearEntries(m_calendar->selectedDate());
    refreshRecordMenu();
}

void frmMain::refreshRecordMenu() {
    const QDate chosen = m_calendar->selectedDate();
    m_clearDayAction->setEnabled(m_ui.state.intYear != 0 && m_ui.document.column(chosen).kind ==
                                                                ClassDocument::ColumnKind::Entered);
}

void frmMain::protectionFailed(const QString &why) {
    const QString text = kNotProtected.arg(why);
    appendNote(text);
    m_ui.dialogs.message(this, MessageKind::Warning, caption(), text);
}

} // namespace mirune::ui
