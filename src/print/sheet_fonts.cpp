#include "sheet_fonts.h"

#include "page_surface.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>
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

bool fncFontFamilyResolves(const QString &family) {
    if (!QFontDatabase::families().contains(family, Qt::CaseInsensitive))
        return false;
    const QFont font(family);
    return QFontInfo(font).family().compare(family, Qt::CaseInsensitive) == 0;
}

int fncFixedPitchTextWidth(QStringView text, int points) {
    int halfEms = 0;
    for (const QChar c : text) {
        if (c.isLowSurrogate())
            continue; // a character beyond the basic plane counts once, by its high half
        const char16_t u = c.unicode();
        const bool halfWidth = u < 0x80 || (u >= 0xFF61 && u <= 0xFF9F);
        halfEms += halfWidth ? 1 : 2;
    }
    // An em is the font size; a point is 20 twips, so half an em is 10 twips per point.
    return halfEms * points * 10;
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
