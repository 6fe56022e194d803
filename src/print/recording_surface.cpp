#include "recording_surface.h"

#include "sheet_fonts.h"

#include <algorithm>

namespace mirune {

void RecordingSurface::setOrientation(PageOrientation orientation) {
    m_operations.append(Operation::Orientation);
    m_orientations.append(orientation);
}

void RecordingSurface::setFontName(const QString &name) {
    m_operations.append(Operation::FontName);
    m_fontNames.append(name);
    m_fontName = name;
}

void RecordingSurface::setFontSize(int points) {
    m_operations.append(Operation::FontSize);
    m_fontSize = points;
}

void RecordingSurface::setPosition(int x, int y) {
    m_operations.append(Operation::Position);
    m_x = x;
    m_y = y;
}

void RecordingSurface::printText(const QString &text) {
    m_operations.append(Operation::Text);
    m_texts.append(RecordedText{m_x, m_y, text, m_fontName, m_fontSize, m_colour});
}

int RecordingSurface::textWidth(const QString &text) {
    return fncFixedPitchTextWidth(text, m_fontSize);
}

void RecordingSurface::setLineWidth(int dots) {
    m_operations.append(Operation::LineWidth);
    m_lineWidth = dots;
}

void RecordingSurface::drawLine(int x1, int y1, int x2, int y2) {
    m_operations.append(Operation::Line);
    m_lines.append(RecordedLine{x1, y1, x2, y2, m_lineWidth});
}

void RecordingSurface::setTextColour(const QColor &colour) {
    m_operations.append(Operation::TextColour);
    m_colour = colour;
}

void RecordingSurface::endDocument() {
    m_operations.append(Operation::EndDocument);
    ++m_endCount;
}

void RecordingSurface::clear() {
    *this = RecordingSurface();
}

SheetExtent RecordingSurface::extent() const {
    constexpr int twipsPerPoint = 20;
    SheetExtent box;
    for (const RecordedText &t : m_texts)
        box.include(t.x, t.y, t.x + fncFixedPitchTextWidth(t.text, t.fontSize),
                    t.y + t.fontSize * twipsPerPoint);
    for (const RecordedLine &l : m_lines)
        box.include(std::min(l.x1, l.x2), std::min(l.y1, l.y2), std::max(l.x1, l.x2),
                    std::max(l.y1, l.y2));
    return box;
}

QList<RecordedText> RecordingSurface::textsAt(int x, int y) const {
    QList<RecordedText> found;
    for (const RecordedText &t : m_texts)
        if (t.x == x && t.y == y)
            found.append(t);
    return found;
}

std::optional<RecordedText> RecordingSurface::textAt(int x, int y) const {
    const QList<RecordedText> found = textsAt(x, y);
    if (found.size() != 1)
        return std::nullopt;
    return found.first();
}

QList<RecordedText> RecordingSurface::textsEqualTo(const QString &text) const {
    QList<RecordedText> found;
    for (const RecordedText &t : m_texts)
        if (t.text == text)
            found.append(t);
    return found;
}

QList<RecordedText> RecordingSurface::textsIn(int left, int top, int right, int bottom) const {
    QList<RecordedText> found;
    for (const RecordedText &t : m_texts)
        if (t.x >= left && t.x <= right && t.y >= top && t.y <= bottom)
            found.append(t);
    return found;
}

QList<RecordedLine> RecordingSurface::linesBetween(int x1, int y1, int x2, int y2) const {
    QList<RecordedLine> found;
    for (const RecordedLine &l : m_lines) {
        const bool forward = l.x1 == x1 && l.y1 == y1 && l.x2 == x2 && l.y2 == y2;
        const bool backward = l.x1 == x2 && l.y1 == y2 && l.x2 == x1 && l.y2 == y1;
        if (forward || backward)
            found.append(l);
    }
    return found;
}

} // namespace mirune
