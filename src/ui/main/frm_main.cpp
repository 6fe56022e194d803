#include "frm_main.h"

#include "document/class_document.h"
#include "help_window.h"
#include "model/class_line.h"
#include "model/curriculum_rows.h"
#include "model/day_notes.h"
#include "model/hours_pace.h"
#include "model/notation.h"
#include "model/school_day.h"
#include "model/week_view.h"
#include "subject_palette.h"
#include "ui/common/dialogs.h"
#include "ui/common/session_printer.h"
#include "ui/common/windows.h"
#include "ui/common/wrapped_label.h"
#include "ui/main/frm_disp_time_table.h"
#include "ui/main/month_calendar.h"
#include "ui/print/frm_print.h"
#include "ui/wizard/frm_wiz0.h"
#include "ui/wizard/frm_wiz2.h"
#include "ui/wizard/frm_wiz3.h"
#include "ui/wizard/frm_wiz4.h"
#include "ui/wizard/frm_wiz5.h"
#include "ui/wizard/year_and_holiday_names.h"
#include "week_grid.h"

#include <QAction>
#include <QBoxLayout>
#include <QEvent>
#include <QFileInfo>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScopedValueRollback>
#include <QStatusBar>
#include <QStringList>
#include <QTimer>
#include <QUndoStack>

