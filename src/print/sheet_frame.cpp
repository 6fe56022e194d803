#include "sheet_frame.h"

#include "model/notation.h"
#include "model/school_day.h"
#include "model/units.h"
#include "print_format.h"

#include <algorithm>

namespace mirune {

using namespace Qt::StringLiterals;

namespace {

constexpr std::array<QStringView, 3> kTermLabels = {u"一", u"二", u"三"};
constexpr std::array<int, 3> kTermFirstMonths = {4, 8, 1};

// A month separator drops to mid-row of the row above when the month began inside that row's
// week (its Tuesday, on the month's second row, is past the 10th).
constexpr int kLateMonthSeparatorLift = 100;

// What a holiday inside the term shows in each of its periods.
const QString kHolidayMark = u"☆"_s;

// Periods 0..7 stand in sub-columns 1..8 of a weekday block.
constexpr int kPeriods = 8;
constexpr int kWeekdays = 5;

QDate mondayOnOrAfterWeekend(const QDate &d) {
    switch (d.dayOfWeek()) {
    case Qt::Sunday:
        return d.addDays(1);
    case Qt::Saturday:
        return d.addDays(2);
    default:
        return d.addDays(1 - d.dayOfWeek());
    }
}

// The Monday of the Monday-to-Saturday week a date belongs to; a Sunday goes with the week
// before it.
QDate mondayOfWeek(const QDate &d) {
    return d.addDays(1 - d.dayOfWeek());
}

} // namespace

void subStartSheet(PageSurface &surface, PageOrientation orientation, QStringView fontName) {
    surface.setOrientation(orientation);
    surface.setFontName(fontName.toString());
}

void subEndSheet(PageSurface &surface) {
    surface.setLineWidth(1);
    surface.endDocument();
}

TermSpan fncTermSpan(const AppState &state, int season) {
    TermSpan term;
    if (season < 1 || season > 3)
        return term;
    term.season = season;
    term.label = kTermLabels[season - 1].toString();
    term.firstMonth = kTermFirstMonths[season - 1];
    // Vacation bounds 1..6: each term lies between the end of one vacation and the start of
    // the next.
    const QDate before = state.dateHoliday[2 * season - 1];
    const QDate after = state.dateHoliday[2 * season];
    if (isZeroDate(before) || isZeroDate(after))
        return term;
    term.firstDay = before.addDays(1);
    term.lastDay = after.addDays(-1);
    term.firstMonday = mondayOnOrAfterWeekend(term.firstDay);
    const qint64 weeks = term.firstMonday.daysTo(mondayOfWeek(term.lastDay)) / 7 + 1;
    term.rowCount = int(std::clamp<qint64>(weeks, 0, kMaxTermRows));
    return term;
}

void MonthColumn::drawRow(PageSurface &surface, const QDate &monday, int y) {
    const QDate tuesday = monday.addDays(1);
    const int month = tuesday.month();
    if (month != m_currentMonth) {
        m_currentMonth = month;
        m_rowCounter = 0;
        if (month == 8) {
            surface.setFontSize(m_layout.fontSize);
            surface.printAt(m_layout.textX, y + m_layout.augustDy, fncItoS(8, 2));
        }
        return;
    }
    if (++m_rowCounter != 1)
        return;
    if (month != m_firstMonth) {
        int lineY = y - m_layout.rowHeight;
        if (tuesday.day() > 10)
            lineY -= kLateMonthSeparatorLift;
        surface.drawLine(m_layout.left, lineY, m_layout.right, lineY);
    }
    if (month != 8) {
        surface.setFontSize(m_layout.fontSize);
        surface.printAt(m_layout.textX, y + m_layout.otherDy, fncItoS(month, 2));
    }
}

RegisteredDays::RegisteredDays(const ZuriDayTime &head) {
    for (const ZuriDayTime *d = head.objNextDay.get(); d; d = d->objNextDay.get())
        if (d->isValidRecord() && !m_days.contains(d->dateThisDay.toJulianDay()))
            m_days.insert(d->dateThisDay.toJulianDay(), d);
}

int drawDayCells(PageSurface &surface, const AppState &state, const RegisteredDays &days,
                 const TermSpan &term, const DayCellLayout &layout, const QDate &monday, int y) {
    surface.setFontSize(layout.fontSize);
    int schoolDays = 0;
    for (int w = 0; w < kWeekdays; ++w) {
        const QDate date = monday.addDays(w);
        const int x = layout.left + layout.blockWidth * w;
        if (!term.contains(date)) {
            surface.drawLine(x, y, x + layout.blockWidth, y + layout.rowHeight);
            continue;
        }
        const int textY = y + layout.inset;
        surface.printAt(x + layout.inset, textY, fncItoS(date.day(), 2));
        if (fncIsSchoolDay(state, date)) {
            ++schoolDays;
            const ZuriDayTime *day = days.find(date);
            if (!day)
                continue;
            for (int p = 1; p <= kPeriods; ++p) {
                const QString subject = day->strSubject.mid(p - 1, 1);
                if (!subject.isEmpty())
                    surface.printAt(x + layout.subWidth * p + layout.inset, textY, subject);
            }
        } else {
            for (int p = 1; p <= kPeriods; ++p)
                surface.printAt(x + layout.subWidth * p + layout.inset, textY, kHolidayMark);
        }
    }
    return schoolDays;
}

int countSchoolDays(const AppState &state, const TermSpan &term, const QDate &monday) {
    int schoolDays = 0;
    for (int w = 0; w < kWeekdays; ++w) {
        const QDate date = monday.addDays(w);
        if (term.contains(date) && fncIsSchoolDay(state, date))
            ++schoolDays;
    }
    return schoolDays;
}

HourCounts fncWeekTotals(const ZuriDayTime &head, const TermSpan &term, const QDate &monday) {
    ZuriWeekTotal week;
    const QDate saturday = monday.addDays(5);
    const QDate walkEnd = term.lastSaturday();
    for (const DayRef *link = &head.objNextDay; *link; link = &(*link)->objNextDay) {
        const DayRef &d = *link;
        const QDate &date = d->dateThisDay;
        if (date >= monday && date <= saturday) {
            if (d->isValidRecord()) {
                if (!week.objFirstDay)
                    week.objFirstDay = d;
                week.objLastDay = d;
            }
        } else if (date > walkEnd) {
            break; // the chain is in date order: nothing further belongs to this term
        }
    }
    week.calculate();
    return week.hours;
}

QString fncSchoolDaysText(int count) {
    return u"授業日数　"_s + fncNumberText(count) + u"日"_s;
}

void printWeekdayHeadings(PageSurface &s, const DayCellLayout &cells,
                          const WeekdayHeadingLayout &layout) {
    static constexpr QStringView subColumnLabels = u"日０ⅠⅡⅢⅣⅤⅥⅦ";
    for (int w = 0; w < 5; ++w) {
        s.printAt(layout.nameX[w], layout.nameY, QString(fncWeekdayChar(1 + w)));
        vline(s, cells.left + cells.blockWidth * (w + 1), layout.top, layout.bottom);
    }
    hline(s, cells.left, layout.right, layout.labelTop);

    if (layout.labelFontSize != 0)
        s.setFontSize(layout.labelFontSize);
    s.setLineWidth(1);
    for (int j = 0; j < 45; ++j) {
        const int x = cells.left + cells.subWidth * j;
        s.printAt(x, layout.labelY, subColumnLabels.mid(j % 9, 1).toString());
        vline(s, x + cells.subWidth, layout.labelTop, layout.bottom);
    }
}

void drawDayCellLines(PageSurface &s, const DayCellLayout &cells, int top, int bottom) {
    for (int w = 1; w <= 5; ++w) {
        for (int j = 1; j <= 9; ++j) {
            s.setLineWidth(j == 9 ? 2 : 1);
            vline(s, cells.left + cells.subWidth * (9 * (w - 1) + j), top, bottom);
        }
    }
}

} // namespace mirune
