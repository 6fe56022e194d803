#include "frm_wiz2.h"

#include "document/class_document.h"
#include "frm_wiz0.h"
#include "frm_wiz3.h"
#include "model/app_state.h"
#include "storage/file_text.h"
#include "ui/common/control_array.h"
#include "ui/common/dialogs.h"
#include "ui/common/scrolling_page.h"
#include "ui/common/windows.h"
#include "wizard_texts.h"
#include "year_and_holiday_names.h"

#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QVBoxLayout>

namespace mirune::ui {

using namespace Qt::StringLiterals;

namespace {

// One day box: its slot in the box array, what it stands for, the day it carries and its list.
struct DayBox {
    int slot;
    int VacationDays::*day;
    int firstItem;
    int lastItem;
    QStringView name; // the box's accessible name, also used in messages about it
};

constexpr std::array<DayBox, 8> kDayBoxes = {{
    {0, &VacationDays::springBreakLastDay, 2, 12, u"春休み（年度始め） 終了日"},
    {1, &VacationDays::summerFirstDay, 18, 27, u"夏休み 開始日"},
    {5, &VacationDays::summerLastDay, 17, 31, u"夏休み 終了日"},
    {2, &VacationDays::winterFirstDay, 18, 27, u"冬休み 開始日"},
    {8, &VacationDays::winterLastDay, 2, 29, u"冬休み 終了日"},
    {3, &VacationDays::springFirstDay, 15, 29, u"春休み（年度末） 開始日"},
    {4, &VacationDays::autumnEquinoxDay, 21, 23, u"秋分の日"},
    {7, &VacationDays::springEquinoxDay, 20, 21, u"春分の日"},
}};

constexpr int kGradeBox = 0;
constexpr int kClassBox = 1;
constexpr int kLastClassItem = 12;

// A number as the page has always written it into a box: a blank where a sign would go, then the
// digits (grade 3 is " 3").
QString signedNumberText(int value) {
    return (value < 0 ? u"-"_s : u" "_s) + QString::number(qAbs(value));
}

// Typed text as a number: blanks around it and full-width digits, as a Japanese input method
// gives them, are fine.
std::optional<int> typedNumber(const QString &text) {
    bool ok = false;
    const int value = text.normalized(QString::NormalizationForm_KC).trimmed().toInt(&ok);
    return ok ? std::optional<int>(value) : std::nullopt;
}

QComboBox *makeEditableCombo(QWidget *parent, const QString &objectName) {
    auto *combo = new QComboBox(parent);
    combo->setObjectName(objectName);
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    return combo;
}

void addNumberItems(QComboBox *combo, int first, int last) {
    for (int i = first; i <= last; ++i)
        combo->addItem(QString::number(i));
}

// Characters the file cannot carry as the teacher reads them: a line break has no face, and a
// character the screen's fonts lack shows as a box, so each also goes by its number.
QString shownCharacters(const QString &characters) {
    QStringList shown;
    for (const char32_t c : characters.toUcs4()) {
        if (c == U'\r' || c == U'\n')
            shown.append(u"改行"_s);
        else
            shown.append(u"%1（U+%2）"_s.arg(
                QString::fromUcs4(&c, 1),
                QString::number(uint(c), 16).toUpper().rightJustified(4, u'0')));
    }
    return shown.join(u'、');
}

QString unwritableMessage(QStringView field, const QString &characters) {
    return u"「%1」には、データファイルに保存できない文字 %2 は使えません。"
           u"ほかの文字にしてください。"_s.arg(field, shownCharacters(characters));
}

QString tooLongMessage(QStringView field) {
    return u"「%1」が長すぎて、データファイルに保存できません。"_s.arg(field);
}

} // namespace

frmWiz2::frmWiz2(UiContext &ui, QWidget *parent) : QWidget(parent), m_ui(ui) {
    setObjectName(u"frmWiz2"_s);
    setWindowTitle(wizard_texts::caption());

    auto *layout = new QVBoxLayout;
    buildClassRows();
    buildHolidayRows();

    cmdWiz2Before = new QPushButton(wizard_texts::before(), this);
    cmdWiz2Before->setObjectName(u"cmdWiz2Before"_s);
    cmdWiz2Next = new QPushButton(wizard_texts::next(), this);
    cmdWiz2Next->setObjectName(u"cmdWiz2Next"_s);
    cmdWiz2Next->setDefault(true);
    cmdWiz2Cancel = new QPushButton(wizard_texts::finish(), this);
    cmdWiz2Cancel->setObjectName(u"cmdWiz2Cancel"_s);

    auto *classGrid = new QGridLayout;
    classGrid->addWidget(lblWiz1Comment, 0, 0, 1, 6);
    classGrid->addWidget(lblWiz1Year, 1, 0);
    classGrid->addWidget(cboWiz1Year, 1, 1, 1, 4);
    classGrid->addWidget(lblWiz1Class, 2, 0);
    classGrid->addWidget(cboWiz1Class[kGradeBox], 2, 1);
    classGrid->addWidget(lblWiz1Rank, 2, 2);
    classGrid->addWidget(cboWiz1Class[kClassBox], 2, 3);
    classGrid->addWidget(lblWiz1Kumi, 2, 4);
    classGrid->addWidget(lblWiz1Teacher, 3, 0);
    classGrid->addWidget(txtWiz1Teacher, 3, 1, 1, 4);
    classGrid->setColumnStretch(5, 1);
    layout->addLayout(classGrid);
    layout->addSpacing(fontMetrics().height());

    // Name, first bound's prefix, first box, second bound's prefix, second box.
    auto *holidayGrid = new QGridLayout;
    const auto &l = lblWiz2Holiday;
    const auto &c = cboWiz2Holiday;
    holidayGrid->addWidget(lblWiz2Comment, 0, 0, 1, 6);
    holidayGrid->addWidget(l[0], 1, 0);
    holidayGrid->addWidget(l[9], 1, 1, 1, 2);
    holidayGrid->addWidget(l[17], 1, 3);
    holidayGrid->addWidget(c[0], 1, 4);
    holidayGrid->addWidget(l[1], 2, 0);
    holidayGrid->addWidget(l[10], 2, 1);
    holidayGrid->addWidget(c[1], 2, 2);
    holidayGrid->addWidget(l[18], 2, 3);
    holidayGrid->addWidget(c[5], 2, 4);
    holidayGrid->addWidget(l[2], 3, 0);
    holidayGrid->addWidget(l[11], 3, 1);
    holidayGrid->addWidget(c[2], 3, 2);
    holidayGrid->addWidget(l[19], 3, 3);
    holidayGrid->addWidget(c[8], 3, 4);
    holidayGrid->addWidget(l[3], 4, 0);
    holidayGrid->addWidget(l[12], 4, 1);
    holidayGrid->addWidget(c[3], 4, 2);
    holidayGrid->addWidget(l[20], 4, 3, 1, 2);
    holidayGrid->addWidget(l[4], 5, 0);
    holidayGrid->addWidget(l[13], 5, 1);
    holidayGrid->addWidget(c[4], 5, 2);
    holidayGrid->addWidget(l[7], 6, 0);
    holidayGrid->addWidget(l[16], 6, 1);
    holidayGrid->addWidget(c[7], 6, 2);
    holidayGrid->addWidget(l[8], 7, 0, 1, 6);
    holidayGrid->setColumnStretch(5, 1);
    layout->addLayout(holidayGrid);
    layout->addStretch(1);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdWiz2Before);
    buttons->addWidget(cmdWiz2Next);
    buttons->addWidget(cmdWiz2Cancel);
    setScrollingLayout(this, layout, buttons);

