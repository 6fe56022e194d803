// Hour units and their H.R notation, the small conversion routines, the subject table and the
// fixed code orders.

#include "model/hour_fields.h"
#include "model/units.h"

#include <QStringList>
#include <QTest>
#include <set>

using namespace Qt::StringLiterals;
using namespace mirune;

Q_DECLARE_METATYPE(mirune::HourField)
Q_DECLARE_METATYPE(mirune::SubjectKind)

class UnitsTest : public QObject {
    Q_OBJECT

  private slots:
    void unitsToText_data();
    void unitsToText();
    void textToUnits_data();
    void textToUnits();
    void textToUnitsRoundTrip_data();
    void textToUnitsRoundTrip();

    void subjectToCode_data();
    void subjectToCode();
    void flagTexts();

    void schoolDate_data();
    void schoolDate();
    void numericValue_data();
    void numericValue();
    void numberText();

    void subjectRows_data();
    void subjectRows();
    void displayOrderIsTheEnumOrder();
    void dataFileOrders();
    void baseFieldsAreTheCodedFields();
    void laterCurriculumRows();
    void codesOutsideTheTableCountNowhere();
    void codeOrders_data();
    void codeOrders();
};

void UnitsTest::unitsToText_data() {
    QTest::addColumn<int>("units");
    QTest::addColumn<QString>("text");
    QTest::newRow("zero") << 0 << u"0.0"_s;
    QTest::newRow("one unit") << 1 << u"0.1"_s;
    QTest::newRow("one lesson hour") << 3 << u"1.0"_s;
    QTest::newRow("32 hours 15 minutes") << 97 << u"32.1"_s;
    QTest::newRow("272 hours") << 816 << u"272.0"_s;
    QTest::newRow("minus one unit") << -1 << u"-0.1"_s;
    QTest::newRow("minus two units") << -2 << u"-0.2"_s;
    QTest::newRow("minus one hour") << -3 << u"-1.0"_s;
    QTest::newRow("minus four units") << -4 << u"-1.1"_s;
    QTest::newRow("16-bit top") << 32767 << u"10922.1"_s;
    QTest::newRow("16-bit bottom") << -32768 << u"-10922.2"_s;
    // A difference of two 16-bit counts leaves the 16-bit range and is shown as it is.
    QTest::newRow("difference beyond 16 bits") << 32767 - -32768 << u"21845.0"_s;
}

void UnitsTest::unitsToText() {
    QFETCH(int, units);
    QFETCH(QString, text);
    QCOMPARE(fncUnitsToText(units), text);
}

void UnitsTest::textToUnits_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<int>("units");
    QTest::newRow("whole hours") << u"32"_s << true << 96;
    QTest::newRow("hours and a unit") << u"32.1"_s << true << 97;
    QTest::newRow("units only") << u"0.2"_s << true << 2;
    QTest::newRow("zero") << u"0"_s << true << 0;
    QTest::newRow("leading zeros") << u"0032.1"_s << true << 97;
    // The digit after the point is not limited to 0..2.
    QTest::newRow("digit above two after the point") << u"1.5"_s << true << 8;
    QTest::newRow("nothing after the point") << u"32."_s << true << 0;
    QTest::newRow("two digits after the point") << u"32.10"_s << true << 0;
    // The same holds without a whole part: only one character after the point needs one.
    QTest::newRow("a point alone") << u"."_s << true << 0;
    QTest::newRow("two digits after a bare point") << u".12"_s << true << 0;
    QTest::newRow("text after a second point") << u"1.2.3"_s << true << 0;
    QTest::newRow("largest 16-bit count") << u"10922.1"_s << true << 32767;
    QTest::newRow("empty") << QString() << false << 0;
    QTest::newRow("no whole part") << u".1"_s << false << 0;
    QTest::newRow("full-width digits") << u"３２"_s << false << 0;
    // A count that does not fit 16 bits must not come back as some other number.
    QTest::newRow("one unit beyond 16 bits") << u"10922.2"_s << false << 0;
    QTest::newRow("whole hours beyond 16 bits") << u"10923"_s << false << 0;
    QTest::newRow("six digits") << u"999999"_s << false << 0;
    QTest::newRow("many digits") << u"99999999999999999999.1"_s << false << 0;
}

