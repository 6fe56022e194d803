// The document's settings steps: what the class page, the holiday calendar, the annual plan page
// and the weekly timetable page change, each one step of 元に戻す.

#include "class_document.h"
#include "model/hour_fields.h"
#include "model/notation.h"
#include "model/standard_hours.h"
#include "model/term_split.h"
#include "model/week_view.h"
#include "storage/file_text.h"

#include <QScopedValueRollback>
#include <QUndoStack>

namespace mirune {

using namespace Qt::StringLiterals;

namespace {

// Kinds of step whose typing is one step (SettingsCommand::id); a plan box adds its index to
// the last.
enum MergeKind : int {
    kTypedGrade = 1,
    kTypedClass,
    kTypedTeacher,
    kTypedVacation,
    kTypedPlanBox = 100,
    kChosenLength = 300, // a timetable cell's length, chosen one after another with the arrows
};

constexpr PlanChange::Parts kClassParts =
    PlanChange::Parts(PlanChange::Class) | PlanChange::Days | PlanChange::Entries;

QString timetableName(TimetableChoice timetable) {
    return timetable == TimetableChoice::A ? u"時間割A"_s : u"時間割B"_s;
}

QString periodName(int weekday, int period) {
    return fncWeekdayChar(1 + weekday) + u"曜 "_s + QString::number(period) + u"時限"_s;
}

// Whether a text may be written to the file as it was typed.
bool isWritable(QStringView text) {
    return fncUnwritableCharacters(text).isEmpty() && !fncTextTooLongForFile(text);
}

WeekCredits &creditsOf(AppState &state, TimetableChoice timetable) {
    return timetable == TimetableChoice::A ? state.strWeekCreditA : state.strWeekCreditB;
}

ZuriWeekTotal &weekOf(AppState &state, TimetableChoice timetable) {
    return timetable == TimetableChoice::A ? *state.objWeekPlanA : *state.objWeekPlanB;
}

// The timetable page stores the lengths of Monday to Friday as eight digits each, a period with
// no digit taking 0, and every weekday record copies its weekday's lengths again.
void storeWeekCredits(AppState &state, TimetableChoice timetable) {
    WeekCredits &credits = creditsOf(state, timetable);
    for (int d = 0; d < kStoredWeekCredits; ++d) {
        QString digits;
        for (int p = 0; p < kPeriodsPerDay; ++p) {
            const QChar c = p < credits[d].size() ? credits[d][p] : QChar();
            digits += c >= u'0' && c <= u'9' ? c : QChar(u'0');
        }
        credits[d] = digits;
    }
    subApplyWeekCredits(weekOf(state, timetable), credits);
}

// The subjects of a weekday's record as the page stores them: eight codes, "　" for none.
QString weekdaySubjects(const ZuriWeekTotal &week, int weekday) {
    QString subjects;
    for (const ZuriDayTime *d = week.objFirstDay.get(); d; d = d->objNextDay.get()) {
        if (d->intWeekName == weekday + 1) {
            subjects = d->strSubject;
            break;
        }
        if (d == week.objLastDay.get())
            break;
    }
    QString stored;
    for (int p = 0; p < kPeriodsPerDay; ++p)
        stored += p < subjects.size() ? subjects[p] : kNoSubject;
    return stored;
}

} // namespace

bool ClassDocument::changeSettings(PlanChange::Parts parts, const QString &text,
                                   const std::function<void(AppState &)> &edit, int mergeKind) {
    if (refusedWhileApplying("changeSettings"))
        return false;
    const PlanSnapshot now = PlanSnapshot::take(m_state, m_entries, parts);
    PlanSnapshot before = now;
    // Typing goes on where it left off: the step just taken is made again from the plan as it
    // was before the typing began, so that a value passed through on the way (a day "2" on the
    // way to "25") leaves nothing behind.
    if (mergeKind != -1 && m_undo->index() > 0 && m_undo->index() != m_undo->cleanIndex()) {
        const auto *typing =
            dynamic_cast<const SettingsCommand *>(m_undo->command(m_undo->index() - 1));
        if (typing && typing->id() == mergeKind && typing->before().parts() == now.parts()) {
            before = typing->before();
            before.put(m_state, m_entries);
        }
    }
    edit(m_state);
    const PlanSnapshot after = PlanSnapshot::take(m_state, m_entries, parts);
    const PlanChange::Parts changed = now.differences(after);
    if (!changed)
        return false; // the plan is as it was (after == now)
    m_undo->push(
        new SettingsCommand(before, after, text, mergeKind,
                            [this](const PlanSnapshot &snapshot, PlanChange::Parts touched,
                                   bool replayed) { applySettings(snapshot, touched, replayed); }));
    planChanged(PlanChange{changed, {}, false});
    return true;
}

void ClassDocument::applySettings(const PlanSnapshot &snapshot, PlanChange::Parts changed,
                                  bool replayed) {
    const QScopedValueRollback<bool> applying(m_applying, true);
    const qint16 year = m_state.intYear;
    snapshot.put(m_state, m_entries);
    // Another school year: the main window chooses its day in that year again.
    if (m_state.intYear != year)
        m_state.boolDaySelected = 0;
    planChanged(PlanChange{changed, {}, replayed});
}

// --- The class page --------------------------------------------------------------------------

ClassResult ClassDocument::setClassSettings(const ClassChoice &choice,
                                            const std::function<YearChangeAnswer()> &ask) {
    if (!isWritable(choice.classText) || !isWritable(choice.teacherText))
        return ClassResult::Cancelled;
    ClassResult result = ClassResult::Cancelled;
    changeSettings(kClassParts, u"学級の設定"_s, [&](AppState &state) {
        const qint16 year = state.intYear;
        result = subGetClass(state, choice, ask);
        if (result == ClassResult::Stored && state.intYear != year) {
            // The lessons entered for days of the year left behind go with it.
            m_entries.clear();
            state.boolDaySelected = 0;
        }
    });
    return result;
}

bool ClassDocument::setGrade(int grade) {
    if (grade < 1 || grade > 6)
        return false;
    return changeSettings(
        PlanChange::Class, u"学年を%1年にする"_s.arg(grade),
        [grade](AppState &state) { state.intGrade = qint16(grade); }, kTypedGrade);
}

bool ClassDocument::setClassName(const QString &name) {
    // An empty box keeps the class, as the page has always taken it.
    if (name.isEmpty() || !isWritable(name))
        return false;
    return changeSettings(
        PlanChange::Class, u"組を「%1」にする"_s.arg(name),
        [&name](AppState &state) { state.strClass = name; }, kTypedClass);
}

bool ClassDocument::setTeacher(const QString &name) {
    if (!isWritable(name))
        return false;
    return changeSettings(
        PlanChange::Class, u"担任を「%1」にする"_s.arg(name),
        [&name](AppState &state) { state.strTeacher = name; }, kTypedTeacher);
}

bool ClassDocument::setVacationDays(const VacationDays &days) {
    if (m_state.intYear == 0)
        return false;
    return changeSettings(
        PlanChange::Holidays, u"長期休業などの日にち"_s,
        [&days](AppState &state) { subGetHoliday(state, days); }, kTypedVacation);
}

// --- The holiday calendar --------------------------------------------------------------------

AddHolidayResult ClassDocument::addTeacherHoliday(const QDate &date) {
    AddHolidayResult result = AddHolidayResult::Added;
    changeSettings(PlanChange::Holidays, fncColumnHeading(date) + u" を休日にする"_s,
                   [&](AppState &state) { result = fncAddTeacherHoliday(state, date); });
    return result;
}

bool ClassDocument::removeTeacherHoliday(const QDate &date) {
    return changeSettings(PlanChange::Holidays, fncColumnHeading(date) + u" を授業日に戻す"_s,
                          [&](AppState &state) { fncRemoveTeacherHoliday(state, date); });
}

// --- The annual plan -------------------------------------------------------------------------

bool ClassDocument::setPlanTexts(const PlanTexts &texts, int box) {
    QString text = u"年間授業計画"_s;
    if (box >= 0 && box < kPlanRows + kPlanTermBoxes) {
        const int row = box < kPlanRows ? box : (box - kPlanRows) / kPlanTerms;
        const QString column =
            box < kPlanRows ? u"基本時数"_s : u"%1学期"_s.arg((box - kPlanRows) % kPlanTerms + 1);
        text += u' ' + planRowHeading(row).toString() + u' ' + column;
    }
    return changeSettings(
        PlanChange::Plans, text,
        [&texts](AppState &state) {
            PlanTexts checked = texts;
            mirune::subGetYearPlan(state, checked);
        },
        box >= 0 ? kTypedPlanBox + box : -1);
}

bool ClassDocument::fillBasePlanFromStandard() {
    return changeSettings(PlanChange::Plans, u"標準時数を入れる"_s,
                          [](AppState &state) { subFillBasePlanFromStandard(state); });
}

bool ClassDocument::splitBasePlanOverTerms() {
    return changeSettings(PlanChange::Plans, u"学期に配分"_s,
                          [](AppState &state) { subSplitBasePlanOverTerms(state); });
}

// --- The weekly timetables -------------------------------------------------------------------

bool ClassDocument::setTimetableLength(TimetableChoice timetable, int weekday, int period,
                                       int timeCode) {
    if (weekday < 0 || weekday >= kStoredWeekCredits || period < 0 || period >= kPeriodsPerDay ||
        timeCode < 0 || timeCode > 4)
        return false;
    const QString text = timetableName(timetable) + u' ' + periodName(weekday, period) + u' ' +
                         subGetCredit(timeCode);
    const int cell = (timetable == TimetableChoice::B ? kStoredWeekCredits : 0) * kPeriodsPerDay +
                     weekday * kPeriodsPerDay + period;
    return changeSettings(
        PlanChange::Timetables, text,
        [&](AppState &state) {
            WeekCredits &credits = creditsOf(state, timetable);
            credits[weekday] = credits[weekday].leftJustified(kPeriodsPerDay, u'0', true);
            credits[weekday][period] = QChar(u'0' + timeCode);
            storeWeekCredits(state, timetable);
        },
        kChosenLength + cell);
}

bool ClassDocument::setTimetableSubject(TimetableChoice timetable, int weekday, int period,
                                        QChar code) {
    if (weekday < 0 || weekday >= kStoredWeekCredits || period < 0 || period >= kPeriodsPerDay)
        return false;
    const SubjectInfo *subject = subjectForCode(code);
    if (!subject && code != kNoSubject) {
        qWarning("ClassDocument::setTimetableSubject: U+%04X is no subject's code; nothing stored",
                 unsigned(code.unicode()));
        return false;
    }
    const QString text = timetableName(timetable) + u' ' + periodName(weekday, period) + u' ' +
                         (subject ? subject->fullName.toString() : u"教科を消す"_s);
    return changeSettings(PlanChange::Timetables, text, [&](AppState &state) {
        ZuriWeekTotal &week = weekOf(state, timetable);
        QString subjects = weekdaySubjects(week, weekday);
        subjects[period] = code;
        for (ZuriDayTime *d = week.objFirstDay.get(); d; d = d->objNextDay.get()) {
            if (d->intWeekName == weekday + 1)
                d->strSubject = subjects;
            if (d == week.objLastDay.get())
                break;
        }
        storeWeekCredits(state, timetable);
    });
}

bool ClassDocument::fillDefaultLengths(TimetableChoice timetable) {
    const WeekCredits &credits =
        timetable == TimetableChoice::A ? m_state.strWeekCreditA : m_state.strWeekCreditB;
    const int grade = m_state.intGrade;
    const bool empty = std::all_of(credits.begin(), credits.begin() + 6,
                                   [](const QString &s) { return s.isEmpty(); });
    if (!empty || grade < 1 || grade > 6)
        return false;
    return changeSettings(PlanChange::Timetables, timetableName(timetable) + u" 学年の標準の時間"_s,
                          [&](AppState &state) {
                              WeekCredits &w = creditsOf(state, timetable);
                              for (int weekday = 0; weekday < 6; ++weekday)
                                  w[weekday] = state.strStdCredit[grade - 1][weekday];
                              storeWeekCredits(state, timetable);
                          });
}

} // namespace mirune
