#pragma once

#include <QString>
#include <QStringView>

namespace mirune {

// The installed family that stands in for a font name the sheets ask for: the two Japanese
// system fonts by their metric-compatible IPA fonts; any other name as it is.
QString fncSheetFontFamily(const QString &fontName);

// Whether a family is installed and a font asked for by it resolves to it, not to a fallback.
bool fncFontFamilyResolves(const QString &family);

// The width in twips of a text in the sheet fonts at `points`: both are fixed-pitch, a
// character of one byte in the Japanese code page (ASCII, half-width katakana) half an em wide,
// any other a whole em. The sheets are laid out for these metrics, and the IPA fonts keep them.
int fncFixedPitchTextWidth(QStringView text, int points);

// Before the QGuiApplication is made: on Windows, asks Qt's windows platform for its FreeType font
// engine, which measures and draws the sheet fonts as Linux does. Windows's own engine rounds the
// advances to whole pixels (spaced titles come out up to 0.4 % narrower than they are laid out)
// and names the fonts in a PDF by their Japanese names, which it turns into question marks. A
// platform chosen in QT_QPA_PLATFORM is left as it is; elsewhere nothing happens.
void chooseSheetFontEngine();

// Makes the sheet fonts in the program's own folder (fonts/ipam.ttf and fonts/ipag.ttf, which the
// Windows edition carries) available to this program, so that a PC without them installed draws
// the sheets with the same fonts and metrics. Nothing happens where the files are not there.
// Needs a QGuiApplication.
void loadBundledSheetFonts();

// Empty when both sheet fonts are available; otherwise what is missing and how to install it.
// Needs a QGuiApplication.
QString fncCheckSheetFonts();

} // namespace mirune
