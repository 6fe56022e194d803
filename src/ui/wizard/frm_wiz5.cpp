#include "frm_wiz5.h"

#include "document/class_document.h"
#include "frm_wiz3.h"
#include "frm_wiz4.h"
#include "model/curriculum_rows.h"
#include "model/hour_fields.h"
#include "model/notation.h"
#include "model/units.h"
#include "ui/common/control_array.h"
#include "ui/common/scrolling_page.h"
#include "ui/common/subject_button.h"
#include "ui/common/subject_icons.h"
#include "ui/common/windows.h"

#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <cstdlib>

namespace mirune::ui {

using namespace Qt::StringLiterals;

namespace {

// The page's texts.
constexpr auto kCaption = u"学級計画・授業計画ウィザード";
constexpr auto kCreditFrameA = u"週間時間表A　（通常使う時間割を指定してください）";
constexpr auto kCreditFrameB = u"週間時間表B　（補助に使う時間割を指定してください）";
constexpr auto kPlanFrameA = u"週間授業表A";
constexpr auto kPlanFrameB = u"週間授業表B";
constexpr auto kPaletteFrame = u"教科パレット";
constexpr auto kNoteCredit =
    u"週の時数表を作成します。それぞれの時限に割り当てる時数をコンボボックスで入力してください。"
    u"１５分は１／３単位、３０分は２／３単位、４５分は１単位、６０分は４／３単位として計算します。";
constexpr auto kNotePlan =
    u"週の時間割を作成します。左の教科パレットから選んで下の計画表をクリックしてください。"
    u"マウスを戻すときは教科パレット以外の場所をクリックしてください。";
constexpr auto kWeekHoursHeading = u"週間時数";
constexpr auto kHoursSuffix = u" 時間";
constexpr auto kBefore = u"前へ";
constexpr auto kNext = u"次へ";
constexpr auto kCancel = u"設定の終了";

// Frame captions are blue on timetable A and red on B.
const QColor kColourA(0, 0, 255);
const QColor kColourB(255, 0, 0);

constexpr int dayOf(int cell) {
    return cell / kPeriodsPerDay;
}
constexpr int periodOf(int cell) {
    return cell % kPeriodsPerDay;
}

// The time text of a code; any other value gives empty text.
QString subWiz5GetCredit(int code) {
    return fncLessonLengthText(code);
}

// The weekday of a day column, Monday 0.
QChar dayName(int day) {
    return fncWeekdayChar(1 + day);
}

// What a cell is called when it is read out: "火曜 6時限".
QString cellPrefix(int cell) {
    return dayName(dayOf(cell)) + u"曜 "_s + QString::number(periodOf(cell)) + u"時限"_s;
}

// The weekly hours label's prefix: the subject's name filled to four characters. A name too
// long for them ("外国語活動") gives its short name ("外活"), so the hours still stand in line.
QString weekTimePrefix(QChar code) {
    const QString name = subjectCaption(code);
    return name + QString(qMax(0, 4 - int(name.size())), QChar(0x3000));
}

QLabel *heading(QWidget *parent, const QString &name, const QString &text) {
    auto *label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

QGroupBox *frame(QWidget *parent, const QString &name, QWidget *contents) {
    auto *box = new QGroupBox(parent);
    box->setObjectName(name);
    auto *layout = new QVBoxLayout(box);
    layout->addWidget(contents);
    return box;
}

// The common part of the two grids: a note line above a grid headed by the weekdays across and
// the periods down, all in `owner`. The cells go in at row 1 + period, column 1 + day.
QGridLayout *headedGrid(QWidget *owner, QStringView noteText, const QString &noteName,
                        const QString &dayHeading, const QString &periodHeading) {
    auto *contents = new QVBoxLayout(owner);
    contents->setContentsMargins(0, 0, 0, 0);
    auto *note = new QLabel(noteText.toString());
    note->setObjectName(noteName);
    note->setWordWrap(true);
    contents->addWidget(note);

    auto *grid = new QGridLayout;
    grid->setSpacing(2);
    for (int d = 0; d < frmWiz5::kDays; ++d)
        grid->addWidget(heading(owner, controlName(dayHeading, d), QString(dayName(d))), 0, 1 + d);
    for (int p = 0; p < kPeriodsPerDay; ++p)
        grid->addWidget(heading(owner, controlName(periodHeading, p), QString(fncPeriodChar(p))),
                        1 + p, 0);
    contents->addLayout(grid);
    return grid;
}

} // namespace

frmWiz5::frmWiz5(UiContext &ui, QWidget *parent) : QWidget(parent), m_ui(ui) {
    setObjectName(u"frmWiz5"_s);
    setWindowTitle(QString::fromUtf16(kCaption));
    buildPage();

    connect(&m_ui.document, &ClassDocument::changed, this, [this](const PlanChange &change) {
        if (change.touches(PlanChange::Parts(PlanChange::Timetables) | PlanChange::Class)) {
            if (!m_storing)
                refresh();
        } else if (change.touches(PlanChange::Parts(PlanChange::Plans) | PlanChange::Days)) {
            // A plan figure or a recorded day can bring 外国語 or 外国語活動 into the palette.
            setPaletteCodes(fncShownCodes(m_ui.state, timetablePaletteOrder()));
            subDispWeekTime();
        }
    });

    connect(cmdWiz5Before, &QPushButton::clicked, this, &frmWiz5::goBefore);
    connect(cmdWiz5Next, &QPushButton::clicked, this, &frmWiz5::goNext);
    connect(cmdWiz5Cancel, &QPushButton::clicked, this, [this] {
        closeTimeChooser(false);
        close();
    });

    // Whoever opens the page says which timetable it edits (editTimetable); until then it shows
    // timetable A as it is.
    refresh();
}

void frmWiz5::buildPage() {
    QWidget *timeFrame = buildTimeFrame();
    QWidget *paletteFrame = buildPaletteFrame();
    QWidget *planFrame = buildPlanFrame();

    cmdWiz5Before = new QPushButton(QString::fromUtf16(kBefore), this);
    cmdWiz5Before->setObjectName(u"cmdWiz5Before"_s);
    cmdWiz5Next = new QPushButton(QString::fromUtf16(kNext), this);
    cmdWiz5Next->setObjectName(u"cmdWiz5Next"_s);
    cmdWiz5Cancel = new QPushButton(QString::fromUtf16(kCancel), this);
    cmdWiz5Cancel->setObjectName(u"cmdWiz5Cancel"_s);

    auto *frames = new QHBoxLayout;
    frames->addWidget(timeFrame, 0, Qt::AlignTop);
    frames->addWidget(paletteFrame, 0, Qt::AlignTop);
    frames->addWidget(planFrame, 0, Qt::AlignTop);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdWiz5Before);
    buttons->addWidget(cmdWiz5Next);
    buttons->addWidget(cmdWiz5Cancel);