    // The keyboard walks the page top to bottom, each vacation from its first to its last day.
    QWidget *previous = cboWiz1Year;
    for (QWidget *w : std::initializer_list<QWidget *>{
             cboWiz1Class[kGradeBox], cboWiz1Class[kClassBox], txtWiz1Teacher, c[0], c[1], c[5],
             c[2], c[8], c[3], c[4], c[7], cmdWiz2Before, cmdWiz2Next, cmdWiz2Cancel}) {
        setTabOrder(previous, w);
        previous = w;
    }

    connect(cboWiz1Year, &QComboBox::activated, this, [this] { listChosen(); });
    for (QComboBox *box : cboWiz1Class)
        connect(box, &QComboBox::activated, this, [this] { listChosen(); });
    txtWiz1Teacher->installEventFilter(this);
    // What is typed counts the moment it is typed: for the save question, the save on the way
    // out and the recovery copy alike.
    connect(cboWiz1Class[kGradeBox]->lineEdit(), &QLineEdit::textEdited, this,
            &frmWiz2::gradeTyped);
    connect(cboWiz1Class[kClassBox]->lineEdit(), &QLineEdit::textEdited, this,
            &frmWiz2::classTyped);
    connect(txtWiz1Teacher, &QLineEdit::textEdited, this, &frmWiz2::teacherTyped);
    for (const DayBox &box : kDayBoxes)
        connect(cboWiz2Holiday[box.slot]->lineEdit(), &QLineEdit::textEdited, this,
                &frmWiz2::dayTyped);
    connect(cmdWiz2Before, &QPushButton::clicked, this, [this] { leave(Leave::Before); });
    connect(cmdWiz2Next, &QPushButton::clicked, this, [this] { leave(Leave::Next); });
    connect(cmdWiz2Cancel, &QPushButton::clicked, this, [this] { leave(Leave::Finish); });

