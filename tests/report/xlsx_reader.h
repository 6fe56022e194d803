#pragma once

// Reads back what a test needs of an xlsx workbook: the parts of the zip container (the central
// directory, stored or deflated members), one sheet's cells (the first unless told) with their
// shared strings, and each cell's font colour. Small on purpose: it knows what the workbook writer
// writes.

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QXmlStreamReader>
#include <zlib.h>

namespace mirune::test {

inline QHash<QString, QByteArray> unzipParts(const QByteArray &zip) {
    QHash<QString, QByteArray> parts;
    // Little-endian numbers read byte by byte, 0 past the end: a broken workbook fails the
    // test's comparisons instead of reading outside the buffer.
    const auto byteAt = [&](qsizetype at) {
        return at >= 0 && at < zip.size() ? quint32(quint8(zip[at])) : 0u;
    };
    const auto u16 = [&](qsizetype at) { return quint16(byteAt(at) | byteAt(at + 1) << 8); };
    const auto u32 = [&](qsizetype at) { return u16(at) | quint32(u16(at + 2)) << 16; };
    const qsizetype end = zip.lastIndexOf(QByteArray("PK\x05\x06", 4));
    if (end < 0 || end + 22 > zip.size())
        return parts;
    const int count = u16(end + 10);
    qsizetype at = u32(end + 16);
    for (int i = 0; i < count && at + 46 <= zip.size() && u32(at) == 0x02014b50; ++i) {
        const int method = u16(at + 10);
        const quint32 packed = u32(at + 20);
        const quint32 size = u32(at + 24);
        const int nameLength = u16(at + 28);
        const QString name = QString::fromUtf8(zip.mid(at + 46, nameLength));
        const qsizetype local = u32(at + 42);
        const qsizetype data = local + 30 + u16(local + 26) + u16(local + 28);
        const QByteArray raw = zip.mid(data, packed);
        if (method == 0) {
            parts.insert(name, raw);
        } else if (method == 8) {
            QByteArray unpacked(qsizetype(size), '\0');
            z_stream stream{};
            inflateInit2(&stream, -MAX_WBITS);
            stream.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(raw.constData()));
            stream.avail_in = uInt(raw.size());
            stream.next_out = reinterpret_cast<Bytef *>(unpacked.data());
            stream.avail_out = uInt(unpacked.size());
            const int status = inflate(&stream, Z_FINISH);
            inflateEnd(&stream);
            if (status == Z_STREAM_END)
                parts.insert(name, unpacked);
        }
        at += 46 + nameLength + u16(at + 30) + u16(at + 32);
    }
    return parts;
}

struct SheetCell {
    QString text; // the shared string, or the number's text as written
    bool isNumber = false;
    int style = 0;
};

struct Workbook {
    QHash<QString, QByteArray> parts;
    QHash<QString, SheetCell> cells; // by reference, "A1"
    QList<QString> fontColours;      // by style index: the ARGB of the cell's font, "" for none
    int sheetNumber = 1;             // the sheet the cells are read from, 1 the first

    QString text(const QString &ref) const { return cells.value(ref).text; }
    double number(const QString &ref) const { return cells.value(ref).text.toDouble(); }
    QString fontColour(const QString &ref) const {
        const int style = cells.value(ref).style;
        return style < fontColours.size() ? fontColours[style] : QString();
    }
    QByteArray sheetXml() const {
        return parts.value(QStringLiteral("xl/worksheets/sheet%1.xml").arg(sheetNumber));
    }
};

inline Workbook readWorkbook(const QByteArray &bytes, int sheetNumber = 1) {
    using namespace Qt::StringLiterals;
    Workbook book;
    book.parts = unzipParts(bytes);
    book.sheetNumber = sheetNumber;

    QStringList strings;
    QXmlStreamReader shared(book.parts.value(u"xl/sharedStrings.xml"_s));
    while (!shared.atEnd()) {
        shared.readNext();
        if (shared.isStartElement() && shared.name() == u"si"_s)
            strings += QString();
        else if (shared.isStartElement() && shared.name() == u"t"_s && !strings.isEmpty())
            strings.last() += shared.readElementText();
    }

    // Fonts in order, then each cell format's font.
    QStringList fonts;
    QXmlStreamReader styles(book.parts.value(u"xl/styles.xml"_s));
    bool inFonts = false;
    bool inCellFormats = false;
    while (!styles.atEnd()) {
        styles.readNext();
        const auto name = styles.name();
        if (styles.isStartElement()) {
            if (name == u"fonts"_s)
                inFonts = true;
            else if (name == u"cellXfs"_s)
                inCellFormats = true;
            else if (inFonts && name == u"font"_s)
                fonts += QString();
            else if (inFonts && name == u"color"_s && !fonts.isEmpty())
                fonts.last() = styles.attributes().value(u"rgb"_s).toString();
            else if (inCellFormats && name == u"xf"_s)
                book.fontColours += fonts.value(styles.attributes().value(u"fontId"_s).toInt());
        } else if (styles.isEndElement()) {
            if (name == u"fonts"_s)
                inFonts = false;
            else if (name == u"cellXfs"_s)
                inCellFormats = false;
        }
    }

    QXmlStreamReader sheet(book.sheetXml());
    QString ref;
    SheetCell cell;
    bool shared_ = false;
    while (!sheet.atEnd()) {
        sheet.readNext();
        if (sheet.isStartElement() && sheet.name() == u"c"_s) {
            ref = sheet.attributes().value(u"r"_s).toString();
            cell = {};
            cell.style = sheet.attributes().value(u"s"_s).toInt();
            shared_ = sheet.attributes().value(u"t"_s) == u"s"_s;
            cell.isNumber = !sheet.attributes().hasAttribute(u"t"_s);
        } else if (sheet.isStartElement() && sheet.name() == u"v"_s) {
            const QString value = sheet.readElementText();
            cell.text = shared_ ? strings.value(value.toInt()) : value;
            book.cells.insert(ref, cell);
        }
    }
    return book;
}

} // namespace mirune::test
