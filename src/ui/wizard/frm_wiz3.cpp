#include "frm_wiz3.h"

#include "dlg_result_sorry.h"
#include "document/class_document.h"
#include "frm_wiz2.h"
#include "frm_wiz5.h"
#include "model/app_state.h"
#include "model/school_day.h"
#include "model/teacher_holidays.h"
#include "ui/common/control_array.h"
#include "ui/common/dialogs.h"
#include "ui/common/month_row.h"
#include "ui/common/scrolling_page.h"
#include "ui/common/windows.h"
#include "wizard_texts.h"
#include "year_and_holiday_names.h"

#include <QEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QVBoxLayout>

namespace mirune::ui {

using namespace Qt::StringLiterals;

namespace {

constexpr int kYearCount = frmWiz3::kTerms; // the fourth label counts the whole year

// A day as the page draws it: a school day bold, any other plain; a day off by the law in red,
// as a calendar on the wall has it, with its name as the tool tip.
void drawFormat(MonthRow *row, const QDate &date, bool bold, const QString &holidayName) {
    row->setDayFormat(date, MonthView::DayFormat{bold, !holidayName.isEmpty(), holidayName});
}

QString fullTableMessage() {
    return u"休日はこれ以上増やせません。ほかの日の休日を取り消してから選んでください。"_s;
}

} // namespace

frmWiz3::frmWiz3(UiContext &ui, QWidget *parent) : QWidget(parent), m_ui(ui) {
    setObjectName(u"frmWiz3"_s);
    setWindowTitle(wizard_texts::caption());

    fraWiz3Month = new QGroupBox(
        u"休日の設定（休日にしたい日付をクリックしてください。同じところをクリックすると取り消します。）"_s,
        this);
    fraWiz3Month->setObjectName(u"fraWiz3Month"_s);
    auto *frame = new QVBoxLayout(fraWiz3Month);

    lblWiz3NumberOfSchoolDays =
        makeControlArray<QLabel, kTerms + 1>(this, u"lblWiz3NumberOfSchoolDays"_s);
    static const std::array<QStringView, kTerms + 1> initialCaptions = {
        u"１学期の授業日数　XX日", u"２学期の授業日数　XX日", u"３学期の授業日数　XX日",
        u"１年間の授業日数　XX日"};
    for (int i = 0; i <= kTerms; ++i)
        lblWiz3NumberOfSchoolDays[i]->setText(initialCaptions[i].toString());

    const int year = shownYear();
    for (int term = 0; term < kTerms; ++term) {
        const DateRange range = calendarTermRange(year, term + 1);
        auto *row = new MonthRow(range.first, range.last, fraWiz3Month);
        row->setObjectName(controlName(u"mvWiz3Calendar"_s, term));
        mvWiz3Calendar[term] = row;
        frame->addWidget(row);
        frame->addWidget(lblWiz3NumberOfSchoolDays[term], 0, Qt::AlignRight);
        connect(row, &MonthRow::dateClicked, this,
                [this, term](const QDate &date) { dateClicked(term, date); });
        for (MonthView *calendar : row->calendars()) {
            // Seen before the sheet's own key handling, so that a day chosen with Space or
            // Return keeps the focus on the sheet.
            calendar->installEventFilter(this);
            connect(calendar, &MonthView::selectionChanged, this,
                    [this, term, calendar] { describeDay(term, calendar->selectedDate()); });
        }
    }

    cmdWiz3Before = new QPushButton(wizard_texts::before(), this);
    cmdWiz3Before->setObjectName(u"cmdWiz3Before"_s);
    cmdWiz3Next = new QPushButton(wizard_texts::next(), this);
    cmdWiz3Next->setObjectName(u"cmdWiz3Next"_s);
    cmdWiz3Next->setDefault(true);
    cmdWiz3Cancel = new QPushButton(wizard_texts::finish(), this);
    cmdWiz3Cancel->setObjectName(u"cmdWiz3Cancel"_s);

    // The year's count under the calendars, right-aligned like the terms' inside the frame; the
    // buttons alone under the part that scrolls.
    auto *layout = new QVBoxLayout;
    layout->addWidget(fraWiz3Month);
    layout->addWidget(lblWiz3NumberOfSchoolDays[kYearCount], 0, Qt::AlignRight);
    auto *bottom = new QHBoxLayout;
    bottom->addStretch(1);
    bottom->addWidget(cmdWiz3Before);
    bottom->addWidget(cmdWiz3Next);
    bottom->addWidget(cmdWiz3Cancel);
    setScrollingLayout(this, layout, bottom);

    connect(cmdWiz3Before, &QPushButton::clicked, this,
            [this] { m_ui.windows.replace<frmWiz2>(this); });
    connect(cmdWiz3Next, &QPushButton::clicked, this, [this] {
        m_ui.windows.replace<frmWiz5>(
            this, [](frmWiz5 *page) { page->editTimetable(TimetableChoice::A); });
    });
    connect(cmdWiz3Cancel, &QPushButton::clicked, this, &QWidget::close);

    connect(&m_ui.document, &ClassDocument::changed, this, [this](const PlanChange &change) {
        if (!m_writing &&
            change.touches(PlanChange::Parts(PlanChange::Class) | PlanChange::Holidays))
            redraw();
    });

    redraw();
    cmdWiz3Next->setFocus();
}

int frmWiz3::shownYear() const {
    if (m_ui.state.intYear > 0)
        return m_ui.state.intYear;
    const QDate today = m_ui.today();
    return today.month() >= 4 ? today.year() : today.year() - 1;
}

void frmWiz3::changeEvent(QEvent *event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        activated();
}

void frmWiz3::activated() {
    cmdWiz3Next->setFocus();
    redraw();
}

bool frmWiz3::eventFilter(QObject *watched, QEvent *event) {
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        m_keyChoice = key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter;
    } else if (event->type() == QEvent::MouseButtonPress) {
        m_keyChoice = false;
    }
    return QWidget::eventFilter(watched, event);
}