    connect(&m_ui.document, &ClassDocument::changed, this, [this](const PlanChange &change) {
        if (!m_writing &&
            change.touches(PlanChange::Parts(PlanChange::Class) | PlanChange::Holidays))
            fillFromState();
    });

    // The boxes start from their initial texts; stored settings replace them.
    setDayBoxes(initialVacationDays(m_ui.state.intYear), false);
    fillFromState();
    cmdWiz2Next->setFocus();
}

void frmWiz2::buildClassRows() {
    const auto label = [this](const QString &name, const QString &text) {
        auto *l = new QLabel(text, this);
        l->setObjectName(name);
        return l;
    };
    lblWiz1Comment = label(u"lblWiz1Comment"_s, u"新しいクラスの設定をします。"_s);
    lblWiz1Year = label(u"lblWiz1Year"_s, u"年度"_s);
    cboWiz1Year = makeEditableCombo(this, u"cboWiz1Year"_s);
    cboWiz1Year->setAccessibleName(u"年度"_s);
    cboWiz1Year->setMinimumContentsLength(16);
    lblWiz1Year->setBuddy(cboWiz1Year);

    lblWiz1Class = label(u"lblWiz1Class"_s, u"クラス"_s);
    cboWiz1Class = {makeEditableCombo(this, controlName(u"cboWiz1Class"_s, kGradeBox)),
                    makeEditableCombo(this, controlName(u"cboWiz1Class"_s, kClassBox))};
    lblWiz1Rank = label(u"lblWiz1Rank"_s, u"学年"_s);
    lblWiz1Kumi = label(u"lblWiz1Kumi"_s, u"組"_s);
    addNumberItems(cboWiz1Class[kGradeBox], 1, 6);
    addNumberItems(cboWiz1Class[kClassBox], 1, kLastClassItem);
    cboWiz1Class[kGradeBox]->setAccessibleName(u"学年"_s);
    cboWiz1Class[kClassBox]->setAccessibleName(u"組"_s);
    for (QComboBox *box : cboWiz1Class) {
        box->setCurrentIndex(-1);
        box->setMinimumContentsLength(3);
        box->setInputMethodHints(Qt::ImhPreferNumbers);
    }

    lblWiz1Teacher = label(u"lblWiz1Teacher"_s, u"担任"_s);
    txtWiz1Teacher = new QLineEdit(this);
    txtWiz1Teacher->setObjectName(u"txtWiz1Teacher"_s);
    txtWiz1Teacher->setAccessibleName(u"担任"_s);
    lblWiz1Teacher->setBuddy(txtWiz1Teacher);
}