void UnitsTest::textToUnits() {
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QFETCH(int, units);
    const std::optional<qint16> result = fncTextToUnits(text);
    QCOMPARE(result.has_value(), valid);
    if (valid)
        QCOMPARE(int(*result), units);
}

void UnitsTest::textToUnitsRoundTrip_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::newRow("32.1") << u"32.1"_s << u"32.1"_s;
    QTest::newRow("32") << u"32"_s << u"32.0"_s;
    QTest::newRow("1.5") << u"1.5"_s << u"2.2"_s;
    QTest::newRow("0.2") << u"0.2"_s << u"0.2"_s;
}

void UnitsTest::textToUnitsRoundTrip() {
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    const auto units = fncTextToUnits(typed);
    QVERIFY(units);
    QCOMPARE(fncUnitsToText(*units), shown);
}

void UnitsTest::subjectToCode_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("code");
    const QStringList names = {u"総合"_s,   u"国語"_s,   u"社会"_s,      u"算数"_s,   u"理科"_s,
                               u"生活"_s,   u"音楽"_s,   u"図工"_s,      u"家庭"_s,   u"体育"_s,
                               u"道徳"_s,   u"学活"_s,   u"クラブ"_s,    u"児童会"_s, u"行事"_s,
                               u"打切り"_s, u"外国語"_s, u"外国語活動"_s};
    const QString codes = u"総国社算理生音図家体道学ク児行切英外"_s;
    for (qsizetype i = 0; i < names.size(); ++i)
        QTest::newRow(qPrintable(names[i])) << names[i] << QString(codes[i]);
    QTest::newRow("empty name") << QString() << u"　"_s;
    QTest::newRow("reserve hours have no palette name") << u"予備"_s << QString();
    QTest::newRow("trailing space") << u"総合 "_s << QString();
    QTest::newRow("the code itself") << u"国"_s << QString();
    QTest::newRow("summary-window name") << u"ｸﾗﾌﾞ"_s << QString();
    QTest::newRow("sheet name of 行") << u"学校行事"_s << QString();
}

void UnitsTest::subjectToCode() {
    QFETCH(QString, name);
    QFETCH(QString, code);
    QCOMPARE(fncSubjectToCode(name), code);
}

void UnitsTest::flagTexts() {
    QCOMPARE(fncBoolToText(kTrue), u"True"_s);
    QCOMPARE(fncBoolToText(kFalse), u"False"_s);
    // Only -1 is True.
    QCOMPARE(fncBoolToText(1), u"False"_s);
    QCOMPARE(fncBoolToText(-2), u"False"_s);

    QCOMPARE(fncTextToBool(u"True"), kTrue);
    QCOMPARE(fncTextToBool(u"False"), kFalse);
    QCOMPARE(fncTextToBool(u"true"), kFalse);
    QCOMPARE(fncTextToBool(u"TRUE"), kFalse);
    QCOMPARE(fncTextToBool(u" True"), kFalse);
    QCOMPARE(fncTextToBool(u""), kFalse);
    QCOMPARE(fncTextToBool(u"-1"), kFalse);
}

void UnitsTest::schoolDate_data() {
    QTest::addColumn<QString>("year");
    QTest::addColumn<QString>("month");
    QTest::addColumn<QString>("day");
    QTest::addColumn<QDate>("date");
    QTest::newRow("last day of the school year")
        << u"2002"_s << u"3"_s << u"31"_s << QDate(2003, 3, 31);
    QTest::newRow("first day of the school year")
        << u"2002"_s << u"4"_s << u"1"_s << QDate(2002, 4, 1);
    QTest::newRow("December stays in the first year")
        << u"2002"_s << u"12"_s << u"25"_s << QDate(2002, 12, 25);
    QTest::newRow("January belongs to the next year")
        << u"2002"_s << u"1"_s << u"7"_s << QDate(2003, 1, 7);
    QTest::newRow("texts with a sign position")
        << u" 2002"_s << u" 1"_s << u" 7"_s << QDate(2003, 1, 7);
    QTest::newRow("leap day in the second year")
        << u"2003"_s << u"2"_s << u"29"_s << QDate(2004, 2, 29);
    QTest::newRow("no leap day") << u"2002"_s << u"2"_s << u"29"_s << QDate();
    QTest::newRow("month 0") << u"2002"_s << u"0"_s << u"1"_s << QDate();
    QTest::newRow("month 13") << u"2002"_s << u"13"_s << u"1"_s << QDate();
    QTest::newRow("day 0") << u"2002"_s << u"5"_s << u"0"_s << QDate();
    QTest::newRow("day 32") << u"2002"_s << u"5"_s << u"32"_s << QDate();
    QTest::newRow("31 April") << u"2002"_s << u"4"_s << u"31"_s << QDate();
    QTest::newRow("no digits") << u"2002"_s << u"x"_s << u"1"_s << QDate();
}

