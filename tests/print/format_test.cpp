// The formatting routines every sheet prints with: numbers and hour counts padded to a width,
// the subject names of the timetable cells, and the class label.

#include "print/print_format.h"
#include "print_test_support.h"

#include <QTest>

using namespace mirune;
using namespace Qt::StringLiterals;

class PrintFormatTest : public QObject {
    Q_OBJECT

  private slots:
    void itos_data();
    void itos();
    void ctos_data();
    void ctos();
    void subjectName_data();
    void subjectName();
    void classText_data();
    void classText();
    void gradeText_data();
    void gradeText();
    void classLabel();
};

void PrintFormatTest::itos_data() {
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("width");
    QTest::addColumn<QString>("expected");
    QTest::newRow("padded") << 7 << 2 << u" 7"_s;
    QTest::newRow("exact width") << 12 << 2 << u"12"_s;
    QTest::newRow("longer is never cut") << 123 << 2 << u"123"_s;
    QTest::newRow("zero") << 0 << 2 << u" 0"_s;
    QTest::newRow("negative keeps its sign") << -5 << 3 << u" -5"_s;
    QTest::newRow("width zero") << 31 << 0 << u"31"_s;
}

void PrintFormatTest::itos() {
    QFETCH(int, n);
    QFETCH(int, width);
    QFETCH(QString, expected);
    QCOMPARE(fncItoS(n, width), expected);
}

void PrintFormatTest::ctos_data() {
    QTest::addColumn<int>("units");
    QTest::addColumn<int>("width");
    QTest::addColumn<QString>("expected");
    QTest::newRow("longer than the width") << 816 << 4 << u"272.0"_s;
    QTest::newRow("two blanks") << 100 << 6 << u"  33.1"_s;
    QTest::newRow("zero") << 0 << 4 << u" 0.0"_s;
    QTest::newRow("minus below one hour") << -1 << 5 << u" -0.1"_s;
    QTest::newRow("minus whole hours") << -21 << 5 << u" -7.0"_s;
    QTest::newRow("sixty minutes") << 4 << 4 << u" 1.1"_s;
    QTest::newRow("difference past 16 bits stays whole") << 40000 << 6 << u"13333.1"_s;
}

void PrintFormatTest::ctos() {
    QFETCH(int, units);
    QFETCH(int, width);
    QFETCH(QString, expected);
    QCOMPARE(fncCtoS(units, width), expected);
}

void PrintFormatTest::subjectName_data() {
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("expected");
    const std::array<std::pair<QString, QString>, 13> named = {{
        {u"国"_s, u"国語"_s},
        {u"社"_s, u"社会"_s},
        {u"算"_s, u"算数"_s},
        {u"理"_s, u"理科"_s},
        {u"音"_s, u"音楽"_s},
        {u"図"_s, u"図工"_s},
        {u"家"_s, u"家庭"_s},
        {u"体"_s, u"体育"_s},
        {u"総"_s, u"総合"_s},
        {u"道"_s, u"道徳"_s},
        {u"学"_s, u"学活"_s},
        {u"ク"_s, u"ｸﾗﾌﾞ"_s},
        {u"生"_s, u"生活"_s},
    }};
    for (const auto &[code, name] : named)
        QTest::newRow(qPrintable(code)) << code << name;
    for (const QString &code : {u"児"_s, u"行"_s, u"切"_s, u"予"_s, u"　"_s, u"A"_s})
        QTest::newRow(qPrintable(u"none for "_s + code)) << code << QString();
}

void PrintFormatTest::subjectName() {
    QFETCH(QString, code);
    QFETCH(QString, expected);
    QCOMPARE(fncSubjectName(code[0]), expected);
}

void PrintFormatTest::classText_data() {
    QTest::addColumn<QString>("strClass");
    QTest::addColumn<QString>("expected");
    QTest::newRow("one digit becomes full-width") << u"3"_s << u"３"_s;
    QTest::newRow("nine") << u"9"_s << u"９"_s;
    QTest::newRow("ten stays half-width") << u"10"_s << u"10"_s;
    QTest::newRow("zero is not a class number") << u"0"_s << u"0"_s;
    QTest::newRow("a name as typed") << u"さくら"_s << u"さくら"_s;
    QTest::newRow("a letter as typed") << u"A"_s << u"A"_s;
    QTest::newRow("empty prints nothing") << QString() << QString();
}

void PrintFormatTest::classText() {
    QFETCH(QString, strClass);
    QFETCH(QString, expected);
    QCOMPARE(fncClassText(strClass), expected);
}

void PrintFormatTest::gradeText_data() {
    QTest::addColumn<int>("grade");
    QTest::addColumn<QString>("expected");
    QTest::newRow("1") << 1 << u"１"_s;
    QTest::newRow("4") << 4 << u"４"_s;
    QTest::newRow("6") << 6 << u"６"_s;
    QTest::newRow("0 prints nothing") << 0 << QString();
    QTest::newRow("7 prints nothing") << 7 << QString();
}

void PrintFormatTest::gradeText() {
    QFETCH(int, grade);
    QFETCH(QString, expected);
    QCOMPARE(fncGradeText(grade), expected);
}

void PrintFormatTest::classLabel() {
    AppState state = test::classState(2026, 4, u"2"_s, u"山田"_s);
    QCOMPARE(fncClassLabel(state), u"４年２組"_s);
    state.strClass = u"10"_s;
    QCOMPARE(fncClassLabel(state), u"４年10組"_s);
    state.strClass.clear();
    QCOMPARE(fncClassLabel(state), u"４年組"_s);
}

QTEST_APPLESS_MAIN(PrintFormatTest)
#include "format_test.moc"
