#include "frm_wiz4.h"

#include "document/class_document.h"
#include "frm_wiz5.h"
#include "model/app_state.h"
#include "model/curriculum_rows.h"
#include "model/notation.h"
#include "model/standard_hours.h"
#include "model/term_split.h"
#include "model/units.h"
#include "plan_box_keys.h"
#include "ui/common/control_array.h"
#include "ui/common/dialogs.h"
#include "ui/common/scrolling_page.h"
#include "ui/common/windows.h"

#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QVBoxLayout>
#include <algorithm>

namespace mirune::ui {

using namespace Qt::StringLiterals;

namespace {

// The page's texts.
constexpr auto kCaption = u"学級計画・授業計画ウィザード";
constexpr auto kComment0 = u"基本時数と学期毎の計画時数を入力してください。";
constexpr auto kComment1 =
    u"15分を0.1、30分を0.2、45分を1で記入してください。　（例） 32.1 は45分×32＋15分の意味です。";
constexpr auto kFrameCaption = u"年間授業計画";
constexpr auto kCornerHeading = u"教科";
constexpr auto kTotalHeading = u"計";
constexpr std::array<QStringView, 1 + kPlanTerms> kColumnHeadings = {u"基本時数", u"1学期",
                                                                     u"2学期", u"3学期"};
constexpr std::array<QStringView, 2> kGridHeadings = {u"年間", u"増減"};
// The standard hours of the plan's school year and grade, beside the base hours, and the two
// buttons that set up a plan from them.
constexpr auto kStandardHeading = u"標準時数";
constexpr auto kFillStandard = u"標準時数を入れる";
constexpr auto kFillStandardTip = u"この学年の標準時数を基本時数に入れます";
constexpr auto kAskFillStandard =
    u"基本時数にはすでに時数が入っています。%1年度 %2年の標準時数で置き換えますか？";
constexpr auto kSplitTerms = u"学期に配分";
constexpr auto kSplitTermsTip = u"基本時数を各学期の授業日数に応じて1学期から3学期に配分します";
constexpr auto kAskSplitTerms =
    u"学期毎の計画時数にはすでに時数が入っています。基本時数を学期に配分して置き換えますか？";
constexpr auto kInitialSum = u"***";
constexpr auto kBefore = u"前へ";
constexpr auto kCancel = u"設定の終了";
// A total that does not fit the hour count is shown at the limit, marked, and explained.
constexpr auto kHeldMark = u"※";
constexpr auto kHeldNotice =
    u"※ 合計が数えられる上限（10922.1）を超えています。上限の値で表示しています。";
constexpr auto kHeldToolTip = u"上限を超えたため、上限の値で表示しています";

constexpr int kBoxChars = 6;
constexpr int kTotalGridRow = kPlanRows + 1;

// The grid's columns: row headings, standard hours, base hours, the terms, the year grid.
constexpr int kStandardColumn = 1;
constexpr int kBaseColumn = 2;
constexpr int kFirstTermColumn = 3;
constexpr int kYearGridColumn = kFirstTermColumn + kPlanTerms;

// How wide a heading is in half-width characters: full-width characters count two.
int headingWidth(QStringView heading) {
    return fncDisplayWidth(heading);
}

// The row headings stand right-aligned in a column as wide as three full-width characters, or
// as the widest heading shown where that is wider ("外国語活動"), filled from the left with
// ideographic spaces ("　国語", "児童会", "　ｸﾗﾌﾞ").
QString paddedHeading(QStringView heading, int columnWidth) {
    QString text;
    for (int used = headingWidth(heading); used + 2 <= columnWidth; used += 2)
        text += u'\u3000';
    return text.append(heading);
}
constexpr int kNarrowestHeadingColumn = 6;

// Whether a term plan holds any figure other than 0.
bool termPlansHaveFigures(const AppState &state) {
    if (!state.objSeasonPlan)
        return false;
    for (const SeasonTotalRef &term : state.objSeasonPlan->terms())
        if (term)
            for (HourField f : baseFields())
                if ((*term)[f] != 0)
                    return true;
    return false;
}

QLabel *gridCell(QWidget *parent, const QString &name, Qt::Alignment alignment) {
    auto *cell = new QLabel(parent);
    cell->setObjectName(name);
    cell->setAlignment(alignment | Qt::AlignVCenter);
    return cell;
}

QColor differenceColour(int units) {
    if (units < 0)
        return QColor(255, 0, 0);
    if (units > 0)
        return QColor(0, 0, 255);
    return QColor(0, 0, 0);
}

} // namespace

frmWiz4::frmWiz4(UiContext &ui, QWidget *parent) : QWidget(parent), m_ui(ui) {
    setObjectName(u"frmWiz4"_s);
    setWindowTitle(QString::fromUtf16(kCaption));
    buildPage();

    connect(&m_ui.document, &ClassDocument::changed, this, [this](const PlanChange &change) {
        // Another year or grade has other standard hours, and may show other rows; a plan
        // changed elsewhere (a step taken back) is shown as it is now.
        if (change.touches(PlanChange::Class) || (change.touches(PlanChange::Plans) && !m_storing))
            activated();
        // A recorded day or a timetable can bring 外国語 or 外国語活動 into the plan.
        else if (change.touches(PlanChange::Parts(PlanChange::Timetables) | PlanChange::Days))
            showRows();
    });

    connect(cmdWiz4Before, &QPushButton::clicked, this, [this] {
        m_ui.windows.replace<frmWiz5>(
            this, [](frmWiz5 *page) { page->editTimetable(TimetableChoice::B); });
    });
    connect(cmdWiz4Cancel, &QPushButton::clicked, this, &QWidget::close);
    connect(cmdWiz4Standard, &QPushButton::clicked, this, &frmWiz4::fillFromStandard);
    connect(cmdWiz4Split, &QPushButton::clicked, this, &frmWiz4::splitOverTerms);
    // A figure counts the moment it is typed.
    for (int row = 0; row < kPlanRows; ++row)
        connect(txtWiz4YearBase[row], &QLineEdit::textEdited, this, [this, row] { boxTyped(row); });
    for (int i = 0; i < kPlanTermBoxes; ++i)
        connect(txtWiz4YearPlan[i], &QLineEdit::textEdited, this,
                [this, i] { boxTyped(kPlanRows + i); });

    activated();
}

void frmWiz4::buildPage() {
    auto *comment0 = new QLabel(QString::fromUtf16(kComment0), this);
    comment0->setObjectName(u"lblWiz4Comment_0"_s);
    auto *comment1 = new QLabel(QString::fromUtf16(kComment1), this);
    comment1->setObjectName(u"lblWiz4Comment_1"_s);

    auto *frame = new QGroupBox(QString::fromUtf16(kFrameCaption), this);
    frame->setObjectName(u"fraWiz4YearPlan"_s);
    auto *grid = new QGridLayout(frame);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(2);

    // The year grid sits behind its cells, spanning every row beside the boxes.
    gridWiz4YearSum = new QFrame(frame);
    gridWiz4YearSum->setObjectName(u"gridWiz4YearSum"_s);
    gridWiz4YearSum->setFrameShape(QFrame::StyledPanel);
    gridWiz4YearSum->setAutoFillBackground(true);
    gridWiz4YearSum->setBackgroundRole(QPalette::Base);
    const int gridColumn = kYearGridColumn;
    grid->addWidget(gridWiz4YearSum, 0, gridColumn, kTotalGridRow + 1, 2);

    m_corner = new QLabel(frame);
    m_corner->setObjectName(controlName(u"lblWiz4TableLeft"_s, 0));
    grid->addWidget(m_corner, 0, 0);
    lblWiz4StandardHeading = new QLabel(QString::fromUtf16(kStandardHeading), frame);
    lblWiz4StandardHeading->setObjectName(u"lblWiz4StandardHeading"_s);
    lblWiz4StandardHeading->setAlignment(Qt::AlignCenter);
    grid->addWidget(lblWiz4StandardHeading, 0, kStandardColumn);
    for (int c = 0; c < int(kColumnHeadings.size()); ++c) {
        auto *heading = new QLabel(kColumnHeadings[c].toString(), frame);
        heading->setObjectName(controlName(u"lblWiz4TableLabel"_s, c));
        heading->setAlignment(Qt::AlignCenter);
        grid->addWidget(heading, 0, kBaseColumn + c);
    }
    for (int c = 0; c < 2; ++c) {
        m_gridCells[0][c] = gridCell(frame, u"gridWiz4YearSum_0_%1"_s.arg(c), Qt::AlignHCenter);
        m_gridCells[0][c]->setText(kGridHeadings[c].toString());
        grid->addWidget(m_gridCells[0][c], 0, gridColumn + c);
    }

    // Wide enough for six characters, so the boxes stay narrow at any font size.
    const int boxWidth = fontMetrics().horizontalAdvance(u"0"_s.repeated(kBoxChars + 2)) + 12;
    auto makeBox = [&](const QString &name, const QString &accessibleName) {
        auto *box = new QLineEdit(u"0"_s, frame);
        box->setObjectName(name);
        box->setAccessibleName(accessibleName);
        box->setMaxLength(kBoxChars);
        box->setAlignment(Qt::AlignRight);
        box->setAttribute(Qt::WA_InputMethodEnabled, false);
        box->setFixedWidth(boxWidth);
        box->installEventFilter(this);
        return box;
    };
    auto makeStandard = [&](const QString &name) {
        auto *figure = new QLabel(frame);
        figure->setObjectName(name);
        figure->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        figure->setMinimumWidth(boxWidth);
        figure->setContentsMargins(0, 0, 6, 0);
        return figure;
    };
    for (int row = 0; row < kPlanRows; ++row) {
        const QString heading = planRowHeading(row).toString();
        m_rowHeadings[row] = new QLabel(frame);
        m_rowHeadings[row]->setObjectName(controlName(u"lblWiz4TableLeft"_s, row + 1));
        grid->addWidget(m_rowHeadings[row], row + 1, 0);
        lblWiz4Standard[row] = makeStandard(controlName(u"lblWiz4Standard"_s, row));
        grid->addWidget(lblWiz4Standard[row], row + 1, kStandardColumn);
        txtWiz4YearBase[row] = makeBox(controlName(u"txtWiz4YearBase"_s, row),
                                       heading + u' ' + kColumnHeadings[0].toString());
        grid->addWidget(txtWiz4YearBase[row], row + 1, kBaseColumn);
        for (int term = 0; term < kPlanTerms; ++term) {
            const int index = planTermBox(row, term);
            txtWiz4YearPlan[index] = makeBox(controlName(u"txtWiz4YearPlan"_s, index),
                                             heading + u' ' + kColumnHeadings[1 + term].toString());
            grid->addWidget(txtWiz4YearPlan[index], row + 1, kFirstTermColumn + term);
        }
        for (int c = 0; c < 2; ++c) {
            m_gridCells[row + 1][c] =
                gridCell(frame, u"gridWiz4YearSum_%1_%2"_s.arg(row + 1).arg(c), Qt::AlignRight);
            grid->addWidget(m_gridCells[row + 1][c], row + 1, gridColumn + c);
        }
    }

    m_totalHeading = new QLabel(frame);
    m_totalHeading->setObjectName(controlName(u"lblWiz4TableLeft"_s, kTotalGridRow));
    grid->addWidget(m_totalHeading, kTotalGridRow, 0);
    lblWiz4StandardSum = makeStandard(u"lblWiz4StandardSum"_s);
    grid->addWidget(lblWiz4StandardSum, kTotalGridRow, kStandardColumn);
    auto makeSum = [&](const QString &name) {
        auto *sum = new QLabel(QString::fromUtf16(kInitialSum), frame);
        sum->setObjectName(name);
        sum->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        sum->setFrameShape(QFrame::Panel);
        sum->setFrameShadow(QFrame::Sunken);
        sum->setMargin(2);
        return sum;
    };
    lblWiz4BaseSum = makeSum(u"lblWiz4BaseSum"_s);
    grid->addWidget(lblWiz4BaseSum, kTotalGridRow, kBaseColumn);
    for (int term = 0; term < kPlanTerms; ++term) {
        lblWiz4Sum[term] = makeSum(controlName(u"lblWiz4Sum"_s, term));
        grid->addWidget(lblWiz4Sum[term], kTotalGridRow, kFirstTermColumn + term);
    }
    for (int c = 0; c < 2; ++c) {
        m_gridCells[kTotalGridRow][c] =
            gridCell(frame, u"gridWiz4YearSum_%1_%2"_s.arg(kTotalGridRow).arg(c), Qt::AlignRight);
        grid->addWidget(m_gridCells[kTotalGridRow][c], kTotalGridRow, gridColumn + c);
    }
    // The grid's columns as wide as its longest figure, with room to breathe.
    const int cellWidth = fontMetrics().horizontalAdvance(u"※-00000.0"_s) + 12;
    grid->setColumnMinimumWidth(gridColumn, cellWidth);
    grid->setColumnMinimumWidth(gridColumn + 1, cellWidth);
    for (auto &row : m_gridCells)
        for (QLabel *cell : row)
            cell->setContentsMargins(4, 0, 6, 0);
    // A rule under the grid's header, across both columns and the gap between them.
    auto *rule = new QFrame(frame);
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Plain);
    rule->setForegroundRole(QPalette::Mid);
    grid->addWidget(rule, 0, gridColumn, 1, 2, Qt::AlignBottom);

