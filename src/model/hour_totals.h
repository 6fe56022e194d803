#pragma once

#include "day_record.h"
#include "flag.h"
#include "hour_fields.h"

#include <array>
#include <memory>

namespace mirune {

// The hour fields of a totals record: 16-bit counts of 15-minute units in display order.
class HourCounts {
  public:
    qint16 &operator[](HourField f) { return units[static_cast<int>(f)]; }
    qint16 operator[](HourField f) const { return units[static_cast<int>(f)]; }

    void clear() { units.fill(0); }
    // Adds to a field, held at the 16-bit limits rather than wrapping round.
    void add(HourField f, int u);
    // The four subtotal and total fields from the base fields: 教科小計, 特活小計, 総授業時数
    // (lesson hours), 総時数 (lesson hours plus cut-off and reserve hours). Each is summed from
    // the base fields in a wider integer and held at the 16-bit limits once.
    void deriveTotals();

    bool operator==(const HourCounts &) const = default;

    std::array<qint16, kHourFieldCount> units{};
};

// What the three totals record kinds share: the hour fields and a flag that only the clone
// operations carry.
class HourTotalsRecord {
  public:
    HourCounts hours;
    Flag boolNowPlanning = kFalse;

    qint16 operator[](HourField f) const { return hours[f]; }
    qint16 &operator[](HourField f) { return hours[f]; }

  protected:
    void cloneHoursFrom(const HourTotalsRecord &source) {
        boolNowPlanning = source.boolNowPlanning;
        hours = source.hours;
    }
};

// Totals of a stretch of day records, from objFirstDay through objNextDay to objLastDay (both
// included). A week record totals a week or a weekly timetable; a term record a term.
class ZuriStretchTotal : public HourTotalsRecord {
  public:
    DayRef objFirstDay;
    DayRef objLastDay;

    // Sets every field from the valid records of the stretch. objLastDay ends the walk even
    // when withdrawn; when it is none or never met, the walk runs to the end of the chain.
    void calculate();
};

class ZuriWeekTotal : public ZuriStretchTotal {
  public:
    std::shared_ptr<ZuriWeekTotal> objNextWeek;
    void cloneWeek(const ZuriWeekTotal &source) { cloneHoursFrom(source); }
};

class ZuriSeasonTotal : public ZuriStretchTotal {
  public:
    std::shared_ptr<ZuriSeasonTotal> objNextSeason;
    void cloneSeason(const ZuriSeasonTotal &source) { cloneHoursFrom(source); }
};

using WeekTotalRef = std::shared_ptr<ZuriWeekTotal>;
using SeasonTotalRef = std::shared_ptr<ZuriSeasonTotal>;

// A school year: three terms chained first to last, or no terms at all (the base plan).
class ZuriYearTotal : public HourTotalsRecord {
  public:
    SeasonTotalRef objFirstSeason;
    SeasonTotalRef objLastSeason;

    // Adds the base fields of the three terms as they stand and derives the year's totals.
    void calculate();
    // As calculate, but each term is first recomputed from its stretch of days.
    void full_calculate();
    void cloneYear(const ZuriYearTotal &source) { cloneHoursFrom(source); }
    // False when a sum of the terms as they stand leaves the 16-bit range, so that calculate
    // holds it at the limit: the plan page says so instead of showing the held figure as it is.
    bool sumsFit() const;

    // The term records in chain order; a missing term gives nullptr.
    std::array<SeasonTotalRef, 3> terms() const;

  private:
    void sumTerms(bool recalculateTerms);
};

using YearTotalRef = std::shared_ptr<ZuriYearTotal>;

// A year record with three new, chained, empty term records.
YearTotalRef makeYearWithTerms();

} // namespace mirune
