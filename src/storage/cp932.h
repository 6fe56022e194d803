#pragma once

// The data file's text encoding, CP932 (the Japanese ANSI code page of Windows), in both
// directions. Windows converts it itself (code page 932); elsewhere Qt's converter does, which
// knows CP932 through ICU. Both refuse what is no CP932 character rather than replacing it, so
// that a file is never read or written with a character changed.

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>
#include <optional>

namespace mirune::cp932 {

// The text of `bytes`; nothing when they hold a byte sequence that is no CP932 character (a
// lead byte at the end included: each call stands on its own).
std::optional<QString> decode(QByteArrayView bytes);

// The CP932 bytes of `text`; nothing when it holds a character that CP932 has not (a lone
// surrogate included).
std::optional<QByteArray> encode(QStringView text);

} // namespace mirune::cp932
