#include "sheet_fonts.h"

#include "model/notation.h"
#include "page_surface.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>
#include <QRawFont>
#include <QStringList>

namespace mirune {

using namespace Qt::StringLiterals;

QString fncSheetFontFamily(const QString &fontName) {
    if (fontName == kMinchoFontName)
        return u"IPAMincho"_s;
    if (fontName == kGothicFontName)
        return u"IPAGothic"_s;
    return fontName;
}

namespace {

// The English family name (name 1) in a font's name table: a Japanese system names the IPA fonts
// by their Japanese names (IPA明朝), so the name the font is asked by may not be the one it
// reports. Empty when the table has none.
QString englishFamilyName(const QFont &font) {
    const QByteArray table = QRawFont::fromFont(font).fontTable("name");
    const auto u16 = [&table](qsizetype at) {
        return at + 2 <= table.size() ? int((uchar(table[at]) << 8) | uchar(table[at + 1])) : -1;
    };
    const int count = u16(2);
    const int strings = u16(4);
    for (int i = 0; i < count; ++i) {
        const qsizetype record = 6 + qsizetype(i) * 12;
        const int platform = u16(record);
        const int language = u16(record + 4);
        const int nameId = u16(record + 6);
        const int length = u16(record + 8);
        const qsizetype at = qsizetype(strings) + u16(record + 10);
        if (nameId != 1 || length < 0 || at < 0 || at + length > table.size())
            continue;
        if (platform == 3 && language == 0x409) { // Windows, English: UTF-16, big-endian
            QString name;
            for (int k = 0; k + 1 < length; k += 2)
                name.append(QChar(char16_t(u16(at + k))));
            return name;
        }
        if (platform == 1 && language == 0) // Macintosh, English: Roman
            return QString::fromLatin1(table.mid(at, length));
    }
    return QString();
}

} // namespace

bool fncFontFamilyResolves(const QString &family) {
    const QFont font(family);
    if (QFontDatabase::families().contains(family, Qt::CaseInsensitive) &&
        QFontInfo(font).family().compare(family, Qt::CaseInsensitive) == 0)
        return true;
    // Listed and resolved under its Japanese name: the font's own English name tells whether it
    // is the family asked for or a fallback.
    return englishFamilyName(font).compare(family, Qt::CaseInsensitive) == 0;
}

int fncFixedPitchTextWidth(QStringView text, int points) {
    // An em is the font size; a point is 20 twips, so half an em is 10 twips per point.
    return fncDisplayWidth(text) * points * 10;
}

void chooseSheetFontEngine() {
#ifdef Q_OS_WIN
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "windows:fontengine=freetype");
#endif
}

void loadBundledSheetFonts() {
    const QDir folder(QCoreApplication::applicationDirPath() + u"/fonts"_s);
    for (const QString &file : {u"ipam.ttf"_s, u"ipag.ttf"_s}) {
        const QString path = folder.filePath(file);
        if (QFileInfo::exists(path))
            QFontDatabase::addApplicationFont(path);
    }
}

QString fncCheckSheetFonts() {
    QStringList missing;
    for (QStringView name : {kMinchoFontName, kGothicFontName}) {
        const QString family = fncSheetFontFamily(name.toString());
        if (!fncFontFamilyResolves(family))
            missing.append(u"%1（%2の代わり）"_s.arg(family, name));
    }
    if (missing.isEmpty())
        return QString();
    return u"用紙のフォントがインストールされていません：%1。IPAフォント（Debianのパッケージ "
           "fonts-ipafont）をインストールしてください。"_s.arg(missing.join(u"、"_s));
}

} // namespace mirune