void UnitsTest::schoolDate() {
    QFETCH(QString, year);
    QFETCH(QString, month);
    QFETCH(QString, day);
    QFETCH(QDate, date);
    const QDate result = fncSchoolDate(year, month, day);
    QCOMPARE(result.isValid(), date.isValid());
    if (date.isValid())
        QCOMPARE(result, date);
}

void UnitsTest::numericValue_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("fits");
    QTest::addColumn<int>("value");
    QTest::newRow("sign position") << u" 2004"_s << true << 2004;
    QTest::newRow("negative") << u"-3"_s << true << -3;
    QTest::newRow("digits then text") << u"12abc"_s << true << 12;
    QTest::newRow("empty") << QString() << true << 0;
    QTest::newRow("no digits") << u"abc"_s << true << 0;
    QTest::newRow("16-bit top") << u"32767"_s << true << 32767;
    QTest::newRow("16-bit bottom") << u"-32768"_s << true << -32768;
    QTest::newRow("just beyond") << u"32768"_s << false << 0;
    QTest::newRow("far beyond") << u"99999999999999999999"_s << false << 0;
}

void UnitsTest::numericValue() {
    QFETCH(QString, text);
    QFETCH(bool, fits);
    QFETCH(int, value);
    const auto result = fncNumericValue16(text);
    QCOMPARE(result.has_value(), fits);
    if (fits) {
        QCOMPARE(int(*result), value);
        QCOMPARE(fncNumericValue(text), qint64(value));
    }
}

void UnitsTest::numberText() {
    QCOMPARE(fncNumberText(4), u" 4"_s);
    QCOMPARE(fncNumberText(0), u" 0"_s);
    QCOMPARE(fncNumberText(2004), u" 2004"_s);
    QCOMPARE(fncNumberText(-3), u"-3"_s);
}

