#pragma once

// Checks on what a sheet drew on a recording surface.

#include "model/app_state.h"
#include "model/school_day.h"
#include "print/recording_surface.h"

#include <QTest>

namespace mirune::test {

using namespace Qt::StringLiterals;

// Exactly one text at (x, y), with this content and size.
inline void expectText(const RecordingSurface &s, int x, int y, const QString &text, int size) {
    const QList<RecordedText> found = s.textsAt(x, y);
    QVERIFY2(
        found.size() == 1,
        qPrintable(
            u"%1 texts at (%2, %3), expected one: %4"_s.arg(found.size()).arg(x).arg(y).arg(text)));
    QCOMPARE(found.first().text, text);
    QCOMPARE(found.first().fontSize, size);
}

// A line between the two points (either way round) in this width.
inline void expectLine(const RecordingSurface &s, int x1, int y1, int x2, int y2, int width) {
    const QList<RecordedLine> found = s.linesBetween(x1, y1, x2, y2);
    bool inWidth = false;
    for (const RecordedLine &l : found)
        inWidth = inWidth || l.width == width;
    QVERIFY2(inWidth,
             qPrintable(u"no line (%1, %2)-(%3, %4) in width %5 (%6 in other widths)"_s.arg(x1)
                            .arg(y1)
                            .arg(x2)
                            .arg(y2)
                            .arg(width)
                            .arg(found.size())));
}

// A sheet ends by setting the line width back to 1 and ending the document, once.
inline void expectSheetEnd(const RecordingSurface &s) {
    const QList<RecordingSurface::Operation> &ops = s.operations();
    QVERIFY(ops.size() >= 2);
    QCOMPARE(ops.last(), RecordingSurface::Operation::EndDocument);
    QCOMPARE(ops[ops.size() - 2], RecordingSurface::Operation::LineWidth);
    QCOMPARE(s.lineWidth(), 1);
    QCOMPARE(s.endCount(), 1);
}

// A term as the sheets bound it, by the vacation dates around it.
struct TermBounds {
    QDate first;
    QDate last;
};

inline TermBounds termBounds(const AppState &state, int term) {
    return {state.dateHoliday[2 * term - 1].addDays(1), state.dateHoliday[2 * term].addDays(-1)};
}

// Mondays to Fridays inside the bounds that are school days.
inline int schoolDaysBetween(const AppState &state, const TermBounds &bounds) {
    int n = 0;
    for (QDate d = bounds.first; d <= bounds.last; d = d.addDays(1))
        if (d.dayOfWeek() <= 5 && fncIsSchoolDay(state, d))
            ++n;
    return n;
}

} // namespace mirune::test
