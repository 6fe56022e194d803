#pragma once

#include "page_surface.h"
#include "sheet_placement.h"

#include <QFont>
#include <QFontMetricsF>
#include <QHash>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPen>
#include <QTextLayout>
#include <QTextOption>
#include <QTransform>
#include <memory>

namespace mirune {

// Draws sheets on a printer or a PDF writer through QPainter. Twips become device units at the
// device's resolution with the origin at the top-left corner of its printable area; line widths
// are device dots; a text's top-left corner is placed at the position, its baseline one ascent
// lower. The sheets' font names are replaced by the installed IPA fonts; a font that does not
// resolve is an error, never a silent fallback.
//
// Several sheets may share one document: the end of each sheet but the last starts a new page,
// which takes the orientation the next sheet sets. Painting starts with the first drawing, so
// the first sheet's orientation reaches the device before the first page begins.
//
// A text is drawn as its runs between half-width spaces, each at the place the spaces before
// it leave: the IPA fonts give the space the glyph of the tab, and a PDF's text layer would
// read every space back as a tab.
class PainterSurface final : public PageSurface {
  public:
    // A paged device (printer, PDF writer) takes the orientation and the new pages; any other
    // device (an image, in tests) is one fixed page.
    explicit PainterSurface(QPaintDevice &device, int sheetCount = 1);
    ~PainterSurface() override;

    PainterSurface(const PainterSurface &) = delete;
    PainterSurface &operator=(const PainterSurface &) = delete;

    void setOrientation(PageOrientation orientation) override;
    void setFontName(const QString &name) override;
    void setFontSize(int points) override;
    void setPosition(int x, int y) override;
    void printText(const QString &text) override;
    // The font's own advance, in twips at the sheet's scale.
    int textWidth(const QString &text) override;
    void setLineWidth(int dots) override;
    void drawLine(int x1, int y1, int x2, int y2) override;
    void setTextColour(const QColor &colour) override;
    void endDocument() override;

    // Where the next sheet goes on its page: everything it draws, lines and texts alike, is
    // scaled and moved as the placement says. Set before the sheet's first drawing.
    void setPlacement(const SheetPlacement &placement) { m_placement = placement; }

    // True once the last sheet has ended and the document is closed.
    bool isFinished() const { return m_finished; }
    // The first thing that went wrong (the device could not be opened, a font is missing, a
    // drawing after the document ended); empty when nothing did.
    const QString &errorString() const { return m_error; }

  private:
    bool beginDrawing();
    void fail(const QString &message);
    void applyFont();
    void startPage();
    const QFontMetricsF &metrics();
    const QTextLayout &laidOut(const QString &run);
    qreal toDeviceX(int twips) const { return twips * m_scaleX; }
    qreal toDeviceY(int twips) const { return twips * m_scaleY; }

    QPaintDevice &m_device;
    QPagedPaintDevice *m_pagedDevice;
    QPainter m_painter;
    int m_sheetCount;
    int m_sheetsEnded = 0;
    bool m_newPagePending = false;
    bool m_finished = false;
    QString m_error;

    qreal m_scaleX = 0;
    qreal m_scaleY = 0;
    QString m_fontName;
    QHash<QString, bool> m_resolvedFamilies; // asking the font database once per family
    bool m_fontUsable = false;
    int m_fontSize = 10;
    QFont m_font;
    bool m_fontDirty = true;
    QHash<int, QFontMetricsF> m_metricsBySize; // of the current family on the device
    // Texts of the current family already shaped and laid out, by size: the sheets draw the
    // same figures and names again and again, and shaping each anew took most of the time of
    // a document. Widths the same.
    QHash<int, QHash<QString, std::shared_ptr<QTextLayout>>> m_layoutsBySize;
    QHash<int, QHash<QString, int>> m_widthsBySize;
    SheetPlacement m_placement;
    QTransform m_sheetTransform;     // the placement's, on which lines are drawn
    bool m_textTransformSet = false; // the painter holds a text's transform instead
    QPen m_linePen;
    QPen m_textPen;
    QTextOption m_textOption;
    int m_x = 0;
    int m_y = 0;
};

} // namespace mirune