    cmdWiz4Standard = new QPushButton(QString::fromUtf16(kFillStandard), this);
    cmdWiz4Standard->setObjectName(u"cmdWiz4Standard"_s);
    cmdWiz4Standard->setToolTip(QString::fromUtf16(kFillStandardTip));
    cmdWiz4Split = new QPushButton(QString::fromUtf16(kSplitTerms), this);
    cmdWiz4Split->setObjectName(u"cmdWiz4Split"_s);
    cmdWiz4Split->setToolTip(QString::fromUtf16(kSplitTermsTip));
    lblWiz4Held = new QLabel(QString::fromUtf16(kHeldNotice), this);
    lblWiz4Held->setObjectName(u"lblWiz4Held"_s);
    lblWiz4Held->setWordWrap(true);
    lblWiz4Held->setVisible(false);

    cmdWiz4Before = new QPushButton(QString::fromUtf16(kBefore), this);
    cmdWiz4Before->setObjectName(u"cmdWiz4Before"_s);
    cmdWiz4Cancel = new QPushButton(QString::fromUtf16(kCancel), this);
    cmdWiz4Cancel->setObjectName(u"cmdWiz4Cancel"_s);
    // Enter in a box moves to the next box; it never presses a button.
    for (QPushButton *button : {cmdWiz4Standard, cmdWiz4Split, cmdWiz4Before, cmdWiz4Cancel})
        button->setAutoDefault(false);