void UnitsTest::subjectRows_data() {
    QTest::addColumn<HourField>("field");
    QTest::addColumn<QString>("fieldName");
    QTest::addColumn<SubjectKind>("kind");
    QTest::addColumn<QString>("fullName");
    QTest::addColumn<QString>("summaryName");
    QTest::addColumn<QString>("code");
    using F = HourField;
    using K = SubjectKind;
    auto row = [](F f, const char *name, K kind, const QString &full, const QString &summary,
                  const QString &code) {
        QTest::newRow(name) << f << QString::fromLatin1(name) << kind << full << summary << code;
    };
    row(F::kokugo, "kokugo", K::Subject, u"国語"_s, u"国語"_s, u"国"_s);
    row(F::syakai, "syakai", K::Subject, u"社会"_s, u"社会"_s, u"社"_s);
    row(F::sannsuu, "sannsuu", K::Subject, u"算数"_s, u"算数"_s, u"算"_s);
    row(F::rika, "rika", K::Subject, u"理科"_s, u"理科"_s, u"理"_s);
    row(F::seikatsu, "seikatsu", K::Subject, u"生活"_s, u"生活"_s, u"生"_s);
    row(F::onngaku, "onngaku", K::Subject, u"音楽"_s, u"音楽"_s, u"音"_s);
    row(F::zukou, "zukou", K::Subject, u"図工"_s, u"図工"_s, u"図"_s);
    row(F::katei, "katei", K::Subject, u"家庭"_s, u"家庭"_s, u"家"_s);
    row(F::taiiku, "taiiku", K::Subject, u"体育"_s, u"体育"_s, u"体"_s);
    row(F::gaikokugo, "gaikokugo", K::Subject, u"外国語"_s, u"外国語"_s, u"英"_s);
    row(F::KyoukaSyoukei, "KyoukaSyoukei", K::Derived, QString(), u"教科小計"_s, QString());
    row(F::sougou, "sougou", K::Integrated, u"総合"_s, u"総合"_s, u"総"_s);
    row(F::doutoku, "doutoku", K::Moral, u"道徳"_s, u"道徳"_s, u"道"_s);
    row(F::gaikokugokatsudou, "gaikokugokatsudou", K::ForeignLanguageActivity, u"外国語活動"_s,
        u"外国語活動"_s, u"外"_s);
    row(F::gakkyuukatsudou, "gakkyuukatsudou", K::Activity, u"学活"_s, u"学活"_s, u"学"_s);
    // The summary window names the club in half-width katakana.
    row(F::kurabu, "kurabu", K::Activity, u"クラブ"_s, u"\uFF78\uFF97\uFF8C\uFF9E"_s, u"ク"_s);
    row(F::jidoukai, "jidoukai", K::Activity, u"児童会"_s, u"児童会"_s, u"児"_s);
    row(F::gakkougyouji, "gakkougyouji", K::Activity, u"行事"_s, u"学校行事"_s, u"行"_s);
    row(F::TokkatsuSyoukei, "TokkatsuSyoukei", K::Derived, QString(), u"特活小計"_s, QString());
    row(F::SouJyugyouJisuu, "SouJyugyouJisuu", K::Derived, QString(), u"総授業時数"_s, QString());
    row(F::uchikiri, "uchikiri", K::Other, u"打切り"_s, u"打切時数"_s, u"切"_s);
    row(F::yobi, "yobi", K::Other, u"予備"_s, u"予備時数"_s, u"予"_s);
    row(F::SouJisuu, "SouJisuu", K::Derived, QString(), u"総時数"_s, QString());
}

void UnitsTest::subjectRows() {
    QFETCH(HourField, field);
    QFETCH(QString, fieldName);
    QFETCH(SubjectKind, kind);
    QFETCH(QString, fullName);
    QFETCH(QString, summaryName);
    QFETCH(QString, code);

    const SubjectInfo &info = subjectInfo(field);
    QCOMPARE(info.field, field);
    QCOMPARE(QString::fromLatin1(info.fieldName), fieldName);
    QCOMPARE(info.kind, kind);
    QCOMPARE(info.fullName.toString(), fullName);
    QCOMPARE(info.summaryName.toString(), summaryName);
    QCOMPARE(isDerived(field), kind == SubjectKind::Derived);
    if (code.isEmpty()) {
        QVERIFY(info.code.isNull());
    } else {
        QCOMPARE(QString(info.code), code);
        // The totals count the code into this very field.
        const auto counted = fieldForCode(code[0]);
        QVERIFY(counted);
        QCOMPARE(*counted, field);
    }
    // Every name the palette offers turns into this row's code.
    if (!fullName.isEmpty() && field != HourField::yobi)
        QCOMPARE(fncSubjectToCode(fullName), code);
}

void UnitsTest::displayOrderIsTheEnumOrder() {
    const auto &table = subjectTable();
    const auto &order = displayOrder();
    QCOMPARE(int(table.size()), kHourFieldCount);
    for (int i = 0; i < kHourFieldCount; ++i) {
        QCOMPARE(static_cast<int>(order[i]), i);
        QCOMPARE(static_cast<int>(table[i].field), i);
    }
}

