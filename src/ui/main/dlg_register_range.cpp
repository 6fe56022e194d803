#include "dlg_register_range.h"

#include "model/app_state.h"
#include "model/school_day.h"
#include "model/week_view.h"

#include <QBoxLayout>
#include <QDateEdit>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

namespace mirune::ui {

using namespace Qt::StringLiterals;

namespace {

const QString kCaption = u"まとめて登録"_s;
const QString kExplanation =
    u"選んだ期間の授業日のうち、まだ登録していない日を、時間割のとおりに登録します。"
    u"登録済みの日と取り消した日はそのままです。"_s;
const QString kFrom = u"最初の日"_s;
const QString kTo = u"最後の日"_s;
const QString kTimetableA = u"A 時間割"_s;
const QString kTimetableB = u"B 時間割"_s;
const QString kCount = u"%1 日を登録します。"_s;
const QString kNone = u"登録する日はありません。"_s;
const QString kBackwards = u"最初の日が最後の日より後になっています。"_s;
const QString kEnteredLeftOut = u"（入力中の %1 は含みません）"_s;
const QString kRegister = u"登録する"_s;
const QString kCancel = u"キャンセル"_s;
const QString kDateFormat = u"yyyy年M月d日(ddd)"_s;

} // namespace

dlgRegisterRange::dlgRegisterRange(UiContext &ui, QWidget *parent) : QDialog(parent), m_ui(ui) {
    setObjectName(u"dlgRegisterRange"_s);
    setWindowTitle(kCaption);
    // Wide enough for the explanation to read in a few lines.
    setMinimumWidth(fontMetrics().horizontalAdvance(kFrom) * 9);

    auto *column = new QVBoxLayout(this);
    auto *explanation = new QLabel(kExplanation, this);
    explanation->setObjectName(u"lblRangeComment"_s);
    explanation->setWordWrap(true);
    column->addWidget(explanation);

    auto *form = new QFormLayout;
    const auto dateBox = [this](const QString &name, const QString &label) {
        auto *box = new QDateEdit(this);
        box->setObjectName(name);
        box->setCalendarPopup(true);
        box->setDisplayFormat(kDateFormat);
        box->setAccessibleName(label);
        connect(box, &QDateEdit::dateChanged, this, &dlgRegisterRange::refreshCount);
        return box;
    };
    m_from = dateBox(u"dtpRangeFrom"_s, kFrom);
    m_to = dateBox(u"dtpRangeTo"_s, kTo);
    form->addRow(kFrom, m_from);
    form->addRow(kTo, m_to);
    column->addLayout(form);

    auto *choice = new QHBoxLayout;
    m_optionA = new QRadioButton(kTimetableA, this);
    m_optionA->setObjectName(u"optRangeTimetable_0"_s);
    m_optionB = new QRadioButton(kTimetableB, this);
    m_optionB->setObjectName(u"optRangeTimetable_1"_s);
    m_optionA->setChecked(true);
    // The timetables may differ in the weekdays they can register.
    connect(m_optionB, &QRadioButton::toggled, this, &dlgRegisterRange::refreshCount);
    choice->addWidget(m_optionA);
    choice->addWidget(m_optionB);
    choice->addStretch(1);
    column->addLayout(choice);

    m_count = new QLabel(this);
    m_count->setObjectName(u"lblRangeCount"_s);
    m_count->setWordWrap(true);
    QFont bold = m_count->font();
    bold.setBold(true);
    m_count->setFont(bold);
    column->addWidget(m_count);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    m_ok = new QPushButton(kRegister, this);
    m_ok->setObjectName(u"cmdRangeRegister"_s);
    m_ok->setDefault(true);
    auto *cancel = new QPushButton(kCancel, this);
    cancel->setObjectName(u"cmdRangeCancel"_s);
    buttons->addWidget(m_ok);
    buttons->addWidget(cancel);
    column->addLayout(buttons);

    connect(m_ok, &QPushButton::clicked, this, [this] {
        const QList<QDate> days = daysToRegister();
        if (days.isEmpty())
            return;
        emit registerChosen(days, timetable());
        accept();
    });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(this, &QDialog::finished, this, &QWidget::close);
}

void dlgRegisterRange::prepare(TimetableChoice choice, const QList<QDate> &entered) {
    m_entered = entered;
    const AppState &state = m_ui.state;
    const DateRange year = schoolYearRange(state.intYear);
    for (QDateEdit *box : {m_from, m_to}) {
        const QSignalBlocker quiet(box);
        box->setDateRange(year.first, year.last);
    }
    const QDate today = fncTodayInSchoolYear(state.intYear, m_ui.today());
    QDate first = fncFirstUnregisteredSchoolDay(state);
    if (!first.isValid() || first > today)
        first = today;
    {
        const QSignalBlocker quietFrom(m_from);
        const QSignalBlocker quietTo(m_to);
        m_from->setDate(first);
        m_to->setDate(today);
    }
    (choice == TimetableChoice::B ? m_optionB : m_optionA)->setChecked(true);
    refreshCount();
    m_ok->setFocus(Qt::OtherFocusReason);
}

TimetableChoice dlgRegisterRange::timetable() const {
    return m_optionB->isChecked() ? TimetableChoice::B : TimetableChoice::A;
}

QList<QDate> dlgRegisterRange::daysToRegister() const {
    if (m_from->date() > m_to->date())
        return {};
    QList<QDate> days = fncDaysToRegister(m_ui.state, m_from->date(), m_to->date(), timetable());
    // A day whose lessons are being entered in the main window is registered from there.
    days.removeIf([this](const QDate &d) { return m_entered.contains(d); });
    return days;
}

void dlgRegisterRange::refreshCount() {
    const bool backwards = m_from->date() > m_to->date();
    const QList<QDate> days = daysToRegister();
    QString text = backwards ? kBackwards : days.isEmpty() ? kNone : kCount.arg(days.size());
    QStringList leftOut;
    for (const QDate &d : m_entered)
        if (!backwards && d >= m_from->date() && d <= m_to->date())
            leftOut.append(fncColumnHeading(d));
    if (!leftOut.isEmpty())
        text += u'\n' + kEnteredLeftOut.arg(leftOut.join(u'、'));
    m_count->setText(text);
    m_ok->setEnabled(!days.isEmpty());
}

} // namespace mirune::ui
