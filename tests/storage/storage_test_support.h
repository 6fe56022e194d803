#pragma once

// Helpers of the data file tests: files as lines, reading from bytes, and the checks that a
// state holds what was saved, or was reset after a failed read.

#include "sample_states.h"
#include "storage/cp932.h"
#include "storage/data_file.h"

#include <QBuffer>
#include <QByteArray>
#include <QStringList>

namespace mirune::test {

using namespace Qt::StringLiterals;

// Lines as a data file holds them: CP932, each ending with CR LF (the last one optionally not).
// A line CP932 cannot hold comes out empty.
inline QByteArray cp932File(const QStringList &lines, bool lastLineBreak = true) {
    QByteArray bytes;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        bytes += cp932::encode(lines[i]).value_or(QByteArray());
        if (i + 1 < lines.size() || lastLineBreak)
            bytes += "\r\n";
    }
    return bytes;
}

// A data file's lines back as text; the file must end with CR LF. Bytes that are no CP932 give
// no lines.
inline QStringList cp932Lines(const QByteArray &bytes) {
    QStringList lines = cp932::decode(bytes).value_or(QString()).split(u"\r\n"_s);
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

// The lines the writer makes of a state.
inline QStringList writtenLines(const AppState &state) {
    const EncodeResult encoded = encodeDataFile(state);
    return encoded.error.isEmpty() ? cp932Lines(encoded.bytes) : QStringList{};
}

inline LoadResult readBytes(const QByteArray &bytes, AppState &state) {
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    return readDataFile(buffer, state);
}

// A state as the reader starts from it: started up, nothing loaded.
inline AppState startedState() {
    AppState state;
    subInitApp(state);
    return state;
}

// The first difference between what two states would save, or empty text when there is none.
// Dates are compared by month and day where only those are stored.
inline QString savedDifference(const AppState &a, const AppState &b) {
    const auto monthDay = [](const QDate &d) {
        return d.isValid() ? d.month() * 100 + d.day() : 0;
    };
    if (a.intYear != b.intYear || a.intGrade != b.intGrade || a.strClass != b.strClass ||
        a.strTeacher != b.strTeacher)
        return u"class settings"_s;
    for (int k = 0; k < kHolidaySlots; ++k)
        if (monthDay(a.dateHoliday[k]) != monthDay(b.dateHoliday[k]))
            return u"dateHoliday(%1)"_s.arg(k);
    if (a.boolSat1 != b.boolSat1 || a.boolSat2 != b.boolSat2)
        return u"Saturday flags"_s;
    if (a.intSpecialCount != b.intSpecialCount)
        return u"intSpecialCount %1 / %2"_s.arg(a.intSpecialCount).arg(b.intSpecialCount);
    for (int k = 0; k <= a.intSpecialCount && k < kSpecialSlots; ++k)
        if (monthDay(a.dateSpecial[k]) != monthDay(b.dateSpecial[k]))
            return u"dateSpecial(%1)"_s.arg(k);
    if (a.objYearPlan->hours != b.objYearPlan->hours)
        return u"base plan"_s;
    const auto ta = a.objSeasonPlan->terms();
    const auto tb = b.objSeasonPlan->terms();
    for (int t = 0; t < 3; ++t)
        if (ta[t]->hours != tb[t]->hours)
            return u"term plan %1"_s.arg(t + 1);
    const auto subjects = [](const ZuriWeekTotal &w) {
        QStringList s;
        for (const ZuriDayTime *d = w.objFirstDay.get(); d; d = d->objNextDay.get())
            s += d->strSubject;
        return s;
    };
    if (subjects(*a.objWeekPlanA) != subjects(*b.objWeekPlanA) ||
        subjects(*a.objWeekPlanB) != subjects(*b.objWeekPlanB))
        return u"timetable subjects"_s;
    for (int i = 0; i < kStoredWeekCredits; ++i)
        if (a.strWeekCreditA[i] != b.strWeekCreditA[i] ||
            a.strWeekCreditB[i] != b.strWeekCreditB[i])
            return u"time codes of weekday %1"_s.arg(i);
    const ZuriDayTime *da = a.objFirstDay->objNextDay.get();
    const ZuriDayTime *db = b.objFirstDay->objNextDay.get();
    for (int n = 1; da || db; ++n, da = da->objNextDay.get(), db = db->objNextDay.get()) {
        if (!da || !db)
            return u"number of days"_s;
        if (da->dateThisDay != db->dateThisDay || da->strSubject != db->strSubject ||
            da->strCredit != db->strCredit || da->strComment != db->strComment ||
            da->boolNowPlanning != db->boolNowPlanning)
            return u"registered day %1 (%2)"_s.arg(n).arg(da->dateThisDay.toString(Qt::ISODate));
    }
    return QString();
}

// What is wrong with a state whose week and year data should be as start-up leaves them.
inline QString notFreshWeekAndYearData(const AppState &state) {
    if (state.objFirstDay->objNextDay)
        return u"the day chain holds days"_s;
    if (state.intSpecialCount != kNationalHolidayRows)
        return u"intSpecialCount is %1"_s.arg(state.intSpecialCount);
    for (int i = 0; i < kWeekCreditSlots; ++i)
        if (!state.strWeekCreditA[i].isEmpty() || !state.strWeekCreditB[i].isEmpty())
            return u"time codes left"_s;
    for (const WeekTotalRef &week : {state.objWeekPlanA, state.objWeekPlanB})
        for (const ZuriDayTime *d = week->objFirstDay.get(); d; d = d->objNextDay.get())
            if (!d->strSubject.isEmpty() || !d->strCredit.isEmpty())
                return u"timetable left"_s;
    if (state.objYearPlan->hours != HourCounts{} || state.objSeasonPlan->hours != HourCounts{})
        return u"plan left"_s;
    for (const SeasonTotalRef &t : state.objSeasonPlan->terms())
        if (!t || t->hours != HourCounts{})
            return u"term plan left"_s;
    return QString();
}

// The class settings and holiday settings a failed read must not touch (the special-holiday
// count belongs to the week data that the read resets).
struct KeptSettings {
    qint16 year, grade;
    QString className, teacher;
    std::array<QDate, kHolidaySlots> holidays;
    Flag sat1, sat2;
    std::array<QDate, kSpecialSlots> specials;

    explicit KeptSettings(const AppState &s)
        : year(s.intYear), grade(s.intGrade), className(s.strClass), teacher(s.strTeacher),
          holidays(s.dateHoliday), sat1(s.boolSat1), sat2(s.boolSat2), specials(s.dateSpecial) {}
    bool operator==(const KeptSettings &) const = default;
};

} // namespace mirune::test
