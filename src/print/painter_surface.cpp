#include "painter_surface.h"

#include "sheet_fonts.h"

#include <QFontMetricsF>
#include <QRectF>
#include <QTransform>

namespace mirune {

using namespace Qt::StringLiterals;

namespace {

constexpr qreal kTwipsPerInch = 1440.0;
// Texts are set in units of a hundredth of a point: a font of n points is n × 100 units high,
// drawn with the painter scaled to the device. A font set in device pixels gets a whole pixel
// size (5 point at 600 dots per inch would come out 5.04 point, every line of it 0.8 % too
// long); at these sizes the advances keep to the widths the sheets are laid out in.
constexpr int kTextUnitsPerPoint = 100;
constexpr qreal kTextUnitsPerInch = 72.0 * kTextUnitsPerPoint;
constexpr qreal kTwipsPerTextUnit = kTwipsPerInch / kTextUnitsPerInch;
constexpr qreal kTextUnitsPerTwip = kTextUnitsPerInch / kTwipsPerInch; // 5, exactly
// A text's box reaches as far right and down as it needs; nothing is clipped or wrapped.
constexpr qreal kUnbounded = 1e9;

QTextOption unwrappedOption() {
    QTextOption option;
    option.setUseDesignMetrics(true);
    option.setWrapMode(QTextOption::NoWrap);
    return option;
}

QFont sizedFont(QFont font, int points) {
    font.setPixelSize(qMax(1, points) * kTextUnitsPerPoint);
    return font;
}

QPageLayout::Orientation toPageLayout(PageOrientation orientation) {
    return orientation == PageOrientation::Landscape ? QPageLayout::Landscape
                                                     : QPageLayout::Portrait;
}

} // namespace

PainterSurface::PainterSurface(QPaintDevice &device, int sheetCount)
    : m_device(device), m_pagedDevice(dynamic_cast<QPagedPaintDevice *>(&device)),
      m_sheetCount(qMax(1, sheetCount)),
      m_linePen(Qt::black, 1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin), m_textPen(textBlack()),
      m_textOption(unwrappedOption()) {}

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
        startPage();
    } else if (m_newPagePending) {
        if (!m_pagedDevice || !m_pagedDevice->newPage()) {
            fail(u"出力先で新しいページを始められませんでした。"_s);
            return false;
        }
        m_scaleX = m_device.logicalDpiX() / kTwipsPerInch;
        m_scaleY = m_device.logicalDpiY() / kTwipsPerInch;
        startPage();
    }
    m_newPagePending = false;
    return true;
}

void PainterSurface::startPage() {
    // One uniform scale for the whole sheet: positions, text sizes and line widths alike.
    const SheetPlacement &p = m_placement;
    m_sheetTransform =
        QTransform(p.scale, 0, 0, p.scale, p.offsetX * m_scaleX, p.offsetY * m_scaleY);
    m_painter.setWorldTransform(m_sheetTransform);
    m_textTransformSet = false;
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
    m_metricsBySize.clear();
    m_layoutsBySize.clear();
    m_widthsBySize.clear();
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

const QFontMetricsF &PainterSurface::metrics() {
    auto found = m_metricsBySize.find(m_fontSize);
    if (found == m_metricsBySize.end())
        found = m_metricsBySize.emplace(m_fontSize, sizedFont(m_font, m_fontSize), &m_device);
    return *found;
}

const QTextLayout &PainterSurface::laidOut(const QString &run) {
    QHash<QString, std::shared_ptr<QTextLayout>> &layouts = m_layoutsBySize[m_fontSize];
    auto found = layouts.constFind(run);
    if (found == layouts.cend()) {
        // One line, laid out as drawing a text into an unbounded box lays it out.
        auto layout = std::make_shared<QTextLayout>(run, sizedFont(m_font, m_fontSize), &m_device);
        layout->setTextOption(m_textOption);
        layout->setCacheEnabled(true);
        layout->beginLayout();
        QTextLine line = layout->createLine();
        line.setLineWidth(kUnbounded);
        line.setPosition(QPointF(0, 0));
        layout->endLayout();
        found = layouts.insert(run, std::move(layout));
    }
    return **found;
}

int PainterSurface::textWidth(const QString &text) {
    if (!m_fontUsable)
        return fncFixedPitchTextWidth(text, m_fontSize);
    QHash<QString, int> &widths = m_widthsBySize[m_fontSize];
    auto found = widths.constFind(text);
    if (found == widths.cend())
        found = widths.insert(
            text, qRound(metrics().horizontalAdvance(text, m_textOption) * kTwipsPerTextUnit));
    return *found;
}

void PainterSurface::applyFont() {
    m_painter.setFont(sizedFont(m_font, m_fontSize));
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
    if (m_painter.pen() != m_textPen)
        m_painter.setPen(m_textPen);
    // Laid out in text units from its top-left corner, its first baseline one ascent lower. All
    // texts share one transform, set when a text follows a line: every change of it makes the
    // PDF writer write out the graphics state again.
    const qreal unitsX = m_device.logicalDpiX() / kTextUnitsPerInch;
    const qreal unitsY = m_device.logicalDpiY() / kTextUnitsPerInch;
    if (!m_textTransformSet) {
        m_painter.setWorldTransform(QTransform::fromScale(unitsX, unitsY) * m_sheetTransform);
        m_textTransformSet = true;
    }
    const QPointF origin(m_x * kTextUnitsPerTwip, m_y * kTextUnitsPerTwip);
    const auto drawRun = [&](qreal dx, const QString &run) {
        laidOut(run).draw(&m_painter, origin + QPointF(dx, 0));
    };
    if (!text.contains(u' ')) {
        drawRun(0, text);
    } else {
        // Each run between spaces stands where the text before it ends; no space glyph
        // reaches the page.
        qsizetype start = 0;
        while (start < text.size()) {
            if (text[start] == u' ') {
                ++start;
                continue;
            }
            qsizetype end = text.indexOf(u' ', start);
            if (end < 0)
                end = text.size();
            const qreal dx =
                start == 0 ? 0 : metrics().horizontalAdvance(text.first(start), m_textOption);
            drawRun(dx, text.sliced(start, end - start));
            start = end;
        }
    }
}

void PainterSurface::setLineWidth(int dots) {
    m_linePen.setWidth(qMax(1, dots));
}

void PainterSurface::drawLine(int x1, int y1, int x2, int y2) {
    if (!beginDrawing())
        return;
    if (m_textTransformSet) {
        m_painter.setWorldTransform(m_sheetTransform);
        m_textTransformSet = false;
    }
    if (m_painter.pen() != m_linePen)
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
