// The holiday law: every school year's days off against the official list, the equinox formula,
// the names the calendar shows, and a new plan's school days by the law.

#include "model/class_settings.h"
#include "model/holiday_law.h"
#include "model/school_day.h"
#include "model_test_support.h"

#include <QFile>
#include <QMap>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace mirune;
using namespace mirune::test;

namespace {

// The official list: date -> name ("休日" for substitute, citizens' and one-off days off).
const QMap<QDate, QString> &officialHolidays() {
    static const QMap<QDate, QString> holidays = [] {
        QMap<QDate, QString> read;
        QFile file(QStringLiteral(MIRUNE_TEST_DATA "/official_holidays.tsv"));
        if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
            qFatal("cannot open the official holiday list");
        while (!file.atEnd()) {
            const QString line = QString::fromUtf8(file.readLine()).trimmed();
            if (line.isEmpty() || line.startsWith(u'#'))
                continue;
            const QStringList parts = line.split(u'\t');
            read.insert(QDate::fromString(parts.value(0), Qt::ISODate), parts.value(1));
        }
        return read;
    }();
    return holidays;
}

QMap<QDate, QString> officialOfSchoolYear(int year) {
    QMap<QDate, QString> result;
    const DateRange range = schoolYearRange(year);
    for (auto it = officialHolidays().cbegin(); it != officialHolidays().cend(); ++it)
        if (it.key() >= range.first && it.key() <= range.last)
            result.insert(it.key(), it.value());
    return result;
}

bool inVacation(const AppState &state, const QDate &d) {
    const auto &h = state.dateHoliday;
    return (d >= h[0] && d <= h[1]) || (d >= h[2] && d <= h[3]) || (d >= h[4] && d <= h[5]) ||
           (d >= h[6] && d <= h[7]);
}

void addSchoolYears() {
    QTest::addColumn<int>("year");
    for (int year = 2002; year <= 2030; ++year)
        QTest::addRow("%d", year) << year;
}

} // namespace

class HolidayLawTest : public QObject {
    Q_OBJECT

  private slots:
    void officialListIsComplete();
    void lawGivesTheOfficialList_data();
    void lawGivesTheOfficialList();
    void newPlanHasTheOfficialSchoolDays_data();
    void newPlanHasTheOfficialSchoolDays();
    void equinoxFormula_data();
    void equinoxFormula();
    void names_data();
    void names();
    void rowsFollowTheLaw_data();
    void rowsFollowTheLaw();
};

void HolidayLawTest::officialListIsComplete() {
    // 29 school years; a damaged fixture must not let the table test pass on nothing.
    QCOMPARE(officialHolidays().size(), 508);
    QCOMPARE(officialHolidays().firstKey(), QDate(2002, 4, 29));
    QCOMPARE(officialHolidays().lastKey(), QDate(2031, 3, 21));
}

void HolidayLawTest::lawGivesTheOfficialList_data() {
    addSchoolYears();
}

void HolidayLawTest::lawGivesTheOfficialList() {
    QFETCH(int, year);
    const QMap<QDate, QString> official = officialOfSchoolYear(year);
    const QList<LawHoliday> law = fncLawHolidays(year);

    QList<QDate> lawDates;
    for (const LawHoliday &h : law)
        lawDates.append(h.date);
    QCOMPARE(lawDates, official.keys()); // in date order, each once

    for (const LawHoliday &h : law) {
        const QString officialName = official.value(h.date);
        // The official list calls every day off that is no named holiday of the table "休日";
        // the one-off days of 2019 are table days with names of their own.
        const bool oneOff = h.date == QDate(2019, 5, 1) || h.date == QDate(2019, 10, 22);
        if (officialName == u"休日"_s) {
            QVERIFY2(h.kind != HolidayKind::Named || oneOff, qPrintable(h.date.toString()));
            QCOMPARE(h.name, h.kind == HolidayKind::Substitute ? u"振替休日"_s
                             : h.kind == HolidayKind::Citizens ? u"国民の休日"_s
                                                               : h.name);
        } else {
            QCOMPARE(h.kind, HolidayKind::Named);
            QCOMPARE(h.name, officialName);
        }
    }
}

