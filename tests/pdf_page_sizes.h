#pragma once

// The sizes of a PDF's pages as its media boxes give them, read from the file itself.

#include <QFile>
#include <QRegularExpression>
#include <QStringList>

namespace mirune::test {

// "WxH" in whole points ("842x1191" for A3 upright), in page order; empty when the file cannot
// be read.
inline QStringList pdfPageSizes(const QString &path) {
    using namespace Qt::StringLiterals;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    static const QRegularExpression mediaBox(
        u"/MediaBox \\[\\s*0\\s+0\\s+([0-9.]+)\\s+([0-9.]+)\\s*\\]"_s);
    QStringList sizes;
    for (auto it = mediaBox.globalMatch(QString::fromLatin1(file.readAll())); it.hasNext();) {
        const auto m = it.next();
        sizes +=
            u"%1x%2"_s.arg(qRound(m.captured(1).toDouble())).arg(qRound(m.captured(2).toDouble()));
    }
    return sizes;
}

} // namespace mirune::test
