#include "class_settings.h"

namespace mirune {

using namespace Qt::StringLiterals;

int fncChosenYear(std::optional<int> selectedItem, const QDate &today) {
    return selectedItem ? 2002 + *selectedItem : today.year();
}

QString yearChangeQuestionText() {
    return u"学級計画・授業計画の年度が、実績を登録している年度と食い違っています。"_s
           u"実績を破棄してもいいときは「はい」を押してください（保存済みのファイルには影響ありません）。"_s
           u"「いいえ」を押すと実績はそのままですが、設定した計画はキャンセルとなります。"_s;
}

bool fncYearChangeNeedsConsent(const AppState &state, int year) {
    return year != state.intYear && state.intYear != 0 && state.objFirstDay &&
           state.objFirstDay->objNextDay;
}

std::optional<int> fncParseGrade(const QString &text) {
    bool ok = false;
    const int grade = text.trimmed().toInt(&ok);
    if (!ok || grade < 1 || grade > 6)
        return std::nullopt;
    return grade;
}

ClassResult subGetClass(AppState &state, const ClassChoice &choice,
                        const std::function<YearChangeAnswer()> &ask) {
    if (fncYearChangeNeedsConsent(state, choice.year)) {
        switch (ask ? ask() : YearChangeAnswer::Cancel) {
        case YearChangeAnswer::Yes:
            state.objFirstDay->objNextDay.reset();
            break;
        case YearChangeAnswer::No:
            return ClassResult::Refused;
        case YearChangeAnswer::Cancel:
            return ClassResult::Cancelled;
        }
    }
    state.intYear = qint16(choice.year);
    if (state.intGrade < 1 || state.intGrade > 6)
        state.intGrade = 1;
    // The page keeps anything but a grade 1..6 from reaching here; such a text changes nothing.
    if (const auto grade = fncParseGrade(choice.gradeText))
        state.intGrade = qint16(*grade);
    if (!choice.classText.isEmpty())
        state.strClass = choice.classText;
    state.strTeacher = choice.teacherText;
    return ClassResult::Stored;
}

QDate fncDateWithCarry(int year, int month, int day) {
    return QDate(year, month, 1).addDays(day - 1);
}

QDate fncNthMonday(int year, int month, int n) {
    const QDate first(year, month, 1);
    const int offset = (8 - first.dayOfWeek()) % 7; // days from the 1st to the first Monday
    return first.addDays(offset + 7 * (n - 1));
}

void subGetHoliday(AppState &state, const VacationDays &days) {
    const int y = state.intYear;
    const std::array<QDate, kHolidaySlots> holidays = {
        QDate(y, 4, 1),
        fncDateWithCarry(y, 4, days.springBreakLastDay),
        fncDateWithCarry(y, 7, days.summerFirstDay),
        fncDateWithCarry(y, 8, days.summerLastDay),
        fncDateWithCarry(y, 12, days.winterFirstDay),
        fncDateWithCarry(y + 1, 1, days.winterLastDay),
        fncDateWithCarry(y + 1, 3, days.springFirstDay),
        QDate(y + 1, 3, 31),
        fncDateWithCarry(y, 9, days.autumnEquinoxDay),
        fncNthMonday(y, 10, 2),
        fncNthMonday(y + 1, 1, 2),
        fncDateWithCarry(y + 1, 3, days.springEquinoxDay),
    };
    for (int i = 0; i < kHolidaySlots; ++i)
        setHolidayDate(state, i, holidays[i]);

    state.boolSat1 = kFalse;
    state.boolSat2 = kTrue; // every Saturday is a holiday

    const bool before2004 = y < 2004;
    const std::array<QDate, kNationalHolidayRows> national = {
        QDate(y, 4, 29),
        QDate(y, 5, 3),
        QDate(y, 5, 4),
        QDate(y, 5, 5),
        before2004 ? QDate(y, 7, 20) : fncNthMonday(y, 7, 3),
        before2004 ? QDate(y, 9, 15) : fncNthMonday(y, 9, 3),
        holidays[8],
        holidays[9],
        QDate(y, 11, 3),
        QDate(y, 11, 23),
        QDate(y, 12, 23),
        holidays[10],
        QDate(y + 1, 2, 11),
        holidays[11],
    };
    for (int row = 0; row < kNationalHolidayRows; ++row) {
        QDate date = national[row];
        // A holiday on a Sunday is kept on the Monday after it. A moved row is not compared
        // with the next one: a 4 May moved onto 5 May leaves two rows on 5 May.
        if (date.dayOfWeek() == 7)
            date = date.addDays(1);
        setSpecialDate(state, row, date);
    }
}

} // namespace mirune
