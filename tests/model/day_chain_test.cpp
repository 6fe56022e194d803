// The chain of registered days: lookup, insertion in date order, copying, and the records the
// register button builds.

#include "model/day_column.h"
#include "model/day_record.h"
#include "model_test_support.h"

#include <QTest>

using namespace Qt::StringLiterals;
using namespace mirune;
using namespace mirune::test;

class DayChainTest : public QObject {
    Q_OBJECT

  private slots:
    void sameDayComparesEveryField_data();
    void sameDayComparesEveryField();
    void newRecordIsEmpty();
    void registeredDay_data();
    void registeredDay();

    void searchDay_data();
    void searchDay();
    void searchDayKnowsTheCalendarYear();
    void withdrawDayKnowsTheCalendarYear();

    void appendDay_data();
    void appendDay();
    void appendDayReplacesTheRecordOfTheSameDate();
    void appendDayAtTheEndKeepsTheNewRecordsLink();

    void cloneDayCopiesAllButTheLink();

    void droppingALongChainDoesNotRecurse();
    void droppingTheHeadKeepsTailsHeldElsewhere();
};

void DayChainTest::newRecordIsEmpty() {
    const ZuriDayTime d;
    QCOMPARE(d.intThisDay, qint16(0));
    QVERIFY(isZeroDate(d.dateThisDay));
    QCOMPARE(d.dateThisDay, zeroDate());
    QCOMPARE(d.intWeekName, qint16(0));
    QVERIFY(d.strSubject.isEmpty());
    QVERIFY(d.strCredit.isEmpty());
    QVERIFY(d.strComment.isEmpty());
    QCOMPARE(d.boolNowPlanning, kFalse);
    QCOMPARE(d.boolWeekEnd, kFalse);
    QCOMPARE(d.boolWorkDay, kFalse);
    QVERIFY(!d.objNextDay);
    QCOMPARE(chainLength(d), 0);
}

void DayChainTest::registeredDay_data() {
    QTest::addColumn<QDate>("date");
    QTest::addColumn<int>("dayNumber");
    QTest::addColumn<int>("weekName");
    QTest::newRow("Monday in April") << QDate(2004, 4, 5) << 96 << 1;
    QTest::newRow("Saturday") << QDate(2004, 4, 10) << 101 << 6;
    QTest::newRow("Sunday") << QDate(2004, 4, 11) << 102 << 0;
    QTest::newRow("Friday in January") << QDate(2005, 1, 14) << 14 << 5;
    QTest::newRow("leap day") << QDate(2004, 2, 29) << 60 << 0;
    QTest::newRow("31 December of a leap year") << QDate(2004, 12, 31) << 366 << 5;
}

void DayChainTest::registeredDay() {
    QFETCH(QDate, date);
    QFETCH(int, dayNumber);
    QFETCH(int, weekName);
    // Period 5 has no subject, period 6 a subject but no time.
    const DayRef day = makeRegisteredDay(date, u"国算社理体　図　"_s, u"13333030"_s);
    QCOMPARE(day->dateThisDay, date);
    QCOMPARE(int(day->intThisDay), dayNumber);
    QCOMPARE(int(day->intWeekName), weekName);
    QCOMPARE(day->strSubject, u"国算社理体　図　"_s);
    QCOMPARE(day->strSubject[5], kNoSubject);
    QCOMPARE(day->strCredit, u"13333030"_s);
    QCOMPARE(day->boolWorkDay, kTrue);
    QCOMPARE(day->boolNowPlanning, kFalse);
    QCOMPARE(day->boolWeekEnd, kFalse);
    QVERIFY(day->isValidRecord());
    QVERIFY(!day->objNextDay);
}

void DayChainTest::searchDay_data() {
    QTest::addColumn<QDate>("wanted");
    QTest::addColumn<bool>("found");
    QTest::newRow("registered in April") << QDate(2004, 4, 12) << true;
    QTest::newRow("registered in December") << QDate(2004, 12, 1) << true;
    QTest::newRow("registered in January") << QDate(2005, 1, 11) << true;
    QTest::newRow("registered in February") << QDate(2005, 2, 14) << true;
    QTest::newRow("registered in March") << QDate(2005, 3, 18) << true;
    QTest::newRow("withdrawn") << QDate(2004, 6, 9) << false;
    QTest::newRow("not registered") << QDate(2004, 6, 10) << false;
    QTest::newRow("before every record") << QDate(2004, 4, 6) << false;
    QTest::newRow("after every record") << QDate(2005, 3, 25) << false;
}

void DayChainTest::searchDay() {
    QFETCH(QDate, wanted);
    QFETCH(bool, found);
    ZuriDayTime head;
    linkChain(head, {dayOn(QDate(2004, 4, 12)), withdrawnDayOn(QDate(2004, 6, 9)),
                     dayOn(QDate(2004, 12, 1)), dayOn(QDate(2005, 1, 11)),
                     dayOn(QDate(2005, 2, 14)), dayOn(QDate(2005, 3, 18))});
    QCOMPARE(head.searchDay(wanted), found);

    const ZuriDayTime emptyHead;
    QVERIFY(!emptyHead.searchDay(wanted));
}

