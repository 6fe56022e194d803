#pragma once

#include <QString>

namespace mirune {

// The installed family that stands in for a font name the sheets ask for: the two Japanese
// system fonts by their metric-compatible IPA fonts; any other name as it is.
QString fncSheetFontFamily(const QString &fontName);

// Whether a family is installed and a font asked for by it resolves to it, not to a fallback.
bool fncFontFamilyResolves(const QString &family);

// Empty when both sheet fonts are available; otherwise what is missing and how to install it.
// Needs a QGuiApplication.
QString fncCheckSheetFonts();

} // namespace mirune
