#pragma once

#include "flag.h"
#include "units.h"

#include <QDate>
#include <QString>
#include <memory>

namespace mirune {

class ZuriDayTime;
using DayRef = std::shared_ptr<ZuriDayTime>;

// One registered day of the actual record, or one weekday of a weekly timetable. The actual
// record is a chain of these in ascending date order behind a placeholder head that is never a
// day; withdrawn records (boolNowPlanning True) stay in the chain and count for nothing.
class ZuriDayTime {
  public:
    ZuriDayTime() = default;
    ZuriDayTime(const ZuriDayTime &) = delete;
    ZuriDayTime &operator=(const ZuriDayTime &) = delete;
    // Unlinks the rest of the chain iteratively, so that dropping a long chain never recurses.
    ~ZuriDayTime();

    qint16 intThisDay = 0;          // day of the year of dateThisDay; 0 in heads and timetables
    QDate dateThisDay = zeroDate(); // the zero date in heads and timetable records
    qint16 intWeekName = 0;         // 0 Sunday .. 6 Saturday; timetable records hold 1..6
    QString strSubject;             // one code per period 0..7, "　" for none
    QString strCredit;              // one time-code digit 0..4 per period
    Flag boolNowPlanning = kFalse;  // True: withdrawn
    QString strComment;             // kept and saved, shown nowhere
    DayRef objNextDay;
    Flag boolWeekEnd = kFalse; // True on the Saturday record of a timetable only
    Flag boolWorkDay = kFalse; // True on every record of the chain

    // On the head: True when the chain holds a valid (not withdrawn) record for the date.
    bool searchDay(const QDate &sDay) const;
    // On the head: puts a record into the chain at its date's place; a record already there for
    // the same date is replaced.
    void appendDay(const DayRef &objInsertDay);
    // On the head: marks the date's record withdrawn; it stays in the chain and counts for
    // nothing. Found by its date: in a school year that ends in a leap February, 1 April and
    // 31 March share a day number. False when the chain holds no record of the date.
    bool withdrawDay(const QDate &date);
    // Makes this record a copy of another, all but the link.
    void cloneDay(const ZuriDayTime &objSource);

    bool isValidRecord() const { return !isTrue(boolNowPlanning); }
};

// A new registered day as the main window's register button builds it.
DayRef makeRegisteredDay(const QDate &date, const QString &subjects, const QString &credits);

// Number of records after the head, withdrawn ones included.
int chainLength(const ZuriDayTime &head);

} // namespace mirune