void UnitsTest::dataFileOrders() {
    // Today's plan records are the 2002 fields in their names' alphabetical order, case ignored;
    // the extended form appends the two later rows, so the old lines keep their places.
    const QStringList classic = {
        u"doutoku"_s, u"gakkougyouji"_s, u"gakkyuukatsudou"_s, u"jidoukai"_s, u"katei"_s,
        u"kokugo"_s,  u"kurabu"_s,       u"KyoukaSyoukei"_s,   u"onngaku"_s,  u"rika"_s,
        u"sannsuu"_s, u"seikatsu"_s,     u"sougou"_s,          u"SouJisuu"_s, u"SouJyugyouJisuu"_s,
        u"syakai"_s,  u"taiiku"_s,       u"TokkatsuSyoukei"_s, u"uchikiri"_s, u"yobi"_s,
        u"zukou"_s};
    auto names = [](const auto &order) {
        QStringList list;
        for (HourField f : order)
            list.append(QString::fromLatin1(subjectInfo(f).fieldName));
        return list;
    };
    QCOMPARE(names(classicDataFileOrder()), classic);
    const QStringList later = {u"gaikokugo"_s, u"gaikokugokatsudou"_s};
    QCOMPARE(names(extendedDataFileOrder()), classic + later);
}

void UnitsTest::baseFieldsAreTheCodedFields() {
    std::set<HourField> seen;
    int previous = -1;
    for (HourField f : baseFields()) {
        QVERIFY(!isDerived(f));
        QVERIFY(!subjectInfo(f).code.isNull());
        QVERIFY2(static_cast<int>(f) > previous, "base fields follow the display order");
        previous = static_cast<int>(f);
        seen.insert(f);
    }
    QCOMPARE(int(seen.size()), kBaseFieldCount);
    QCOMPARE(kBaseFieldCount + 4, kHourFieldCount);
}

void UnitsTest::laterCurriculumRows() {
    QStringList later;
    for (HourField f : laterCurriculumFields()) {
        QVERIFY(subjectInfo(f).laterCurriculum);
        later.append(QString::fromLatin1(subjectInfo(f).fieldName));
    }
    QCOMPARE(later, (QStringList{u"gaikokugo"_s, u"gaikokugokatsudou"_s}));
    int others = 0;
    for (const SubjectInfo &info : subjectTable())
        others += info.laterCurriculum ? 0 : 1;
    QCOMPARE(others, kClassicFieldCount);
    // Narrow places take the short names: the weekly sheet's two characters, "外活".
    QCOMPARE(subjectInfo(HourField::gaikokugo).shortName.toString(), u"英語"_s);
    QCOMPARE(subjectInfo(HourField::gaikokugokatsudou).shortName.toString(), u"外活"_s);
}

void UnitsTest::codesOutsideTheTableCountNowhere() {
    QVERIFY(!fieldForCode(kNoSubject));
    QVERIFY(!fieldForCode(QChar()));
    QVERIFY(!fieldForCode(QChar(u' ')));
    QVERIFY(!fieldForCode(QChar(u'A')));
    QVERIFY(!fieldForCode(QChar(u'Ｘ')));
    QVERIFY(!fieldForCode(QChar(u'計')));
    QCOMPARE(kNoSubject, QChar(0x3000));
}

void UnitsTest::codeOrders_data() {
    QTest::addColumn<QString>("order");
    QTest::addColumn<QString>("expected");
    // 英 (外国語) after 体育 and 外 (外国語活動) after 道徳; a plan without them leaves them out.
    QTest::newRow("main palette") << paletteOrder().toString()
                                  << u"総国社算理生音図家体英道外学ク児行切"_s;
    QTest::newRow("timetable palette")
        << timetablePaletteOrder().toString() << u"総国社算理生音図家体英道外学ク"_s;
    QTest::newRow("weekly sheet") << weeklySheetOrder().toString()
                                  << u"国社算理音図家体英総道外学ク生"_s;
}

void UnitsTest::codeOrders() {
    QFETCH(QString, order);
    QFETCH(QString, expected);
    QCOMPARE(order, expected);
    for (qsizetype i = 0; i < order.size(); ++i) {
        QCOMPARE(codeIndex(order, order[i]), int(i));
        QVERIFY2(fieldForCode(order[i]), "every listed code counts into a field");
    }
    QCOMPARE(codeIndex(order, u'予'), -1);
    QCOMPARE(codeIndex(order, kNoSubject), -1);
}

QTEST_APPLESS_MAIN(UnitsTest)
#include "units_test.moc"