void DayChainTest::searchDayKnowsTheCalendarYear() {
    // 31 March 2004 and 1 April 2003 both have day number 91; only the recorded one is found.
    ZuriDayTime head;
    linkChain(head, {dayOn(QDate(2004, 3, 31))});
    QCOMPARE(dayNumber(QDate(2003, 4, 1)), dayNumber(QDate(2004, 3, 31)));
    QVERIFY(head.searchDay(QDate(2004, 3, 31)));
    QVERIFY(!head.searchDay(QDate(2003, 4, 1)));
}

void DayChainTest::withdrawDayKnowsTheCalendarYear() {
    // School year 2003 ends in a leap February: its first and last days share day number 91.
    ZuriDayTime head;
    const DayRef first = dayOn(QDate(2003, 4, 1));
    const DayRef last = dayOn(QDate(2004, 3, 31));
    linkChain(head, {first, last});
    QVERIFY(head.withdrawDay(QDate(2004, 3, 31)));
    QCOMPARE(last->boolNowPlanning, kTrue);
    QCOMPARE(first->boolNowPlanning, kFalse);
    QVERIFY(!head.withdrawDay(QDate(2003, 4, 2)));
    QCOMPARE(chainLength(head), 2);
}

void DayChainTest::appendDay_data() {
    QTest::addColumn<QList<QDate>>("existing");
    QTest::addColumn<QDate>("inserted");
    QTest::addColumn<QList<QDate>>("expected");
    const QDate apr(2004, 4, 12), jun(2004, 6, 9), jan(2005, 1, 11), mar(2005, 3, 18);
    QTest::newRow("into an empty chain") << QList<QDate>{} << jun << QList<QDate>{jun};
    QTest::newRow("before every record")
        << QList<QDate>{jun, jan} << apr << QList<QDate>{apr, jun, jan};
    QTest::newRow("between two records")
        << QList<QDate>{apr, jan} << jun << QList<QDate>{apr, jun, jan};
    QTest::newRow("after every record")
        << QList<QDate>{apr, jun} << mar << QList<QDate>{apr, jun, mar};
    QTest::newRow("January after December") << QList<QDate>{apr, QDate(2004, 12, 1)} << jan
                                            << QList<QDate>{apr, QDate(2004, 12, 1), jan};
    QTest::newRow("same date as the first")
        << QList<QDate>{apr, jun, jan} << apr << QList<QDate>{apr, jun, jan};
    QTest::newRow("same date as the last")
        << QList<QDate>{apr, jun, jan} << jan << QList<QDate>{apr, jun, jan};
}

void DayChainTest::appendDay() {
    QFETCH(QList<QDate>, existing);
    QFETCH(QDate, inserted);
    QFETCH(QList<QDate>, expected);
    ZuriDayTime head;
    for (const QDate &d : existing)
        head.appendDay(dayOn(d));
    QCOMPARE(chainDates(head), existing);

    const DayRef record = dayOn(inserted, u"算算算算算算算算"_s);
    head.appendDay(record);
    QCOMPARE(chainDates(head), expected);
    QVERIFY(isZeroDate(head.dateThisDay));
    // The new record itself is in the chain, in its date's place.
    const ZuriDayTime *d = head.objNextDay.get();
    while (d && d->dateThisDay != inserted)
        d = d->objNextDay.get();
    QCOMPARE(d, record.get());
}

void DayChainTest::appendDayReplacesTheRecordOfTheSameDate() {
    ZuriDayTime head;
    const DayRef first = dayOn(QDate(2004, 4, 12));
    const DayRef old = withdrawnDayOn(QDate(2004, 6, 9));
    const DayRef last = dayOn(QDate(2004, 7, 1));
    linkChain(head, {first, old, last});
    QVERIFY(!head.searchDay(QDate(2004, 6, 9)));

    const DayRef again = dayOn(QDate(2004, 6, 9), u"体体体体体体体体"_s);
    head.appendDay(again);

    QCOMPARE(chainLength(head), 3);
    QCOMPARE(head.objNextDay, first);
    QCOMPARE(first->objNextDay, again);
    QCOMPARE(again->objNextDay, last);
    QVERIFY(!last->objNextDay);
    QVERIFY(head.searchDay(QDate(2004, 6, 9)));
}

void DayChainTest::appendDayAtTheEndKeepsTheNewRecordsLink() {
    // At the end of the chain the record is linked as it comes; a new record has no link.
    ZuriDayTime head;
    head.appendDay(dayOn(QDate(2004, 4, 12)));
    const DayRef tail = dayOn(QDate(2004, 9, 1));
    head.appendDay(tail);
    QVERIFY(!tail->objNextDay);
    QCOMPARE(chainLength(head), 2);
}