    // Every button stays in view under the plan, which scrolls when the screen is short of it.
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(cmdWiz4Standard);
    buttons->addWidget(cmdWiz4Split);
    buttons->addStretch();
    buttons->addWidget(cmdWiz4Before);
    buttons->addWidget(cmdWiz4Cancel);

    auto *page = new QVBoxLayout;
    page->addWidget(comment0);
    page->addWidget(comment1);
    page->addWidget(frame);
    page->addWidget(lblWiz4Held);
    page->addStretch();
    setScrollingLayout(this, page, buttons);
}

void frmWiz4::activated() {
    // Only shown: a page that becomes active, or that follows a change made elsewhere (a step
    // taken back), changes nothing itself.
    showRows();
    const PlanTexts texts = fncPlanTexts(m_ui.state);
    for (int row = 0; row < kPlanRows; ++row)
        txtWiz4YearBase[row]->setText(texts.base[row]);
    for (int i = 0; i < kPlanTermBoxes; ++i)
        txtWiz4YearPlan[i]->setText(texts.terms[i]);
    showTotals(fncPlanTotals(m_ui.state));
}

PlanTexts frmWiz4::boxTexts() const {
    PlanTexts texts;
    for (int row = 0; row < kPlanRows; ++row)
        texts.base[row] = txtWiz4YearBase[row]->text();
    for (int i = 0; i < kPlanTermBoxes; ++i)
        texts.terms[i] = txtWiz4YearPlan[i]->text();
    return texts;
}