void frmWiz3::redraw() {
    const AppState &s = m_ui.state;
    const int year = shownYear();
    // With no class set up there is no school year to draw: every day stays plain.
    const bool planned = s.intYear > 0;
    const HolidayNames names(s);
    std::array<qint16, kTerms + 1> counts{};
    for (int term = 0; term < kTerms; ++term) {
        MonthRow *row = mvWiz3Calendar[term];
        const DateRange range = calendarTermRange(year, term + 1);
        if (row->first() != range.first || row->last() != range.last)
            row->setRange(range.first, range.last);
        row->clearDayFormats();
        for (QDate d = range.first; d <= range.last; d = d.addDays(1)) {
            const bool school = planned && fncIsSchoolDay(s, d);
            const QString name = planned ? names(d) : QString();
            if (school || !name.isEmpty())
                drawFormat(row, d, school, name);
            if (school) {
                ++counts[term];
                ++counts[kYearCount];
            }
        }
    }
    intSchoolDays = counts;
    for (int i = 0; i <= kTerms; ++i)
        setCountCaption(i);
}

void frmWiz3::setCountCaption(int index) {
    lblWiz3NumberOfSchoolDays[index]->setText(fncSchoolDaysCaption(index, intSchoolDays[index]));
}

bool frmWiz3::isDrawnBold(int term, const QDate &date) const {
    const MonthView *calendar = mvWiz3Calendar[term]->calendarFor(date);
    return calendar && calendar->isBold(date);
}

void frmWiz3::drawDay(int term, const QDate &date, bool bold) {
    drawFormat(mvWiz3Calendar[term], date, bold, HolidayNames(m_ui.state)(date));
}

void frmWiz3::dateClicked(int term, const QDate &date) {
    const bool byKey = std::exchange(m_keyChoice, false);
    const AppState &s = m_ui.state;
    if (s.intYear <= 0)
        return; // no class set up: no day can change
    bool changed = false;
    // The page draws its own change at once; the document's notice of it is no news here.
    QScopedValueRollback<bool> writing(m_writing, true);
    if (isDrawnBold(term, date)) {
        if (s.objFirstDay && s.objFirstDay->searchDay(date)) {
            // Lessons are recorded on the day: it stays a school day.
            const bool wasShown = m_ui.windows.find<dlgResultSorry>() &&
                                  m_ui.windows.find<dlgResultSorry>()->isVisible();
            dlgResultSorry *sorry = m_ui.windows.open<dlgResultSorry>();
            if (!wasShown)
                sorry->move(frameGeometry().center() - sorry->rect().center());
            return;
        }
        if (m_ui.document.addTeacherHoliday(date) == AddHolidayResult::TableFull) {
            m_ui.dialogs.message(this, MessageKind::Information, wizard_texts::caption(),
                                 fullTableMessage());
        } else {
            --intSchoolDays[term];
            --intSchoolDays[kYearCount];
            drawDay(term, date, false);
            changed = true;
        }
    } else if (m_ui.document.removeTeacherHoliday(date)) {
        ++intSchoolDays[term];
        ++intSchoolDays[kYearCount];
        drawDay(term, date, true);
        changed = true;
    }
    if (changed) {
        setCountCaption(term);
        setCountCaption(kYearCount);
    }
    describeDay(term, date);
    // A day chosen with the mouse sends the focus on to "次へ"; one chosen with the keyboard
    // keeps it on the calendar, so that the next day is a few keys away.
    if (!byKey)
        cmdWiz3Next->setFocus();
}

void frmWiz3::describeDay(int term, const QDate &date) {
    if (!date.isValid())
        return;
    const QString name = HolidayNames(m_ui.state)(date);
    QStringList parts = {QLocale().toString(date, u"M月d日(ddd)"_s)};
    if (!name.isEmpty())
        parts << name;
    parts << (isDrawnBold(term, date) ? u"授業日"_s : u"休日"_s);
    const QString text = parts.join(u' ');
    mvWiz3Calendar[term]->setNote(text);
    if (MonthView *calendar = mvWiz3Calendar[term]->calendarFor(date))
        calendar->setAccessibleDescription(text);
}

} // namespace mirune::ui
