// The teacher's own holidays: adding rows after the national ones, removing one from the middle,
// and the table's limit.

#include "model/school_day.h"
#include "model/teacher_holidays.h"
#include "model_test_support.h"

#include <QTest>

using namespace Qt::StringLiterals;
using namespace mirune;
using namespace mirune::test;

namespace {

// The rows from `first` on.
QList<QDate> rowsFrom(const AppState &state, int first) {
    QList<QDate> rows;
    for (int i = first; i < state.intSpecialCount; ++i)
        rows.append(state.dateSpecial[i]);
    return rows;
}

} // namespace

class TeacherHolidaysTest : public QObject {
    Q_OBJECT
  private slots:
    void addAppendsAfterTheNationalRows() {
        AppState state = wizardState(2026);
        const QDate wednesday(2026, 6, 10);
        QVERIFY(fncIsSchoolDay(state, wednesday));
        const int row = state.intSpecialCount; // after the law's rows
        QVERIFY(row >= kNationalHolidayRows);
        QCOMPARE(fncAddTeacherHoliday(state, wednesday), AddHolidayResult::Added);
        QCOMPARE(state.intSpecialCount, row + 1);
        QCOMPARE(state.dateSpecial[row], wednesday);
        QCOMPARE(state.intSpecialDay[row], qint16(wednesday.dayOfYear()));
        QVERIFY(!fncIsSchoolDay(state, wednesday));
    }

    void removeKeepsTheOrderOfTheRest_data() {
        QTest::addColumn<int>("removed"); // index into the marked days
        QTest::newRow("first") << 0;
        QTest::newRow("middle") << 1;
        QTest::newRow("last") << 2;
    }
    void removeKeepsTheOrderOfTheRest() {
        QFETCH(int, removed);
        AppState state = wizardState(2026);
        const QList<QDate> marked = {QDate(2026, 6, 10), QDate(2026, 5, 13), QDate(2027, 2, 3)};
        const int first = state.intSpecialCount;
        for (const QDate &d : marked)
            fncAddTeacherHoliday(state, d);
        const QDate national = state.dateSpecial[0];

        QVERIFY(fncRemoveTeacherHoliday(state, marked[removed]));
        QList<QDate> expected = marked;
        expected.removeAt(removed);
        QCOMPARE(rowsFrom(state, first), expected);
        QCOMPARE(state.intSpecialCount, first + 2);
        QCOMPARE(state.dateSpecial[0], national);
        for (int i = 0; i < state.intSpecialCount; ++i)
            QCOMPARE(state.intSpecialDay[i], qint16(state.dateSpecial[i].dayOfYear()));
        QVERIFY(fncIsSchoolDay(state, marked[removed]));
    }

    void removeTouchesOnlyTheTeachersRows_data() {
        QTest::addColumn<int>("nationalRow"); // -1: an unmarked school day, -2: 22 September
        QTest::newRow("national holiday, row 0") << 0;
        QTest::newRow("spring equinox, row 13") << 13;
        QTest::newRow("unmarked school day") << -1;
        QTest::newRow("citizens' holiday, a row of the law's own") << -2;
    }
    void removeTouchesOnlyTheTeachersRows() {
        QFETCH(int, nationalRow);
        AppState state = wizardState(2026);
        // 22 September 2026 lies between 敬老の日 and 秋分の日.
        const QDate date = nationalRow == -1   ? QDate(2026, 6, 11)
                           : nationalRow == -2 ? QDate(2026, 9, 22)
                                               : state.dateSpecial[nationalRow];
        const int lawRows = state.intSpecialCount - kNationalHolidayRows;
        fncAddTeacherHoliday(state, QDate(2026, 6, 10));
        const auto before = state.intSpecialDay;
        QVERIFY(!fncRemoveTeacherHoliday(state, date));
        QCOMPARE(state.intSpecialCount, kNationalHolidayRows + lawRows + 1);
        QVERIFY(!fncIsSchoolDay(state, QDate(2026, 9, 22)));
        QVERIFY(state.intSpecialDay == before);
    }

    void theTableStopsAtItsLimit() {
        AppState state = wizardState(2026);
        QDate d(2026, 4, 6);
        while (state.intSpecialCount < kMaxSpecialCount) {
            QCOMPARE(fncAddTeacherHoliday(state, d), AddHolidayResult::Added);
            d = d.addDays(1);
        }
        QCOMPARE(fncAddTeacherHoliday(state, d), AddHolidayResult::TableFull);
        QCOMPARE(state.intSpecialCount, kMaxSpecialCount);
        QVERIFY(isZeroDate(state.dateSpecial[kMaxSpecialCount]));
        // Giving one back makes room for one more.
        QVERIFY(fncRemoveTeacherHoliday(state, QDate(2026, 4, 6)));
        QCOMPARE(fncAddTeacherHoliday(state, d), AddHolidayResult::Added);
    }
};

QTEST_GUILESS_MAIN(TeacherHolidaysTest)
#include "teacher_holidays_test.moc"