void frmWiz2::buildHolidayRows() {
    lblWiz2Comment = new QLabel(u"休日の設定をします。"_s, this);
    lblWiz2Comment->setObjectName(u"lblWiz2Comment"_s);

    static const std::array<std::pair<int, QStringView>, 17> texts = {{
        {0, u"春休み（年度始め）"},
        {1, u"夏休み"},
        {2, u"冬休み"},
        {3, u"春休み（年度末）"},
        {4, u"秋分の日"},
        {7, u"春分の日"},
        {8, u"土曜日の扱い ... Ver2.0以降では完全週休二日としました。"},
        {9, u"4／1"},
        {10, u"7／"},
        {11, u"12／"},
        {12, u"3／"},
        {13, u"9／"},
        {16, u"3／"},
        {17, u"～　4／"},
        {18, u"～　8／"},
        {19, u"～　1／"},
        {20, u"～　3／31"},
    }};
    for (const auto &[index, text] : texts) {
        auto *label = new QLabel(text.toString(), this);
        label->setObjectName(controlName(u"lblWiz2Holiday"_s, index));
        lblWiz2Holiday[index] = label;
    }
    lblWiz2Holiday[8]->setWordWrap(true);

    for (const DayBox &box : kDayBoxes) {
        QComboBox *combo = makeEditableCombo(this, controlName(u"cboWiz2Holiday"_s, box.slot));
        addNumberItems(combo, box.firstItem, box.lastItem);
        combo->setAccessibleName(box.name.toString());
        combo->setMinimumContentsLength(3);
        combo->setInputMethodHints(Qt::ImhPreferNumbers);
        cboWiz2Holiday[box.slot] = combo;
    }
}

void frmWiz2::changeEvent(QEvent *event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        activated();
}

void frmWiz2::showEvent(QShowEvent *event) {
    QWidget::showEvent(event);
    // A page hidden by the year question and shown again shows the state as it is now.
    fillFromState();
}

void frmWiz2::activated() {
    // The controls follow the state through its change notices; activation only gives "次へ"
    // the focus, so that returning from a message keeps what the teacher has typed.
    cmdWiz2Next->setFocus();
}

bool frmWiz2::eventFilter(QObject *watched, QEvent *event) {
    if (watched == txtWiz1Teacher && event->type() == QEvent::MouseButtonRelease)
        listChosen();
    return QWidget::eventFilter(watched, event);
}

void frmWiz2::fillYearList() {
    const QList<YearListItem> items = yearListItems(m_ui.today());
    const int year = m_ui.state.intYear;
    QSignalBlocker blocker(cboWiz1Year);
    cboWiz1Year->clear();
    for (const YearListItem &item : items)
        cboWiz1Year->addItem(item.name, item.year);
    // A year the list does not offer (a file of an earlier or later year) gets an item of its
    // own in its place, so that passing through the page keeps it.
    if (year > 0 && cboWiz1Year->findData(year) < 0) {
        int at = 0;
        while (at < cboWiz1Year->count() && cboWiz1Year->itemData(at).toInt() < year)
            ++at;
        cboWiz1Year->insertItem(at, schoolYearName(year), year);
    }
    cboWiz1Year->setCurrentIndex(year > 0 ? cboWiz1Year->findData(year) : -1);
}

void frmWiz2::setDayBoxes(const VacationDays &days, bool asStored) {
    for (const DayBox &box : kDayBoxes) {
        const int day = days.*box.day;
        cboWiz2Holiday[box.slot]->setEditText(asStored ? signedNumberText(day)
                                                       : QString::number(day));
    }
}