void frmWiz4::subGetYearPlan() {
    PlanTexts texts = boxTexts();
    // Only a box whose text was refused is rewritten ("0"), so the cursor stays where it was.
    for (int row = 0; row < kPlanRows; ++row)
        if (!isValidPlanText(texts.base[row]))
            txtWiz4YearBase[row]->setText(texts.base[row] = u"0"_s);
    for (int i = 0; i < kPlanTermBoxes; ++i)
        if (!isValidPlanText(texts.terms[i]))
            txtWiz4YearPlan[i]->setText(texts.terms[i] = u"0"_s);
    {
        const QScopedValueRollback<bool> storing(m_storing, true);
        m_ui.document.setPlanTexts(texts);
    }
    showTotals(fncPlanTotals(m_ui.state));
}

void frmWiz4::boxTyped(int box) {
    // Stored as it stands, a text that is no figure (yet) counting as 0; the box is set right
    // when it is left.
    {
        const QScopedValueRollback<bool> storing(m_storing, true);
        m_ui.document.setPlanTexts(boxTexts(), box);
    }
    showTotals(fncPlanTotals(m_ui.state));
}

void frmWiz4::showRows() {
    const AppState &state = m_ui.state;
    std::array<bool, kPlanRows> shown{};
    int columnWidth = kNarrowestHeadingColumn;
    for (int row = 0; row < kPlanRows; ++row) {
        shown[row] = fncIsFieldShown(state, planRowField(row));
        if (shown[row])
            columnWidth = std::max(columnWidth, headingWidth(planRowHeading(row)));
    }
    m_corner->setText(paddedHeading(kCornerHeading, columnWidth));
    m_totalHeading->setText(paddedHeading(kTotalHeading, columnWidth));

    const auto standard = fncStandardHours(state.intYear, state.intGrade);
    const HourCounts standardUnits = standard ? standard->units() : HourCounts();
    for (int row = 0; row < kPlanRows; ++row) {
        m_rowHeadings[row]->setText(paddedHeading(planRowHeading(row), columnWidth));
        // 打切 and 予備 are no lessons: the table has nothing to say of them.
        const bool lesson = subjectInfo(planRowField(row)).kind != SubjectKind::Other;
        lblWiz4Standard[row]->setText(
            standard && lesson ? fncUnitsToText(standardUnits[planRowField(row)]) : QString());
        QWidget *const cells[] = {m_rowHeadings[row],
                                  lblWiz4Standard[row],
                                  txtWiz4YearBase[row],
                                  txtWiz4YearPlan[planTermBox(row, 0)],
                                  txtWiz4YearPlan[planTermBox(row, 1)],
                                  txtWiz4YearPlan[planTermBox(row, 2)],
                                  m_gridCells[row + 1][0],
                                  m_gridCells[row + 1][1]};
        for (QWidget *cell : cells) {
            const bool visible = shown[row] && (cell != lblWiz4Standard[row] || standard);
            if (cell->isVisibleTo(this) != visible)
                cell->setVisible(visible);
        }
    }
    // Without a table for the year (none before 2002) the column and its button stand aside.
    lblWiz4StandardSum->setText(standard ? fncUnitsToText(standardUnits[HourField::SouJisuu])
                                         : QString());
    for (QWidget *w : std::initializer_list<QWidget *>{lblWiz4StandardHeading, lblWiz4StandardSum,
                                                       cmdWiz4Standard})
        if (w->isVisibleTo(this) != bool(standard))
            w->setVisible(bool(standard));
}

