// The main window's recording work as steps that can be taken back (元に戻す, やり直し), and the
// watch over changes of the plan that ends those steps when a settings page changes the plan.

#include "dlg_register_range.h"
#include "frm_main.h"
#include "model/day_snapshot.h"
#include "model/week_view.h"
#include "storage/data_file.h"
#include "ui/common/state_events.h"
#include "ui/common/windows.h"
#include "week_grid.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QScopedValueRollback>
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
const QString kStepsCleared = u"設定が変わったため、それまでの入力は元に戻せなくなりました。"_s;

} // namespace

void frmMain::buildRecordMenu() {
    m_undo = new QUndoStack(this);
    m_undo->setObjectName(u"undoStack"_s);

    QMenu *record = new QMenu(u"編集(&R)"_s, this);
    record->setObjectName(u"mnuRecord"_s);
    // Beside the File menu, where a teacher looks for 元に戻す; the other menus keep their
    // places and captions.
    const QList<QAction *> menus = menuBar()->actions();
    menuBar()->insertMenu(menus.size() > 1 ? menus[1] : nullptr, record);

    m_undoAction = record->addAction(kUndo);
    m_undoAction->setObjectName(u"mnuRecordUndo"_s);
    m_undoAction->setShortcut(QKeySequence::Undo);
    m_undoAction->setEnabled(false);
    connect(m_undoAction, &QAction::triggered, this, [this] {
        const QString step = m_undo->undoText();
        m_undo->undo();
        setNote(kUndone.arg(step));
    });
    m_redoAction = record->addAction(kRedo);
    m_redoAction->setObjectName(u"mnuRecordRedo"_s);
    m_redoAction->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    m_redoAction->setEnabled(false);
    connect(m_redoAction, &QAction::triggered, this, [this] {
        const QString step = m_undo->redoText();
        m_undo->redo();
        setNote(kRedone.arg(step));
    });
    // The step each would take back or do again, named after the menu item.
    const auto name = [](QAction *action, const QString &item, const QString &step) {
        action->setText(step.isEmpty() ? item : item + u'：' + step);
    };
    connect(m_undo, &QUndoStack::canUndoChanged, m_undoAction, &QAction::setEnabled);
    connect(m_undo, &QUndoStack::canRedoChanged, m_redoAction, &QAction::setEnabled);
    connect(m_undo, &QUndoStack::undoTextChanged, this,
            [this, name](const QString &step) { name(m_undoAction, kUndo, step); });
    connect(m_undo, &QUndoStack::redoTextChanged, this,
            [this, name](const QString &step) { name(m_redoAction, kRedo, step); });

    record->addSeparator()->setObjectName(u"mnuRecordBar0"_s);
    m_rangeAction = record->addAction(u"まとめて登録(&M)..."_s);
    m_rangeAction->setObjectName(u"mnuRecordRange"_s);
    connect(m_rangeAction, &QAction::triggered, this, [this] { registerRange(); });
}

frmMain::~frmMain() {
    // The steps go before the window's members do: a stack dropped among the children clears
    // itself and tells its watchers, whose handlers would then run on a window already taken
    // apart.
    delete m_undo;
    m_undo = nullptr;
}

void frmMain::columnAboutToChange(int column, const QString &what) {
    m_pendingDate = m_grid->dateColumnDay()[column];
    m_pendingStep = {fncDaySnapshot(*m_ui.state.objFirstDay, m_pendingDate),
                     m_grid->columnContent(column)};
    m_pendingWhat = what;
}

void frmMain::columnChanged(int column) {
    const QDate date = m_grid->dateColumnDay()[column];
    if (date != m_pendingDate)
        return;
    ColumnStep after{fncDaySnapshot(*m_ui.state.objFirstDay, date), m_grid->columnContent(column)};
    if (fncSameDay(after.day, m_pendingStep.day) && after.cells == m_pendingStep.cells)
        return;
    auto *step = new ColumnCommand(date, std::move(m_pendingStep), std::move(after),
                                   fncColumnHeading(date) + u' ' + m_pendingWhat,
                                   [this](const QDate &d, const ColumnStep &s, bool dayChanged) {
                                       applyColumnStep(d, s, dayChanged);
                                   });
    const bool changesDay = step->changesDay();
    m_pendingDate = QDate();
    m_undo->push(step);
    if (changesDay)
        noteStateChange();
}