void frmWiz2::fillFromState() {
    const AppState &s = m_ui.state;
    fillYearList();
    // A plan that has its class shows what it holds, also where a step taken back emptied a
    // box; a new plan keeps what the teacher has typed so far.
    const bool planned = s.intYear != 0;
    if (s.intGrade != 0 || planned)
        setBoxText(cboWiz1Class[kGradeBox]->lineEdit(),
                   s.intGrade != 0 ? signedNumberText(s.intGrade) : QString());
    if (!s.strClass.isEmpty() || planned)
        setBoxText(cboWiz1Class[kClassBox]->lineEdit(), s.strClass);
    if (!s.strTeacher.isEmpty() || planned)
        setBoxText(txtWiz1Teacher, s.strTeacher);
    if (!isZeroDate(s.dateHoliday[1]))
        setDayBoxes(vacationDaysShown(s), true);
}

void frmWiz2::setBoxText(QLineEdit *box, const QString &text) {
    // A box that shows the value already keeps its cursor.
    if (box->text() != text)
        box->setText(text);
}

bool frmWiz2::checkWritable(QLineEdit *box, QStringView field) {
    const QString refused = fncUnwritableCharacters(box->text());
    if (refused.isEmpty() && !fncTextTooLongForFile(box->text()))
        return true;
    // The characters go again at once, where they were typed; the rest of the text stays.
    QString kept = box->text();
    for (const QChar c : refused)
        kept.remove(c);
    const int cursor = box->cursorPosition();
    box->setText(kept);
    box->setCursorPosition(qMin(cursor, int(kept.size())));
    refuse(box, refused.isEmpty() ? tooLongMessage(field) : unwritableMessage(field, refused));
    return false;
}

void frmWiz2::gradeTyped() {
    if (m_ui.state.intYear == 0)
        return; // nothing of a new plan is kept before its school year is
    const std::optional<int> grade = typedNumber(cboWiz1Class[kGradeBox]->currentText());
    // Anything else waits for the page to be left, which names what the box asks for.
    if (grade && fncParseGrade(QString::number(*grade))) {
        QScopedValueRollback<bool> writing(m_writing, true);
        m_ui.document.setGrade(*grade);
    }
}

void frmWiz2::classTyped() {
    QLineEdit *box = cboWiz1Class[kClassBox]->lineEdit();
    const bool writable = checkWritable(box, u"組");
    if (m_ui.state.intYear == 0)
        return;
    if (writable || fncUnwritableCharacters(box->text()).isEmpty()) {
        QScopedValueRollback<bool> writing(m_writing, true);
        m_ui.document.setClassName(box->text());
    }
}

void frmWiz2::teacherTyped() {
    const bool writable = checkWritable(txtWiz1Teacher, u"担任");
    if (m_ui.state.intYear == 0)
        return;
    if (writable || fncUnwritableCharacters(txtWiz1Teacher->text()).isEmpty()) {
        QScopedValueRollback<bool> writing(m_writing, true);
        m_ui.document.setTeacher(txtWiz1Teacher->text());
    }
}

void frmWiz2::dayTyped() {
    if (m_ui.state.intYear == 0)
        return;
    VacationDays days;
    for (const DayBox &box : kDayBoxes) {
        const std::optional<int> day = typedNumber(cboWiz2Holiday[box.slot]->currentText());
        if (!day)
            return; // a box half typed waits for the page to be left, which names it
        days.*box.day = *day;
    }
    QScopedValueRollback<bool> writing(m_writing, true);
    m_ui.document.setVacationDays(days);
}

void frmWiz2::refuse(QWidget *box, const QString &text) {
    m_ui.dialogs.message(this, MessageKind::Warning, wizard_texts::caption(), text);
    box->setFocus();
    if (auto *combo = qobject_cast<QComboBox *>(box); combo && combo->lineEdit())
        combo->lineEdit()->selectAll();
}