void DayChainTest::cloneDayCopiesAllButTheLink() {
    ZuriDayTime source;
    source.intThisDay = 100;
    source.dateThisDay = QDate(2004, 4, 9);
    source.intWeekName = 5;
    source.strSubject = u"国算社理体音図学"_s;
    source.strCredit = u"13333310"_s;
    source.boolNowPlanning = kTrue;
    source.strComment = u"遠足"_s;
    source.boolWeekEnd = kTrue;
    source.boolWorkDay = kTrue;
    source.objNextDay = std::make_shared<ZuriDayTime>();

    ZuriDayTime target;
    const DayRef targetNext = dayOn(QDate(2004, 5, 1));
    target.objNextDay = targetNext;
    target.cloneDay(source);

    QCOMPARE(target.intThisDay, source.intThisDay);
    QCOMPARE(target.dateThisDay, source.dateThisDay);
    QCOMPARE(target.intWeekName, source.intWeekName);
    QCOMPARE(target.strSubject, source.strSubject);
    QCOMPARE(target.strCredit, source.strCredit);
    QCOMPARE(target.boolNowPlanning, source.boolNowPlanning);
    QCOMPARE(target.strComment, source.strComment);
    QCOMPARE(target.boolWeekEnd, source.boolWeekEnd);
    QCOMPARE(target.boolWorkDay, source.boolWorkDay);
    QCOMPARE(target.objNextDay, targetNext);

    // Texts are copied by value.
    source.strSubject[0] = u'体';
    QCOMPARE(target.strSubject, u"国算社理体音図学"_s);
}

void DayChainTest::droppingALongChainDoesNotRecurse() {
    // Far more records than a school year has: destroying them one inside the other would run
    // out of stack.
    auto head = std::make_shared<ZuriDayTime>();
    ZuriDayTime *last = head.get();
    const QDate date(2004, 4, 12);
    for (int i = 0; i < 400'000; ++i) {
        auto day = std::make_shared<ZuriDayTime>();
        day->dateThisDay = date;
        last->objNextDay = day;
        last = day.get();
    }
    QCOMPARE(chainLength(*head), 400'000);
    head.reset();
}

void DayChainTest::droppingTheHeadKeepsTailsHeldElsewhere() {
    // A term record may still hold a day of a dropped chain; the days after it stay linked.
    auto head = std::make_shared<ZuriDayTime>();
    DayRef heldByTerm = dayOn(QDate(2004, 4, 13));
    std::weak_ptr<ZuriDayTime> first;
    std::weak_ptr<ZuriDayTime> third;
    {
        const DayRef a = dayOn(QDate(2004, 4, 12));
        const DayRef c = dayOn(QDate(2004, 4, 14));
        linkChain(*head, {a, heldByTerm, c});
        first = a;
        third = c;
    }
    head.reset();
    QVERIFY(first.expired());
    QVERIFY(!third.expired());
    QCOMPARE(heldByTerm->objNextDay, third.lock());
    QCOMPARE(heldByTerm->objNextDay->dateThisDay, QDate(2004, 4, 14));
}

// Two records hold the same day only when every field but the link agrees: an undo step that
// missed a field would take nothing back while saying it did.
void DayChainTest::sameDayComparesEveryField_data() {
    QTest::addColumn<int>("field");
    for (int field = 0; field < 9; ++field)
        QTest::newRow(qPrintable(QString::number(field))) << field;
}

void DayChainTest::sameDayComparesEveryField() {
    QFETCH(int, field);
    const DayRef a = makeRegisteredDay(QDate(2026, 4, 8), u"国算理社体音図家"_s, u"33333333"_s);
    const DayRef b = std::make_shared<ZuriDayTime>();
    b->cloneDay(*a);
    QVERIFY(fncSameDay(a, b));
    switch (field) {
    case 0:
        b->intThisDay = qint16(b->intThisDay + 1);
        break;
    case 1:
        b->dateThisDay = b->dateThisDay.addDays(1);
        break;
    case 2:
        b->intWeekName = 4;
        break;
    case 3:
        b->strSubject = u"国国国国国国国国"_s;
        break;
    case 4:
        b->strCredit = u"33333330"_s;
        break;
    case 5:
        b->boolNowPlanning = kTrue;
        break;
    case 6:
        b->strComment = u"遠足"_s;
        break;
    case 7:
        b->boolWeekEnd = kTrue;
        break;
    case 8:
        b->boolWorkDay = kFalse;
        break;
    }
    QVERIFY(!fncSameDay(a, b));
    QVERIFY(!fncSameDay(a, nullptr));
    QVERIFY(fncSameDay(nullptr, nullptr));
}

QTEST_APPLESS_MAIN(DayChainTest)
#include "day_chain_test.moc"