void frmMain::applyColumnStep(const QDate &date, const ColumnStep &step, bool dayChanged) {
    if (dayChanged)
        subRestoreDaySnapshot(*m_ui.state.objFirstDay, date, step.day);
    int column = m_grid->columnOf(date);
    if (column < 0) {
        // The step belongs to another week: that week is shown, as choosing it would.
        drawWeek(date, false);
        column = m_grid->columnOf(date);
    } else if (dayChanged) {
        m_grid->redrawColumn(column);
    }
    if (column >= 0)
        m_grid->setColumnContent(column, step.cells);
    if (dayChanged) {
        announceOwnDays(date);
        noteStateChange();
    }
}

void frmMain::applyDays(const QList<QDate> &dates, const QList<DayRef> &records) {
    for (qsizetype i = 0; i < dates.size(); ++i)
        subRestoreDaySnapshot(*m_ui.state.objFirstDay, dates[i], records.value(i));
    m_grid->redrawKeepingEdits();
    announceOwnDays(QDate());
    noteStateChange();
}

void frmMain::announceOwnDays(const QDate &date) {
    const QScopedValueRollback<bool> guard(m_announcingOwnChange, true);
    emit m_ui.events.daysChanged(date);
}

void frmMain::settingsNotice() {
    followSettings();
    if (!noteStateChange() || m_undo->count() == 0)
        return;
    // The steps were taken on the plan as it was; undone on another they could mislead.
    m_undo->clear();
    setNote(m_note->isVisible() ? m_note->text() + u'\n' + kStepsCleared : kStepsCleared);
}

void frmMain::registerRange() {
    if (m_ui.state.intYear == 0)
        return;
    const bool fresh = !m_ui.windows.find<dlgRegisterRange>();
    dlgRegisterRange *dialog = m_ui.windows.open<dlgRegisterRange>();
    if (!fresh)
        return;
    QList<QDate> entered;
    for (int d = 0; d < WeekGrid::kDays; ++d)
        if (m_grid->isColumnEdited(d))
            entered.append(m_grid->dateColumnDay()[d]);
    dialog->prepare(m_optionB->isChecked() ? TimetableChoice::B : TimetableChoice::A, entered);
    connect(dialog, &dlgRegisterRange::registerChosen, this, &frmMain::registerDays);
}

void frmMain::registerDays(const QList<QDate> &chosen, TimetableChoice timetable) {
    // A day whose lessons are being entered is the teacher's to register, also when the
    // entering began while the dialog was open.
    QList<QDate> days = chosen;
    for (int d = 0; d < WeekGrid::kDays; ++d)
        if (m_grid->isColumnEdited(d))
            days.removeAll(m_grid->dateColumnDay()[d]);
    if (days.isEmpty())
        return;
    ZuriDayTime &head = *m_ui.state.objFirstDay;
    QList<DayRef> before;
    before.reserve(days.size());
    for (const QDate &d : days)
        before.append(fncDaySnapshot(head, d));
    subRegisterDays(m_ui.state, days, timetable);
    QList<DayRef> after;
    after.reserve(days.size());
    for (const QDate &d : days)
        after.append(fncDaySnapshot(head, d));
    const QString text = u"%1～%2 まとめて登録（%3 日）"_s
                             .arg(fncColumnHeading(days.front()), fncColumnHeading(days.back()))
                             .arg(days.size());
    m_undo->push(new RangeCommand(days, std::move(before), std::move(after), text,
                                  [this](const QList<QDate> &dates, const QList<DayRef> &records) {
                                      applyDays(dates, records);
                                  }));
    m_grid->redrawKeepingEdits();
    announceOwnDays(QDate());
    noteStateChange();
    setNote(kRegistered.arg(days.size()));
}

bool frmMain::noteStateChange() {
    if (m_ui.state.intYear == 0)
        return false;
    const EncodeResult encoded = encodeDataFile(m_ui.state);
    if (encoded.bytes == m_fingerprint)
        return false;
    m_fingerprint = encoded.bytes;
    writeRecoveryCopy();
    return true;
}

void frmMain::takeStateAsSaved() {
    m_fingerprint = m_ui.state.intYear == 0 ? QByteArray() : encodeDataFile(m_ui.state).bytes;
    m_savedBytes = m_fingerprint;
}

} // namespace mirune::ui