std::optional<ClassChoice> frmWiz2::readClassChoice() {
    QComboBox *gradeBox = cboWiz1Class[kGradeBox];
    const QString gradeText = gradeBox->currentText();
    std::optional<int> grade;
    if (!gradeText.trimmed().isEmpty()) {
        grade = typedNumber(gradeText);
        if (!grade || !fncParseGrade(QString::number(*grade))) {
            refuse(gradeBox, u"「学年」には 1 から 6 までの数字を入れてください。"_s);
            return std::nullopt;
        }
    }
    ClassChoice choice;
    const int item = cboWiz1Year->findText(cboWiz1Year->currentText(), Qt::MatchExactly);
    const std::optional<int> year =
        item >= 0 ? std::optional<int>(yearListPosition(cboWiz1Year->itemData(item).toInt()))
                  : std::nullopt;
    choice.year = fncChosenYear(year, m_ui.today());
    choice.gradeText = grade ? QString::number(*grade) : QString();
    if (!checkWritable(cboWiz1Class[kClassBox]->lineEdit(), u"組") ||
        !checkWritable(txtWiz1Teacher, u"担任"))
        return std::nullopt;
    choice.classText = cboWiz1Class[kClassBox]->currentText();
    choice.teacherText = txtWiz1Teacher->text();
    return choice;
}

std::optional<VacationDays> frmWiz2::readVacationDays() {
    VacationDays days;
    for (const DayBox &box : kDayBoxes) {
        QComboBox *combo = cboWiz2Holiday[box.slot];
        const std::optional<int> day = typedNumber(combo->currentText());
        if (!day) {
            refuse(combo, u"「%1」には日にちを数字で入れてください。"_s.arg(box.name));
            return std::nullopt;
        }
        days.*box.day = *day;
    }
    return days;
}

ClassResult frmWiz2::getClass(const ClassChoice &choice) {
    // The page's own change is not news to it; one that drops the records of another year is
    // one step with the class, which 元に戻す takes back whole.
    QScopedValueRollback<bool> writing(m_writing, true);
    return m_ui.document.setClassSettings(choice, [this] {
        const Dialogs::Answer answer = m_ui.dialogs.message(
            this, MessageKind::YesNoCancel, wizard_texts::appTitle(), yearChangeQuestionText());
        switch (answer) {
        case Dialogs::Answer::Yes:
            hide();
            return YearChangeAnswer::Yes;
        case Dialogs::Answer::No:
            hide();
            return YearChangeAnswer::No;
        default:
            return YearChangeAnswer::Cancel;
        }
    });
}

void frmWiz2::listChosen() {
    const std::optional<ClassChoice> choice = readClassChoice();
    if (!choice)
        return;
    const bool hadStoredDates = !isZeroDate(m_ui.state.dateHoliday[1]);
    const int before = m_ui.state.intYear;
    const ClassResult result = getClass(*choice);
    if (result != ClassResult::Stored) {
        // The year stays what it was, and so does the list.
        fillYearList();
        return;
    }
    // While nothing is stored, the equinox boxes follow the chosen year.
    if (!hadStoredDates && m_ui.state.intYear != before) {
        const VacationDays initial = initialVacationDays(m_ui.state.intYear);
        cboWiz2Holiday[4]->setEditText(QString::number(initial.autumnEquinoxDay));
        cboWiz2Holiday[7]->setEditText(QString::number(initial.springEquinoxDay));
    }
}

void frmWiz2::leave(Leave how) {
    // Everything is read before anything is stored, so that a refused box leaves the state
    // untouched.
    const std::optional<ClassChoice> choice = readClassChoice();
    if (!choice)
        return;
    const std::optional<VacationDays> days = readVacationDays();
    if (!days)
        return;
    // Cancel on the year question keeps the page, with nothing stored.
    if (getClass(*choice) == ClassResult::Cancelled) {
        fillYearList();
        return;
    }
    {
        QScopedValueRollback<bool> writing(m_writing, true);
        m_ui.document.setVacationDays(*days);
    }
    switch (how) {
    case Leave::Before:
        m_ui.windows.replace<frmWiz0>(this);
        break;
    case Leave::Next:
        m_ui.windows.replace<frmWiz3>(this);
        break;
    case Leave::Finish:
        close();
        break;
    }
}

} // namespace mirune::ui
