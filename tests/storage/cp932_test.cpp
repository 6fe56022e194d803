// The data file's code page in both directions, one table for every platform: Windows converts
// through its own code page 932, elsewhere Qt does, and a file must come out byte for byte the
// same on both.

#include "storage/cp932.h"

#include <QTest>

using namespace Qt::StringLiterals;
using namespace mirune;

class Cp932Test : public QObject {
    Q_OBJECT

  private slots:
    void bothWays_data();
    void bothWays();
    void refusedBytes_data();
    void refusedBytes();
    void refusedText_data();
    void refusedText();
};

void Cp932Test::bothWays_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("written"); // what the text is written back as
    const auto row = [](const char *name, const QByteArray &bytes, const QString &text,
                        const QByteArray &written = {}) {
        QTest::newRow(name) << bytes << text << (written.isNull() ? bytes : written);
    };
    row("empty", "", u""_s);
    row("header", "\x83\x67\x83\x8f\x83\x89", u"トワラ"_s);
    // The code page's own single bytes: 0x5C and 0x7E are the backslash and the tilde.
    row("ASCII", "A1 -\\~\r\n", u"A1 -\\~\r\n"_s);
    row("half-width katakana", "\xb1\xb2\xb3\xde\xa1\xdf", u"ｱｲｳﾞ｡ﾟ"_s);
    row("teacher's name", "\x8e\x52\x93\x63\x81\x40\x89\xd4\x8e\x71", u"山田　花子"_s);
    row("full-width forms", "\x81\x60\x81\x7c\x81\xca\x81\x61\x81\x5c", u"～－￢∥―"_s);
    row("NEC special characters", "\x87\x40\x87\x54\x87\x8a", u"①Ⅰ㈱"_s);
    row("IBM extensions", "\xfb\xfc\xfa\xb1\xfa\x40", u"髙﨑ⅰ"_s);
    row("user-defined area", "\xf0\x40\xf9\xfc", u"\ue000\ue757"_s);
    // Characters the code page has twice are written in one place only, as Windows does.
    row("≒ of the NEC row", "\x87\x90", u"≒"_s, "\x81\xe0");
    row("NEC-selected IBM extension", "\xed\x40", u"纊"_s, "\xfa\x5c");
}

void Cp932Test::bothWays() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QFETCH(QByteArray, written);
    QCOMPARE(cp932::decode(bytes), std::optional<QString>(text));
    QCOMPARE(cp932::encode(text), std::optional<QByteArray>(written));
}

void Cp932Test::refusedBytes_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("lead byte at the end") << QByteArray("\x83\x67\x83");
    QTest::newRow("lead byte before a blank") << QByteArray("\x81\x20");
    QTest::newRow("trail byte 0x7F") << QByteArray("\x81\x7f");
    QTest::newRow("unassigned row") << QByteArray("\x85\x40");
    QTest::newRow("unassigned hiragana cell") << QByteArray("\x82\xf2");
    // Single bytes without a character, which only Windows's own table maps (to U+0080 and
    // private-use characters): refused everywhere, so a file reads the same on every system.
    QTest::newRow("0x80") << QByteArray("a\x80");
    QTest::newRow("0xA0") << QByteArray("\xa0");
    QTest::newRow("0xFD") << QByteArray("\xfd");
    QTest::newRow("0xFF") << QByteArray("\xff");
}

void Cp932Test::refusedBytes() {
    QFETCH(QByteArray, bytes);
    QCOMPARE(cp932::decode(bytes), std::nullopt);
    // A refusal leaves nothing behind: the next conversion starts afresh.
    QCOMPARE(cp932::decode("\x83\x67"), std::optional<QString>(u"ト"_s));
}

void Cp932Test::refusedText_data() {
    QTest::addColumn<QString>("text");
    QTest::newRow("emoji") << u"晴れ😀"_s;
    QTest::newRow("lone high surrogate") << (u"a"_s + QChar(0xD83D));
    QTest::newRow("lone low surrogate") << (QString(QChar(0xDE00)) + u"a"_s);
    // Look-alikes of the code page's characters, which a best fit would write as them.
    QTest::newRow("wave dash") << u"〜"_s;
    QTest::newRow("minus sign") << u"−"_s;
    QTest::newRow("em dash") << u"—"_s;
    QTest::newRow("not sign") << u"¬"_s;
    QTest::newRow("yen sign") << u"¥"_s;
    QTest::newRow("euro sign") << u"€"_s;
    QTest::newRow("U+0080") << QString(QChar(0x80));
    QTest::newRow("U+F8F0") << QString(QChar(0xF8F0));
}

void Cp932Test::refusedText() {
    QFETCH(QString, text);
    QCOMPARE(cp932::encode(text), std::nullopt);
    QCOMPARE(cp932::encode(u"ト"_s), std::optional<QByteArray>("\x83\x67"));
}

QTEST_APPLESS_MAIN(Cp932Test)
#include "cp932_test.moc"
