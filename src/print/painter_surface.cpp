#include "painter_surface.h"

#include "sheet_fonts.h"

#include <QFontMetricsF>

namespace mirune {

using namespace Qt::StringLiterals;

namespace {

constexpr qreal kTwipsPerInch = 1440.0;

QPageLayout::Orientation toPageLayout(PageOrientation orientation) {
    return orientation == PageOrientation::Landscape ? QPageLayout::Landscape
                                                     : QPageLayout::Portrait;
}

} // namespace

PainterSurface::PainterSurface(QPaintDevice &device, int sheetCount)
    : m_device(device), m_pagedDevice(dynamic_cast<QPagedPaintDevice *>(&device)),
      m_sheetCount(qMax(1, sheetCount)),
      m_linePen(Qt::black, 1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin), m_textPen(textBlack()) {}

PainterSurface::~PainterSurface() {
    if (m_painter.isActive())
        m_painter.end();
}

void PainterSurface::fail(const QString &message) {
    if (m_error.isEmpty())
        m_error = message;
}

bool PainterSurface::beginDrawing() {
    if (m_finished) {
        fail(u"文書の終わりの後に用紙が描かれました。"_s);
        return false;
    }
    if (!m_painter.isActive()) {
        if (!m_error.isEmpty() || !m_painter.begin(&m_device)) {
            fail(u"出力先に描き始められませんでした。"_s);
            return false;
        }
        m_scaleX = m_device.logicalDpiX() / kTwipsPerInch;
        m_scaleY = m_device.logicalDpiY() / kTwipsPerInch;
        m_painter.setRenderHint(QPainter::Antialiasing);
        m_fontDirty = true;
    } else if (m_newPagePending) {
        if (!m_pagedDevice || !m_pagedDevice->newPage()) {
            fail(u"出力先で新しいページを始められませんでした。"_s);
            return false;
        }
        m_scaleX = m_device.logicalDpiX() / kTwipsPerInch;
        m_scaleY = m_device.logicalDpiY() / kTwipsPerInch;
    }
    m_newPagePending = false;
    return true;
}

void PainterSurface::setOrientation(PageOrientation orientation) {
    // Before painting starts this sets up the first page; between sheets it applies to the
    // page that the next drawing opens.
    if (m_pagedDevice && (!m_painter.isActive() || m_newPagePending))
        m_pagedDevice->setPageOrientation(toPageLayout(orientation));
}

void PainterSurface::setFontName(const QString &name) {
    m_fontName = name;
    const QString family = fncSheetFontFamily(name);
    auto known = m_resolvedFamilies.constFind(family);
    if (known == m_resolvedFamilies.cend())
        known = m_resolvedFamilies.insert(family, fncFontFamilyResolves(family));
    m_fontUsable = *known;
    if (!m_fontUsable)
        fail(u"フォント %1（%2の代わり）がインストールされていません（Debianのパッケージ "
             "fonts-ipafont）。"_s.arg(family, name));
    m_font = QFont(family);
    m_fontDirty = true;
}

void PainterSurface::setFontSize(int points) {
    if (points != m_fontSize) {
        m_fontSize = points;
        m_fontDirty = true;
    }
}

void PainterSurface::setPosition(int x, int y) {
    m_x = x;
    m_y = y;
}

void PainterSurface::applyFont() {
    m_font.setPointSize(m_fontSize);
    m_painter.setFont(m_font);
    m_ascent = QFontMetricsF(m_painter.font(), &m_device).ascent();
    m_fontDirty = false;
}

void PainterSurface::printText(const QString &text) {
    if (!m_fontUsable) {
        fail(u"text drawn before a usable font was set"_s);
        return;
    }
    if (!beginDrawing())
        return;
    if (m_fontDirty)
        applyFont();
    m_painter.setPen(m_textPen);
    m_painter.drawText(QPointF(toDeviceX(m_x), toDeviceY(m_y) + m_ascent), text);
}

void PainterSurface::setLineWidth(int dots) {
    m_linePen.setWidth(qMax(1, dots));
}

void PainterSurface::drawLine(int x1, int y1, int x2, int y2) {
    if (!beginDrawing())
        return;
    m_painter.setPen(m_linePen);
    m_painter.drawLine(QPointF(toDeviceX(x1), toDeviceY(y1)),
                       QPointF(toDeviceX(x2), toDeviceY(y2)));
}

void PainterSurface::setTextColour(const QColor &colour) {
    m_textPen.setColor(colour);
}

void PainterSurface::endDocument() {
    if (m_finished)
        return;
    ++m_sheetsEnded;
    if (m_sheetsEnded < m_sheetCount) {
        // The next sheet goes on a new page; it opens when that sheet first draws.
        if (m_painter.isActive())
            m_newPagePending = true;
        return;
    }
    if (m_painter.isActive() && !m_painter.end())
        fail(u"文書を最後まで書けませんでした。"_s);
    m_finished = true;
}

} // namespace mirune