void frmWiz4::fillFromStandard() {
    subGetYearPlan(); // what was typed last counts as a figure already there
    const AppState &state = m_ui.state;
    if (fncBasePlanHasFigures(state)) {
        const QString question =
            QString::fromUtf16(kAskFillStandard).arg(state.intYear).arg(state.intGrade);
        if (m_ui.dialogs.message(this, MessageKind::YesNo, QString::fromUtf16(kCaption),
                                 question) != Dialogs::Answer::Yes)
            return;
    }
    // The boxes follow as the document tells the change.
    m_ui.document.fillBasePlanFromStandard();
}

void frmWiz4::splitOverTerms() {
    subGetYearPlan();
    if (termPlansHaveFigures(m_ui.state) &&
        m_ui.dialogs.message(this, MessageKind::YesNo, QString::fromUtf16(kCaption),
                             QString::fromUtf16(kAskSplitTerms)) != Dialogs::Answer::Yes)
        return;
    m_ui.document.splitBasePlanOverTerms();
}

void frmWiz4::showTotals(const PlanTotals &totals) {
    auto show = [](QLabel *label, const PlanFigure &figure) {
        label->setText((figure.held ? QString::fromUtf16(kHeldMark) : QString()) +
                       fncUnitsToText(figure.units));
        label->setToolTip(figure.held ? QString::fromUtf16(kHeldToolTip) : QString());
    };
    show(lblWiz4BaseSum, totals.baseSum);
    for (int term = 0; term < kPlanTerms; ++term)
        show(lblWiz4Sum[term], totals.termSums[term]);
    for (int row = 0; row <= kPlanRows; ++row) {
        QLabel *year = m_gridCells[row + 1][0];
        QLabel *difference = m_gridCells[row + 1][1];
        show(year, totals.yearSums[row]);
        show(difference, totals.differences[row]);
        QPalette palette = difference->palette();
        palette.setColor(QPalette::WindowText, differenceColour(totals.differences[row].units));
        difference->setPalette(palette);
        // A screen reader hears a row's standard hours, year sum and difference with its base
        // box.
        if (row < kPlanRows) {
            const QString standard = lblWiz4Standard[row]->text();
            txtWiz4YearBase[row]->setAccessibleDescription(
                (standard.isEmpty()
                     ? QString()
                     : QString::fromUtf16(kStandardHeading) + u' ' + standard + u"　"_s) +
                kGridHeadings[0].toString() + u' ' + year->text() + u"　"_s +
                kGridHeadings[1].toString() + u' ' + difference->text());
        }
    }
    lblWiz4Held->setVisible(totals.anyHeld());
}

