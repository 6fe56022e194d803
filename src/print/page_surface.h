#pragma once

#include <QColor>
#include <QString>
#include <QStringView>

namespace mirune {

// The sheet's page orientation, numbered as the printer settings number them.
enum class PageOrientation { Portrait = 1, Landscape = 2 };

// The two font names the sheets ask for; a surface that draws for real substitutes fonts
// that exist on this system.
inline constexpr QStringView kMinchoFontName = u"ＭＳ 明朝";
inline constexpr QStringView kGothicFontName = u"ＭＳ ゴシック";

// Where a sheet draws: the printer operations the sheet routines use, and nothing more.
// Coordinates are twips (1/1440 inch) from the top-left corner of the printable area, x to the
// right and y downwards; font sizes are points; line widths are printer dots. Font name, font
// size, line width and text colour stay in force until changed. Every text is placed by setting
// the position of its top-left corner first.
class PageSurface {
  public:
    virtual ~PageSurface() = default;

    virtual void setOrientation(PageOrientation orientation) = 0;
    virtual void setFontName(const QString &name) = 0;
    virtual void setFontSize(int points) = 0;
    virtual void setPosition(int x, int y) = 0;
    // Draws the text with its top-left corner at the current position.
    virtual void printText(const QString &text) = 0;
    // How far the text reaches to the right in the current font and size, in twips; a sheet
    // asks before it draws a text that may not fit where the layout puts it.
    virtual int textWidth(const QString &text) = 0;
    virtual void setLineWidth(int dots) = 0;
    // A straight black segment in the current line width.
    virtual void drawLine(int x1, int y1, int x2, int y2) = 0;
    virtual void setTextColour(const QColor &colour) = 0;
    // Ends the sheet: its page, and the document unless more sheets follow on the same surface.
    virtual void endDocument() = 0;

    // Position and print in one step, the way every sheet item is placed.
    void printAt(int x, int y, const QString &text) {
        setPosition(x, y);
        printText(text);
    }
};

// The text colours of the sheets: differences below zero in red, above zero in blue.
inline QColor textBlack() {
    return QColor(0, 0, 0);
}
inline QColor textRed() {
    return QColor(255, 0, 0);
}
inline QColor textBlue() {
    return QColor(0, 0, 255);
}

} // namespace mirune