namespace mirune::ui {

using namespace Qt::StringLiterals;

QString frmMain::caption() {
    return u"ミルネ2002 Ver2.2.4"_s;
}

frmMain::frmMain(UiContext &ui, QWidget *parent) : QMainWindow(parent), m_ui(ui) {
    setObjectName(u"frmMain"_s);
    setWindowTitle(caption());
    buildMenus();
    buildRecordMenu();
    buildCentre();

    auto *status = new QStatusBar(this);
    status->setObjectName(u"sbStatusBar"_s);
    m_statusPanel = new QLabel(status);
    m_statusPanel->setObjectName(u"sbStatusBar_1"_s);
    status->addWidget(m_statusPanel, 1);
    setStatusBar(status);

    connect(&m_ui.document, &ClassDocument::changed, this, &frmMain::planChanged);
    connect(&m_ui.document, &ClassDocument::copyRestored, this, [this] {
        setNote(u"前回、保存されずに終了した内容を復元しました。まだ保存されていません。"_s);
    });

    restorePlacement();
    refreshFromState();
}

void frmMain::buildMenus() {
    const auto add = [this](QMenu *menu, const QString &name, const QString &text, auto handler) {
        QAction *action = menu->addAction(text);
        action->setObjectName(name);
        connect(action, &QAction::triggered, this, handler);
        return action;
    };
    const auto separator = [](QMenu *menu, const QString &name) {
        menu->addSeparator()->setObjectName(name);
    };

    QMenu *file = menuBar()->addMenu(u"ﾌｧｲﾙ(&F)"_s);
    file->setObjectName(u"mnuFile"_s);
    add(file, u"mnuFileNew"_s, u"新規作成(&N)"_s, [this] {
        fileNew();
    })->setShortcut(QKeySequence::New);
    m_fileOpen = add(file, u"mnuFileOpen"_s, u"開く(&O)..."_s, [this] { fileOpen(); });
    m_fileOpen->setShortcut(QKeySequence::Open);
    add(file, u"mnuFileClose"_s, u"閉じる(&C)"_s, [this] { fileClose(); });
    separator(file, u"mnuFileBar0"_s);
    m_fileSave = add(file, u"mnuFileSave"_s, u"上書き保存(&S)"_s, [this] { fileSave(); });
    m_fileSave->setShortcut(QKeySequence::Save);
    add(file, u"mnuFileSaveAs"_s, u"名前を付けて保存(&A)..."_s, [this] { fileSaveAs(); });
    separator(file, u"mnuFileBar1"_s);
    add(file, u"mnuFilePageSetup"_s, u"ﾍﾟｰｼﾞ設定(&U)..."_s,
        [this] { m_ui.dialogs.pageSetup(this, m_ui.printer.get()); });
    add(file, u"mnuFilePrint"_s, u"印刷(&P)..."_s, [this] {
        m_ui.windows.open<frmPrint>();
    })->setShortcut(QKeySequence::Print);
    separator(file, u"mnuFileBar2"_s);
    add(file, u"mnuFileExit"_s, u"終了(&X)"_s, [this] { fileExit(); });

    QMenu *edit = menuBar()->addMenu(u"設定(&E)"_s);
    edit->setObjectName(u"mnuEdit"_s);
    add(edit, u"mnuEditModifyHoliday"_s, u"学級と休日の変更"_s,
        [this] { m_ui.windows.open<frmWiz2>(); });
    add(edit, u"mnuEditModifySpecial"_s, u"特別な休日の変更"_s,
        [this] { m_ui.windows.open<frmWiz3>(); });
    add(edit, u"mnuEditModifyWeekA"_s, u"週間時間割 A の変更"_s, [this] {
        m_ui.windows.open<frmWiz5>([](frmWiz5 *page) { page->editTimetable(TimetableChoice::A); });
    });
    add(edit, u"mnuEditModifyWeekB"_s, u"週間時間割 B の変更"_s, [this] {
        m_ui.windows.open<frmWiz5>([](frmWiz5 *page) { page->editTimetable(TimetableChoice::B); });
    });
    add(edit, u"mnuEditModifyYear"_s, u"年間授業計画の変更"_s,
        [this] { m_ui.windows.open<frmWiz4>(); });

    QMenu *view = menuBar()->addMenu(u"表示(&V)"_s);
    view->setObjectName(u"mnuView"_s);
    add(view, u"mnuViewShowTimeTable"_s, u"集計表"_s,
        [this] { m_ui.windows.open<frmDispTimeTable>(); });

    QMenu *help = menuBar()->addMenu(u"ﾍﾙﾌﾟ(&H)"_s);
    help->setObjectName(u"mnuHelp"_s);
    add(help, u"mnuHelpContents"_s, u"ﾍﾙﾌﾟ"_s, [this] {
        m_ui.windows.open<HelpWindow>();
    })->setShortcut(QKeySequence::HelpContents);

    // Escape puts the pointer back, as a click beside the cells does.
    auto *deselect = new QAction(this);
    deselect->setObjectName(u"actDeselectSubject"_s);
    deselect->setShortcut(Qt::Key_Escape);
    connect(deselect, &QAction::triggered, this, [this] { m_grid->deselectSubject(); });
    addAction(deselect);
}

void frmMain::buildCentre() {
    auto *centre = new QWidget(this);
    auto *row = new QHBoxLayout(centre);

    // Left: the calendar with a line on the chosen day, the timetable choice, the instruction.
    auto *left = new QVBoxLayout;
    auto *calendarFrame = new QFrame(centre);
    calendarFrame->setObjectName(u"fraCalenderMain"_s);
    auto *calendarBox = new QVBoxLayout(calendarFrame);
    calendarBox->setContentsMargins(0, 0, 0, 0);
    m_calendar = new MonthCalendar(calendarFrame);
    m_calendar->setObjectName(u"MonthView1"_s);
    m_calendar->setCalendarName(u"週を選ぶカレンダー"_s);
    calendarBox->addWidget(m_calendar);
    m_dayNote = new QLabel(calendarFrame);
    m_dayNote->setObjectName(u"lblDayNote"_s);
    calendarBox->addWidget(m_dayNote);
    // What the window has to tell about the teacher's work: entries kept, steps undone.
    m_note = new QLabel(calendarFrame);
    m_note->setObjectName(u"lblMainNote"_s);
    m_note->setWordWrap(true);
    QPalette notePalette = m_note->palette();
    notePalette.setColor(QPalette::WindowText, QColor(0, 70, 150)); // set apart from the day
    m_note->setPalette(notePalette);
    m_note->hide();
    calendarBox->addWidget(m_note);
    // Where the subjects stand against their pace: which are behind, and a link to the months.
    m_pace = new QLabel(calendarFrame);
    m_pace->setObjectName(u"lblMainPace"_s);
    m_pace->setWordWrap(true);
    m_pace->setTextFormat(Qt::RichText);
    m_pace->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    m_pace->setFocusPolicy(Qt::TabFocus);
    m_pace->hide();
    connect(m_pace, &QLabel::linkActivated, this,
            [this] { m_ui.windows.open<frmDispTimeTable>()->showMonthView(); });
    calendarBox->addWidget(m_pace);
    left->addWidget(calendarFrame);

    m_optionA = new QRadioButton(u"A 時間割を採用"_s, centre);
    m_optionA->setObjectName(u"Option1_0"_s);
    m_optionB = new QRadioButton(u"B 時間割を採用"_s, centre);
    m_optionB->setObjectName(u"Option1_1"_s);
    m_optionA->setChecked(true);
    left->addWidget(m_optionA, 0, Qt::AlignLeft);
    left->addWidget(m_optionB, 0, Qt::AlignLeft);
    m_rangeButton = new QPushButton(u"まとめて登録..."_s, centre);
    m_rangeButton->setObjectName(u"cmdRegisterRange"_s);
    m_rangeButton->setToolTip(u"期間の授業日を時間割のとおりにまとめて登録します"_s);
    connect(m_rangeButton, &QPushButton::clicked, this, &frmMain::registerRange);
    left->addWidget(m_rangeButton, 0, Qt::AlignLeft);

    auto *comment = new WrappedLabel(
        u"実績の入力をします。左のカレンダから登録したい週を選択し、次に中間の教科パレットから教科"
        u"を選んで下の実績表をクリックしてください。入力を取り消すときは同じ教科で実績表をクリック"
        u"してください。マウスを元に戻したいときは教科パレット以外の場所でクリックしてください。"_s,
        centre);
    comment->setObjectName(u"lblMainComment"_s);
    comment->setMaximumWidth(m_calendar->sizeHint().width() + 40);
    left->addWidget(comment);
    left->addStretch(1);
    row->addLayout(left);

    m_palette = new SubjectPalette(centre);
    row->addWidget(m_palette, 0, Qt::AlignTop);

    m_grid = new WeekGrid(m_ui, centre);
    row->addWidget(m_grid, 1);
    setCentralWidget(centre);

    connect(m_palette, &SubjectPalette::subjectChosen, m_grid, &WeekGrid::selectSubject);
    connect(m_optionB, &QRadioButton::toggled, this, &frmMain::timetableChosen);
    connect(m_calendar, &MonthCalendar::clicked, this, &frmMain::showWeekOf);
    connect(m_calendar, &MonthCalendar::selectionChanged, this, &frmMain::calendarSelectionChanged);
    connect(m_calendar, &MonthCalendar::monthChanged, this,
            [this] { refreshDayNote(m_calendar->selectedDate()); });
}

void frmMain::changeEvent(QEvent *event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        activated();
}

void frmMain::activated() {
    m_grid->closeLengthChooser();
    if (m_ui.state.boolFirstActivate == kTrue && !m_wizardOpenedAtStart) {
        // The wizard's first page opens once per run, whatever the page does afterwards.
        m_wizardOpenedAtStart = true;
        // The main window is drawn first and the page opens over it, rather than both appearing
        // only once the page is built: the page waits for the window's first paint (a queued
        // call alone runs before the window system asks for that paint). A window that is not
        // painted soon (minimized at start) gets its page all the same.
        m_wizardAfterPaint = true;
        QTimer::singleShot(kWizardAtTheLatestMs, this, &frmMain::openWizardAfterPaint);
        return;
    }
    refreshFromState();
}

void frmMain::paintEvent(QPaintEvent *event) {
    QMainWindow::paintEvent(event);
    if (m_wizardAfterPaint)
        QMetaObject::invokeMethod(this, &frmMain::openWizardAfterPaint, Qt::QueuedConnection);
}

void frmMain::openWizardAfterPaint() {
    if (!m_wizardAfterPaint)
        return;
    m_wizardAfterPaint = false;
    m_ui.windows.open<frmWiz0>();
}

void frmMain::followSettings() {
    // The days the teacher has not touched follow the timetables and holidays; lessons entered
    // and not registered stay.
    const KeptEdits edits = m_grid->redrawKeepingEdits();
    refreshDayNote(m_calendar->selectedDate());
    QStringList notes;
    if (!edits.kept.isEmpty())
        notes.append(u"%1 は入力中の授業をそのまま残しています（登録前）。時間割や休日の変更は、"
                     u"日付を選び直すと表示されます。"_s.arg(daysText(edits.kept)));
    if (!edits.dropped.isEmpty())
        notes.append(u"%1 は休日になったため、入力中の授業を表示していません。"_s.arg(
            daysText(edits.dropped)));
    if (!notes.isEmpty())
        setNote(notes.join(u'\n'));
}

QString frmMain::daysText(const QList<QDate> &dates) {
    QStringList days;
    for (const QDate &date : dates)
        days.append(fncColumnHeading(date));
    return days.join(u'、');
}

void frmMain::setNote(const QString &text) {
    m_note->setText(text);
    m_note->setVisible(!text.isEmpty());
}

void frmMain::appendNote(const QString &text) {
    setNote(m_note->isVisible() && !m_note->text().isEmpty() ? m_note->text() + u'\n' + text
                                                             : text);
}

void frmMain::refreshFromState() {
    refreshPalette();
    refreshCalendar();
    selectStartingDate();
    refreshFileMenu();
    refreshStatus();
    refreshPace();
    // The note of the chosen day follows the class and holidays as they are now.
    refreshDayNote(m_calendar->selectedDate());
}

void frmMain::refreshPalette() {
    m_palette->setCodes(fncShownCodes(m_ui.state, paletteOrder()));
}

void frmMain::refreshCalendar() {
    const int year = m_ui.state.intYear;
    m_calendar->setEnabled(year != 0);
    m_grid->setEnabled(year != 0);
    m_rangeButton->setEnabled(year != 0);
    m_rangeAction->setEnabled(year != 0);
    refreshRecordMenu();
    if (year == 0) {
        m_grid->subUnvisibleButton();
        return;
    }
    if (year == m_calendarYear)
        return;
    const QSignalBlocker blocker(m_calendar);
    m_calendar->setDateRange(QDate(year, 4, 1), QDate(year + 1, 3, 31));
    // School days bold, every other day with what makes it a holiday as its tool tip, the law's
    // days off in red as on the holiday page; the whole year in one pass.
    m_calendar->clearDayFormats();
    const HolidayNames lawDaysOff(m_ui.state);
    const DateRange range = schoolYearRange(year);
    for (QDate d = range.first; d <= range.last; d = d.addDays(1)) {
        MonthView::DayFormat format;
        format.redLetter = lawDaysOff.contains(d);
        if (fncIsSchoolDay(m_ui.state, d))
            format.bold = true;
        else
            format.toolTip = fncDayNote(m_ui.state, d);
        m_calendar->setDayFormat(d, format);
    }
    m_calendarYear = year;
    m_weekFirst = m_weekLast = QDate();
    markWeek(m_ui.state.dateSelected);
}

void frmMain::selectStartingDate() {
    const AppState &state = m_ui.state;
    if (state.intYear == 0 || state.boolDaySelected != 0)
        return;
    // Showing the week takes the day as chosen (boolDaySelected).
    showWeekOf(fncTodayInSchoolYear(state.intYear, m_ui.today()));
}

void frmMain::showWeekOf(const QDate &date) {
    drawWeek(date, true);
}

void frmMain::drawWeek(const QDate &date, bool focusRegister) {
    if (m_ui.state.intYear == 0 || !date.isValid())
        return;
    {
        const QSignalBlocker blocker(m_calendar);
        m_calendar->setSelectedDate(date);
    }
    setNote(QString());
    m_grid->showWeek(date, focusRegister);
    markWeek(date);
    refreshDayNote(date);
    refreshRecordMenu();
}

void frmMain::calendarSelectionChanged() {
    // The keyboard moves the selection day by day: the grid follows when the week changes, so
    // that what is being entered in the shown week is kept while moving inside it.
    const QDate date = m_calendar->selectedDate();
    if (date < m_weekFirst || date > m_weekLast) {
        drawWeek(date, false); // the focus stays on the calendar
    } else {
        refreshDayNote(date);
        refreshRecordMenu();
    }
}

void frmMain::markWeek(const QDate &date) {
    // The shown week gets a light background; the calendar itself selects one day only.
    m_weekFirst = m_weekLast = QDate();
    if (date.isValid() && m_ui.state.intYear != 0) {
        const WeekSpan span = fncWeekOfDate(m_ui.state.intYear, date);
        m_weekFirst = span.first;
        m_weekLast = span.last;
    }
    m_calendar->setMarkedRange(m_weekFirst, m_weekLast);
}

void frmMain::refreshDayNote(const QDate &date) {
    if (!date.isValid() || m_ui.state.intYear == 0) {
        m_dayNote->clear();
        return;
    }
    const QString note = fncDayNote(m_ui.state, date);
    m_dayNote->setText(u"%1月%2日(%3) %4"_s.arg(date.month())
                           .arg(date.day())
                           .arg(fncWeekdayChar(date.dayOfWeek()),
                                note.isEmpty() ? u"授業日"_s : note + u" 休日"_s));
}

void frmMain::refreshFileMenu() {
    const bool hasFile = !m_ui.state.strFileName.isEmpty();
    m_fileSave->setVisible(hasFile);
    m_fileOpen->setVisible(!hasFile);
}

void frmMain::refreshPace() {
    const QList<HourField> behind =
        m_ui.state.intYear == 0 ? QList<HourField>() : fncBehindFields(m_ui.state, m_ui.today());
    if (behind.isEmpty()) {
        m_pace->hide();
        return;
    }
    QStringList names;
    for (HourField field : behind)
        names.append(subjectInfo(field).summaryName.toString());
    // Counted in 項目, which reads right for any number and for activities as for subjects.
    const QString text = u"今日までの計画より %1 項目が遅れています：%2"_s.arg(
        QString::number(behind.size()), names.join(u'、'));
    m_pace->setText(text.toHtmlEscaped() + u"（<a href=\"months\">月別の集計を見る</a>）"_s);
    m_pace->setAccessibleName(text);
    m_pace->setAccessibleDescription(u"リンクを押すと、集計表の月別を開きます"_s);
    m_pace->show();
}

void frmMain::refreshStatus() {
    m_statusPanel->setText(m_ui.state.intYear == 0 ? QString() : fncClassLine(m_ui.state));
}

} // namespace mirune::ui
