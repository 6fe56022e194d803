#include "file_text.h"

#include "cp932.h"
#include "data_file_layout.h"

namespace mirune {

QString fncUnwritableCharacters(QStringView text) {
    // The common case at once: a text CP932 takes whole, without a line break.
    if (!text.contains(u'\r') && !text.contains(u'\n') && cp932::encode(text))
        return {};
    QString refused;
    for (qsizetype i = 0; i < text.size();) {
        // A character outside the basic plane is two UTF-16 units, and refused as one.
        const qsizetype length =
            text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate() ? 2
                                                                                             : 1;
        const QStringView character = text.sliced(i, length);
        const bool lineBreak = character == u"\r" || character == u"\n";
        if ((lineBreak || !cp932::encode(character)) && !refused.contains(character))
            refused += character;
        i += length;
    }
    return refused;
}

bool fncTextTooLongForFile(QStringView text) {
    // Two bytes at most per UTF-16 unit: only a text near the limit is encoded to measure it.
    if (text.size() * 2 <= data_file::kMaxLineBytes)
        return false;
    const std::optional<QByteArray> bytes = cp932::encode(text);
    return !bytes || bytes->size() > data_file::kMaxLineBytes;
}

} // namespace mirune