    auto *page = new QVBoxLayout;
    page->addLayout(frames);
    page->addStretch();
    setScrollingLayout(this, page, buttons);
}

QWidget *frmWiz5::buildTimeFrame() {
    m_timeGrid = new QWidget;
    QGridLayout *grid = headedGrid(m_timeGrid, kNoteCredit, u"lblWiz5NoteCredit"_s,
                                   u"lblWiz5WeekCredit"_s, u"lblWiz5TimeCredit"_s);
    labWiz5WeekCredit = makeControlArray<QToolButton, kCells>(m_timeGrid, u"labWiz5WeekCredit"_s);
    // Wide enough for the longest time text with a little room around it.
    const int cellWidth = fontMetrics().horizontalAdvance(u"６０分"_s) + 20;
    for (int cell = 0; cell < kCells; ++cell) {
        QToolButton *button = labWiz5WeekCredit[cell];
        button->setMinimumWidth(cellWidth);
        button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        button->setFocusPolicy(Qt::StrongFocus);
        button->installEventFilter(this);
        connect(button, &QToolButton::clicked, this, [this, cell] { timeCellClicked(cell); });
        grid->addWidget(button, 1 + periodOf(cell), 1 + dayOf(cell));
    }

    // The time chooser floats over the cell it edits, outside the grid's layout.
    cboWiz5Time = new QComboBox(m_timeGrid);
    cboWiz5Time->setObjectName(u"cboWiz5Time"_s);
    for (int code = 0; code <= kLongestTimeCode; ++code)
        cboWiz5Time->addItem(fncLessonLengthText(code));
    cboWiz5Time->setCurrentIndex(0);
    cboWiz5Time->hide();
    cboWiz5Time->installEventFilter(this);
    connect(cboWiz5Time, &QComboBox::activated, this, &frmWiz5::timeChosen);

    fraWiz5WeekCredit = frame(this, u"fraWiz5WeekCredit"_s, m_timeGrid);
    return fraWiz5WeekCredit;
}

QWidget *frmWiz5::buildPaletteFrame() {
    auto *contents = new QWidget;
    auto *grid = new QGridLayout(contents);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setVerticalSpacing(2);
    auto *hoursHeading = heading(contents, controlName(u"lblWiz5Week"_s, kDays),
                                 QString::fromUtf16(kWeekHoursHeading));
    grid->addWidget(hoursHeading, 0, 1);

    // One button for every code the palette can offer; the subjects the plan shows fill the
    // first ones and the rest are hidden, so the palette has no gaps.
    const QStringView order = timetablePaletteOrder();
    for (int i = 0; i < int(order.size()); ++i) {
        auto *button = new SubjectButton(contents);
        button->setObjectName(controlName(u"cmdWiz5Subject"_s, i));
        button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        button->setCheckable(true);
        QSizePolicy policy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        policy.setRetainSizeWhenHidden(false);
        button->setSizePolicy(policy);
        // A subject is taken as soon as its button goes down; the click that follows only
        // keeps the buttons' checked marks in step with the selection.
        connect(button, &QToolButton::pressed, this, [this, i] { selectSubject(i); });
        connect(button, &QToolButton::clicked, this, [this, i] { selectSubject(i); });
        cmdWiz5Subject.push_back(button);
        grid->addWidget(button, 1 + i, 0);

        auto *hours = new QLabel(contents);
        hours->setObjectName(controlName(u"lblWiz5WeekTime"_s, i));
        lblWiz5WeekTime.push_back(hours);
        grid->addWidget(hours, 1 + i, 1);
    }

    fraWiz5Palette = frame(this, u"fraWiz5Palette"_s, contents);
    fraWiz5Palette->setTitle(QString::fromUtf16(kPaletteFrame));
    return fraWiz5Palette;
}

QWidget *frmWiz5::buildPlanFrame() {
    m_planGrid = new QWidget;
    QGridLayout *grid =
        headedGrid(m_planGrid, kNotePlan, u"lblWiz5Note"_s, u"lblWiz5Week"_s, u"lblWiz5Time"_s);
    cmdWiz5WeekPlan = makeControlArray<SubjectButton, kCells>(m_planGrid, u"cmdWiz5WeekPlan"_s);
    // Square cells, as wide as the longest name a cell shows under its picture.
    const int side = fontMetrics().horizontalAdvance(u"児童会"_s) + 16;
    for (int cell = 0; cell < kCells; ++cell) {
        SubjectButton *button = cmdWiz5WeekPlan[cell];
        button->setAccessiblePrefix(cellPrefix(cell));
        button->setCompact(true);
        button->setMinimumSize(side, side);
        button->installEventFilter(this);
        connect(button, &QToolButton::clicked, this, [this, cell] { subjectCellClicked(cell); });
        grid->addWidget(button, 1 + periodOf(cell), 1 + dayOf(cell));
    }

    fraWiz5WeekPlan = frame(this, u"fraWiz5WeekPlan"_s, m_planGrid);
    // A click on the frame outside the cells puts the selected subject down.
    fraWiz5WeekPlan->installEventFilter(this);
    m_planGrid->installEventFilter(this);
    return fraWiz5WeekPlan;
}

bool frmWiz5::editingA() const {
    return intEditWeek == TimetableChoice::A;
}

void frmWiz5::editTimetable(TimetableChoice timetable) {
    intEditWeek = timetable;
    activated();
}

const WeekCredits &frmWiz5::credits() const {
    return editingA() ? m_ui.state.strWeekCreditA : m_ui.state.strWeekCreditB;
}

const ZuriWeekTotal &frmWiz5::timetable() const {
    return editingA() ? *m_ui.state.objWeekPlanA : *m_ui.state.objWeekPlanB;
}

QChar frmWiz5::selectedSubject() const {
    return m_selected < 0 ? QChar() : cmdWiz5Subject[m_selected]->code();
}

void frmWiz5::setPaletteCodes(const QString &codes) {
    if (codes == m_paletteCodes)
        return;
    const QChar selected = m_selected < 0 ? QChar() : m_paletteCodes[m_selected];
    m_paletteCodes = codes;
    for (int i = 0; i < int(cmdWiz5Subject.size()); ++i) {
        const bool offered = i < codes.size();
        cmdWiz5Subject[i]->setCode(offered ? codes[i] : QChar());
        if (cmdWiz5Subject[i]->isVisibleTo(this) != offered) {
            cmdWiz5Subject[i]->setVisible(offered);
            lblWiz5WeekTime[i]->setVisible(offered);
        }
    }
    // The subject in hand stays in hand where it is still offered.
    selectSubject(selected.isNull() ? -1 : int(codes.indexOf(selected)));
}

void frmWiz5::activated() {
    // A timetable not yet set up takes the default lengths of the class's grade, as the page
    // shows it (one step of 元に戻す; taken back, the page shows the timetable empty until it is
    // shown again).
    {
        const QScopedValueRollback<bool> storing(m_storing, true);
        m_ui.document.fillDefaultLengths(intEditWeek);
    }
    refresh();
}

void frmWiz5::refresh() {
    const bool a = editingA();
    fraWiz5WeekCredit->setTitle(QString::fromUtf16(a ? kCreditFrameA : kCreditFrameB));
    fraWiz5WeekPlan->setTitle(QString::fromUtf16(a ? kPlanFrameA : kPlanFrameB));
    // The caption's colour is the frame's own: what stands inside keeps the page's colours.
    for (QGroupBox *box : {fraWiz5WeekCredit, fraWiz5WeekPlan}) {
        QPalette framePalette = palette();
        framePalette.setColor(QPalette::WindowText, a ? kColourA : kColourB);
        framePalette.setColor(QPalette::Text, a ? kColourA : kColourB);
        box->setPalette(framePalette);
    }
    // The contents name their colours themselves; a palette with nothing set of its own would
    // take the frame's.
    QPalette plain = palette();
    plain.setColor(QPalette::WindowText, plain.color(QPalette::WindowText));
    plain.setColor(QPalette::Text, plain.color(QPalette::Text));
    m_timeGrid->setPalette(plain);
    m_planGrid->setPalette(plain);

    const WeekCredits &w = credits();
    for (int cell = 0; cell < kCells; ++cell) {
        const QString &day = w[dayOf(cell)];
        const int p = periodOf(cell);
        const QChar c = p < day.size() ? day[p] : QChar();
        setTimeCell(cell, c >= u'0' && c <= u'9' ? c.unicode() - u'0' : 0);
    }

    setPaletteCodes(fncShownCodes(m_ui.state, timetablePaletteOrder()));
    closeTimeChooser(false);
    subDispWeekPlan();
    intCreditSel = -1;
}

void frmWiz5::setTimeCell(int cell, int code) {
    m_creditCode[cell] = code;
    QToolButton *button = labWiz5WeekCredit[cell];
    button->setText(subWiz5GetCredit(code));
    button->setAccessibleName(cellPrefix(cell) + u' ' + button->text());
}

void frmWiz5::timeCellClicked(int cell) {
    intCreditSel = cell;
    const QRect area = labWiz5WeekCredit[cell]->geometry();
    cboWiz5Time->setCurrentIndex(fncIsTimeCode(m_creditCode[cell]) ? m_creditCode[cell] : -1);
    cboWiz5Time->setGeometry(area.x(), area.y(),
                             qMax(area.width(), cboWiz5Time->sizeHint().width()),
                             qMax(area.height(), cboWiz5Time->sizeHint().height()));
    cboWiz5Time->setAccessibleName(cellPrefix(cell) + u"の時間"_s);
    cboWiz5Time->show();
    cboWiz5Time->raise();
    cboWiz5Time->setFocus(Qt::OtherFocusReason);
}

void frmWiz5::timeChosen(int code) {
    const int cell = intCreditSel;
    if (cell < 0 || cell >= kCells)
        return;
    {
        // The chooser stays open over its cell: the arrow keys go on choosing.
        const QScopedValueRollback<bool> storing(m_storing, true);
        m_ui.document.setTimetableLength(intEditWeek, dayOf(cell), periodOf(cell), code);
    }
    setTimeCell(cell, code);
    subDispWeekPlan();
}

void frmWiz5::closeTimeChooser(bool refocusCell) {
    if (!cboWiz5Time->isVisible())
        return;
    const int cell = intCreditSel;
    if (refocusCell && cell >= 0 && cell < kCells)
        labWiz5WeekCredit[cell]->setFocus(Qt::OtherFocusReason);
    cboWiz5Time->hide();
}

void frmWiz5::subDispWeekPlan() {
    const ZuriWeekTotal &week = timetable();
    for (const ZuriDayTime *day = week.objFirstDay.get(); day; day = day->objNextDay.get()) {
        const int d = day->intWeekName - 1;
        if (d >= 0 && d < kDays) {
            for (int p = 0; p < kPeriodsPerDay; ++p) {
                const int cell = d * kPeriodsPerDay + p;
                // A hidden cell still holds its period's stored subject, shown again when the
                // period gets a length; the other timetable's never creeps in.
                const QChar s = p < day->strSubject.size() ? day->strSubject[p] : kNoSubject;
                setSubjectCell(cell, s == kNoSubject ? QChar() : s);
                // A period the page shows as "なし" has no subject cell.
                cmdWiz5WeekPlan[cell]->setVisible(m_creditCode[cell] != 0);
            }
        }
        if (day == week.objLastDay.get())
            break;
    }
    subDispWeekTime();
}

void frmWiz5::subDispWeekTime() {
    const ZuriWeekTotal &week = timetable();
    for (int i = 0; i < int(m_paletteCodes.size()); ++i) {
        const auto field = fieldForCode(m_paletteCodes[i]);
        const int units = field ? week.hours[*field] : 0;
        lblWiz5WeekTime[i]->setText(weekTimePrefix(m_paletteCodes[i]) + fncUnitsToText(units) +
                                    QString::fromUtf16(kHoursSuffix));
    }
}

void frmWiz5::setSubjectCell(int cell, QChar code) {
    m_subjectCode[cell] = code;
    cmdWiz5WeekPlan[cell]->setCode(code);
}

void frmWiz5::subjectCellClicked(int cell) {
    const QChar selected = selectedSubject();
    // A second click with the same subject empties the cell.
    const QChar code = m_subjectCode[cell] != selected ? selected : QChar();
    {
        const QScopedValueRollback<bool> storing(m_storing, true);
        if (!m_ui.document.setTimetableSubject(intEditWeek, dayOf(cell), periodOf(cell),
                                               code.isNull() ? kNoSubject : code))
            return;
    }
    setSubjectCell(cell, code);
    subDispWeekTime();
}

void frmWiz5::selectSubject(int paletteIndex) {
    m_selected = paletteIndex;
    for (int i = 0; i < int(cmdWiz5Subject.size()); ++i)
        cmdWiz5Subject[i]->setChecked(i == paletteIndex);
    if (paletteIndex < 0)
        fraWiz5WeekPlan->unsetCursor();
    else
        fraWiz5WeekPlan->setCursor(QCursor(subjectPointerPixmap(m_paletteCodes[paletteIndex])));
}

void frmWiz5::goBefore() {
    closeTimeChooser(false);
    if (editingA()) {
        m_ui.windows.replace<frmWiz3>(this);
        return;
    }
    editTimetable(TimetableChoice::A);
    cmdWiz5Next->setFocus();
}

void frmWiz5::goNext() {
    closeTimeChooser(false);
    if (!editingA()) {
        m_ui.windows.replace<frmWiz4>(this);
        return;
    }
    editTimetable(TimetableChoice::B);
    cmdWiz5Next->setFocus();
}

void frmWiz5::changeEvent(QEvent *event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
        activated();
        cmdWiz5Next->setFocus();
    }
}