void HolidayLawTest::newPlanHasTheOfficialSchoolDays_data() {
    addSchoolYears();
}

void HolidayLawTest::newPlanHasTheOfficialSchoolDays() {
    QFETCH(int, year);
    AppState state;
    subInitApp(state);
    QCOMPARE(subGetClass(state, ClassChoice{year, u"1"_s, u"1"_s, QString()}, nullptr),
             ClassResult::Stored);
    subGetHoliday(state, fncInitialVacationDays(year));

    const QMap<QDate, QString> official = officialOfSchoolYear(year);
    const DateRange range = schoolYearRange(year);
    int weekdayHolidaysOutsideVacations = 0;
    for (QDate d = range.first; d <= range.last; d = d.addDays(1)) {
        const bool weekend = d.dayOfWeek() >= Qt::Saturday;
        const bool holiday = weekend || inVacation(state, d) || official.contains(d);
        QVERIFY2(fncIsSchoolDay(state, d) == !holiday,
                 qPrintable(d.toString(Qt::ISODate) + u' ' + official.value(d)));
        if (!weekend && !inVacation(state, d) && official.contains(d))
            ++weekdayHolidaysOutsideVacations;
    }
    QVERIFY(weekdayHolidaysOutsideVacations >= 9);
    // Extra rows only where the law needs them, and each once.
    QVERIFY(state.intSpecialCount >= kNationalHolidayRows);
    for (int i = kNationalHolidayRows; i < state.intSpecialCount; ++i) {
        QVERIFY(official.contains(state.dateSpecial[i]));
        for (int j = 0; j < i; ++j)
            QVERIFY(state.dateSpecial[j] != state.dateSpecial[i]);
    }
}

void HolidayLawTest::equinoxFormula_data() {
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("spring");
    QTest::addColumn<int>("autumn");
    QTest::newRow("1980") << 1980 << 20 << 23;
    QTest::newRow("2003") << 2003 << 21 << 23;
    QTest::newRow("2012") << 2012 << 20 << 22;
    QTest::newRow("2026") << 2026 << 20 << 23;
    QTest::newRow("2027") << 2027 << 21 << 23;
    QTest::newRow("2044") << 2044 << 20 << 22;
    QTest::newRow("2099") << 2099 << 20 << 23;
    QTest::newRow("before the formula") << 1979 << 0 << 0;
    QTest::newRow("after the formula") << 2100 << 0 << 0;
}

void HolidayLawTest::equinoxFormula() {
    QFETCH(int, year);
    QFETCH(int, spring);
    QFETCH(int, autumn);
    QCOMPARE(fncSpringEquinoxDay(year).value_or(0), spring);
    QCOMPARE(fncAutumnEquinoxDay(year).value_or(0), autumn);
    QCOMPARE(fncEquinoxDays(year).has_value(), year >= kFirstLawYear && year <= kLastLawYear);
}

