#include "cp932.h"

#ifdef Q_OS_WIN
#include <algorithm>
#include <climits>
#include <qt_windows.h>
#else
#include <QStringDecoder>
#include <QStringEncoder>
#endif

namespace mirune::cp932 {

namespace {

// Most lines of a data file are numbers, dates and True or False: printable ASCII, which the code
// page writes as itself. Such a line needs no converter, provided the system's table does map
// those bytes to themselves (checked once, through the table).
bool isPrintableAscii(QByteArrayView bytes) {
    for (const char c : bytes)
        if (c < 0x20 || c > 0x7E)
            return false;
    return true;
}

std::optional<QString> convertedDecode(QByteArrayView bytes);

bool printableAsciiIsItself() {
    static const bool same = [] {
        QByteArray all;
        for (char c = 0x20; c <= 0x7E; ++c)
            all += c;
        const std::optional<QString> text = convertedDecode(all);
        return text && *text == QString::fromLatin1(all);
    }();
    return same;
}

} // namespace

std::optional<QString> decode(QByteArrayView bytes) {
    if (isPrintableAscii(bytes) && printableAsciiIsItself())
        return QString::fromLatin1(bytes);
    return convertedDecode(bytes);
}

#ifdef Q_OS_WIN

// Qt knows CP932 only through ICU, which a Qt for Windows need not have; the system's own table
// of code page 932 is the one the files were written with.
namespace {

constexpr UINT kCodePage = 932;

// Windows's table also maps the single bytes 0x80, 0xA0 and 0xFD to 0xFF, which are no
// characters of CP932, to U+0080 and private-use characters; other tables have no such bytes.
// They are refused both ways, so that a file is read and written alike on every system.
bool onlyInWindowsTable(QChar c) {
    return c.unicode() == 0x80 || (c.unicode() >= 0xF8F0 && c.unicode() <= 0xF8F3);
}

} // namespace

namespace {

std::optional<QString> convertedDecode(QByteArrayView bytes) {
    if (bytes.isEmpty())
        return QString();
    if (bytes.size() > INT_MAX)
        return std::nullopt;
    // One byte or two give one UTF-16 unit: the text is never longer than the bytes.
    QString text(bytes.size(), Qt::Uninitialized);
    const int length =
        MultiByteToWideChar(kCodePage, MB_ERR_INVALID_CHARS, bytes.data(), int(bytes.size()),
                            reinterpret_cast<wchar_t *>(text.data()), int(text.size()));
    if (length <= 0)
        return std::nullopt;
    text.truncate(length);
    if (std::any_of(text.cbegin(), text.cend(), onlyInWindowsTable))
        return std::nullopt;
    return text;
}

} // namespace

std::optional<QByteArray> encode(QStringView text) {
    if (text.isEmpty())
        return QByteArray();
    if (text.size() > INT_MAX / 2 || std::any_of(text.begin(), text.end(), onlyInWindowsTable))
        return std::nullopt;
    // At most two bytes per UTF-16 unit. No best fit: a character CP932 has not is refused,
    // not written as a look-alike.
    QByteArray bytes(text.size() * 2, Qt::Uninitialized);
    BOOL usedDefault = FALSE;
    const int length = WideCharToMultiByte(
        kCodePage, WC_NO_BEST_FIT_CHARS, reinterpret_cast<const wchar_t *>(text.data()),
        int(text.size()), bytes.data(), int(bytes.size()), nullptr, &usedDefault);
    if (length <= 0 || usedDefault)
        return std::nullopt;
    bytes.truncate(length);
    return bytes;
}

#else

// One converter of each kind per thread, made once: opening ICU's converter costs more than
// converting a line. Stateless, so that a lead byte at the end of one call never pairs with the
// next call's first byte. Qt keeps a converter's error through resetState(), so after an error
// the converter is made afresh, in place: ICU reports errors to the converter's own address,
// which a moved converter would leave behind.
namespace {

constexpr auto kFlags = QStringConverter::Flag::Stateless;

template <typename Converter> Converter &threadConverter(bool fresh) {
    thread_local std::optional<Converter> converter;
    if (fresh || !converter)
        converter.emplace("CP932", kFlags);
    return *converter;
}

std::optional<QString> convertedDecode(QByteArrayView bytes) {
    QStringDecoder &decoder = threadConverter<QStringDecoder>(false);
    QString text = decoder.decode(bytes);
    if (decoder.hasError() || !decoder.isValid()) {
        threadConverter<QStringDecoder>(true);
        return std::nullopt;
    }
    return text;
}

} // namespace

std::optional<QByteArray> encode(QStringView text) {
    QStringEncoder &encoder = threadConverter<QStringEncoder>(false);
    QByteArray bytes = encoder.encode(text);
    if (encoder.hasError() || !encoder.isValid()) {
        threadConverter<QStringEncoder>(true);
        return std::nullopt;
    }
    return bytes;
}

#endif

} // namespace mirune::cp932