void frmWiz5::keyPressEvent(QKeyEvent *event) {
    // Escape puts the selected subject down, as a click beside the cells does.
    if (event->key() == Qt::Key_Escape && m_selected >= 0) {
        selectSubject(-1);
        return;
    }
    QWidget::keyPressEvent(event);
}

bool frmWiz5::eventFilter(QObject *watched, QEvent *event) {
    if (watched == cboWiz5Time) {
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent *>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape) {
                closeTimeChooser(true);
                return true;
            }
        } else if (event->type() == QEvent::FocusOut &&
                   static_cast<QFocusEvent *>(event)->reason() != Qt::PopupFocusReason) {
            cboWiz5Time->hide();
        }
        return QWidget::eventFilter(watched, event);
    }
    if ((watched == fraWiz5WeekPlan || watched == m_planGrid) &&
        event->type() == QEvent::MouseButtonPress) {
        selectSubject(-1);
        return false;
    }
    if (event->type() == QEvent::KeyPress)
        if (auto *cell = qobject_cast<QWidget *>(watched))
            return moveInGrid(cell, static_cast<QKeyEvent *>(event)->key());
    return QWidget::eventFilter(watched, event);
}

bool frmWiz5::moveInGrid(QWidget *cell, int key) {
    int step = 0;
    switch (key) {
    case Qt::Key_Up:
        step = -1;
        break;
    case Qt::Key_Down:
        step = 1;
        break;
    case Qt::Key_Left:
        step = -kPeriodsPerDay;
        break;
    case Qt::Key_Right:
        step = kPeriodsPerDay;
        break;
    default:
        return false;
    }
    auto indexIn = [cell](const auto &cells) {
        const auto it = std::find(cells.begin(), cells.end(), cell);
        return it == cells.end() ? -1 : int(it - cells.begin());
    };
    auto move = [&](const auto &cells, int from) {
        // The arrows go from cell to cell of the grid, over hidden cells, and stop at its edge.
        for (int to = from + step; to >= 0 && to < kCells; to += step) {
            if (std::abs(step) == 1 && dayOf(to) != dayOf(from))
                break;
            if (cells[to]->isVisible()) {
                cells[to]->setFocus(Qt::OtherFocusReason);
                break;
            }
        }
        return true;
    };
    if (const int i = indexIn(labWiz5WeekCredit); i >= 0)
        return move(labWiz5WeekCredit, i);
    if (const int i = indexIn(cmdWiz5WeekPlan); i >= 0)
        return move(cmdWiz5WeekPlan, i);
    return false;
}

} // namespace mirune::ui