void frmWiz4::changeEvent(QEvent *event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        activated();
}

void frmWiz4::closeEvent(QCloseEvent *event) {
    // What was typed last is kept, however the page is left.
    subGetYearPlan();
    QWidget::closeEvent(event);
}

bool frmWiz4::eventFilter(QObject *watched, QEvent *event) {
    auto *box = qobject_cast<QLineEdit *>(watched);
    if (!box)
        return QWidget::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::FocusIn:
        subGetYearPlan();
        box->selectAll();
        // A click gives the focus before the box sees the press, which would place the cursor
        // and drop the selection: the press that brought the focus selects the whole text, as
        // in a spreadsheet, so that typing replaces the value.
        m_clickSelects =
            static_cast<QFocusEvent *>(event)->reason() == Qt::MouseFocusReason ? box : nullptr;
        break;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        if (m_clickSelects == box) {
            m_swallowDrag = box;
            m_clickSelects = nullptr;
            box->selectAll();
            return true;
        }
        break;
    case QEvent::MouseMove:
        // The press was taken: a drag with it would pick part of the text again.
        if (m_swallowDrag == box)
            return true;
        break;
    case QEvent::MouseButtonRelease:
        if (m_swallowDrag == box) {
            m_swallowDrag = nullptr;
            return true;
        }
        break;
    case QEvent::FocusOut:
        m_clickSelects = nullptr;
        m_swallowDrag = nullptr;
        // A value typed and then left by a button, another window or the keyboard is stored
        // at once rather than waiting for the next box.
        subGetYearPlan();
        break;
    case QEvent::KeyPress:
        return keyPressed(box, static_cast<QKeyEvent *>(event)->key());
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

bool frmWiz4::keyPressed(QLineEdit *box, int key) {
    switch (planKeyAction(key)) {
    case PlanKeyAction::Move: {
        // The moves pass over the rows the plan does not show.
        const auto base = std::find(txtWiz4YearBase.begin(), txtWiz4YearBase.end(), box);
        if (base != txtWiz4YearBase.end()) {
            const int index = int(base - txtWiz4YearBase.begin());
            moveFocus(txtWiz4YearBase[planKeyTarget(key, index, kPlanRows, 1, [this](int b) {
                return txtWiz4YearBase[b]->isVisibleTo(this);
            })]);
        } else {
            const auto term = std::find(txtWiz4YearPlan.begin(), txtWiz4YearPlan.end(), box);
            const int index = int(term - txtWiz4YearPlan.begin());
            moveFocus(txtWiz4YearPlan[planKeyTarget(
                key, index, kPlanTermBoxes, kPlanTerms,
                [this](int b) { return txtWiz4YearPlan[b]->isVisibleTo(this); })]);
        }
        return true;
    }
    case PlanKeyAction::Reset: {
        box->setText(u"0"_s);
        // Set by a key rather than typed: stored as typing is.
        const auto base = std::find(txtWiz4YearBase.begin(), txtWiz4YearBase.end(), box);
        boxTyped(base != txtWiz4YearBase.end()
                     ? int(base - txtWiz4YearBase.begin())
                     : kPlanRows +
                           int(std::find(txtWiz4YearPlan.begin(), txtWiz4YearPlan.end(), box) -
                               txtWiz4YearPlan.begin()));
        return false;
    }
    case PlanKeyAction::Type:
    case PlanKeyAction::Pass:
        return false;
    }
    return false;
}

void frmWiz4::moveFocus(QLineEdit *box) {
    box->setFocus(Qt::OtherFocusReason);
    box->selectAll();
}

} // namespace mirune::ui