void HolidayLawTest::names_data() {
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QString>("name");
    QTest::newRow("school day") << QDate(2026, 6, 10) << QString();
    QTest::newRow("Sunday") << QDate(2026, 6, 14) << QString();
    QTest::newRow("emperor's birthday from 2020") << QDate(2027, 2, 23) << u"天皇誕生日"_s;
    QTest::newRow("23 December after 2018") << QDate(2026, 12, 23) << QString();
    QTest::newRow("substitute from 2007") << QDate(2026, 5, 6) << u"振替休日"_s;
    QTest::newRow("substitute before 2007") << QDate(2005, 3, 21) << u"振替休日"_s;
    QTest::newRow("citizens' holiday in September") << QDate(2026, 9, 22) << u"国民の休日"_s;
    QTest::newRow("4 May before 2007") << QDate(2005, 5, 4) << u"国民の休日"_s;
    QTest::newRow("4 May from 2007") << QDate(2026, 5, 4) << u"みどりの日"_s;
    QTest::newRow("29 April before 2007") << QDate(2006, 4, 29) << u"みどりの日"_s;
    QTest::newRow("enthronement") << QDate(2019, 5, 1) << u"天皇の即位の日"_s;
    QTest::newRow("day before the enthronement") << QDate(2019, 4, 30) << u"国民の休日"_s;
    QTest::newRow("enthronement ceremony")
        << QDate(2019, 10, 22) << u"即位礼正殿の儀の行われる日"_s;
    QTest::newRow("sports day moved in 2021") << QDate(2021, 7, 23) << u"スポーツの日"_s;
    QTest::newRow("October in 2021") << QDate(2021, 10, 11) << QString();
    QTest::newRow("mountain day") << QDate(2026, 8, 11) << u"山の日"_s;
    QTest::newRow("new year in the year's January") << QDate(2027, 1, 1) << u"元日"_s;
    QTest::newRow("spring equinox on a Sunday, 2027") << QDate(2027, 3, 21) << u"春分の日"_s;
    QTest::newRow("and its substitute") << QDate(2027, 3, 22) << u"振替休日"_s;
    QTest::newRow("emperor's birthday before 1989") << QDate(1985, 4, 29) << u"天皇誕生日"_s;
    QTest::newRow("state funeral, 1989") << QDate(1989, 2, 24) << u"昭和天皇の大喪の礼"_s;
    QTest::newRow("invalid date") << QDate() << QString();
}

void HolidayLawTest::names() {
    QFETCH(QDate, date);
    QFETCH(QString, name);
    QCOMPARE(fncHolidayName(date), name);
}

void HolidayLawTest::rowsFollowTheLaw_data() {
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("row");
    QTest::addColumn<QDate>("date");
    QTest::newRow("2018 row 10, 23 December on Sunday") << 2018 << 10 << QDate(2018, 12, 24);
    QTest::newRow("2019 row 10, 23 February 2020 on Sunday") << 2019 << 10 << QDate(2020, 2, 24);
    QTest::newRow("2026 row 10, 23 February 2027") << 2026 << 10 << QDate(2027, 2, 23);
    QTest::newRow("2026 row 1, 3 May on Sunday, to 6 May") << 2026 << 1 << QDate(2026, 5, 6);
    QTest::newRow("2020 row 4, sea day moved") << 2020 << 4 << QDate(2020, 7, 23);
    QTest::newRow("2020 row 7, sports day moved") << 2020 << 7 << QDate(2020, 7, 24);
    QTest::newRow("2019 row 7, sports day in October") << 2019 << 7 << QDate(2019, 10, 14);
    QTest::newRow("2008 row 2, 4 May on Sunday, from 2007 to 6 May")
        << 2008 << 2 << QDate(2008, 5, 6);
    QTest::newRow("2003 row 2, 4 May on Sunday, before 2007 on 5 May")
        << 2003 << 2 << QDate(2003, 5, 5);
    QTest::newRow("1985 row 10, 29 April") << 1985 << 10 << QDate(1985, 4, 29);
}

void HolidayLawTest::rowsFollowTheLaw() {
    QFETCH(int, year);
    QFETCH(int, row);
    QFETCH(QDate, date);
    const LawHolidayRows law = fncLawHolidayRows(year);
    QCOMPARE(law.rows[row], date);
    // Every row is a day off of the year, and the other days off are none of the rows.
    const QList<LawHoliday> all = fncLawHolidays(year);
    for (const QDate &d : law.rows)
        QVERIFY2(!fncHolidayNameIn(all, d).isEmpty(), qPrintable(d.toString()));
    auto isRow = [&law](const QDate &d) {
        return std::find(law.rows.cbegin(), law.rows.cend(), d) != law.rows.cend();
    };
    for (const LawHoliday &h : all)
        QCOMPARE(law.extraDays.contains(h), !isRow(h.date));
}

QTEST_APPLESS_MAIN(HolidayLawTest)
#include "holiday_law_test.moc"
