#pragma once

#include "page_surface.h"
#include "sheet_placement.h"

#include <QList>
#include <optional>

namespace mirune {

// A text as it was drawn, with the state in force at the time.
struct RecordedText {
    int x = 0;
    int y = 0;
    QString text;
    QString fontName;
    int fontSize = 0;
    QColor colour;
};

// A line as it was drawn.
struct RecordedLine {
    int x1 = 0;
    int y1 = 0;
    int x2 = 0;
    int y2 = 0;
    int width = 0;
};

// A surface that draws nothing and remembers everything, so that a test can ask what a sheet
// printed where, in which font and colour, and which lines it drew.
class RecordingSurface final : public PageSurface {
  public:
    enum class Operation {
        Orientation,
        FontName,
        FontSize,
        Position,
        Text,
        LineWidth,
        Line,
        TextColour,
        EndDocument,
    };

    void setOrientation(PageOrientation orientation) override;
    void setFontName(const QString &name) override;
    void setFontSize(int points) override;
    void setPosition(int x, int y) override;
    void printText(const QString &text) override;
    // The sheet fonts' fixed-pitch width (fncFixedPitchTextWidth) in the current size.
    int textWidth(const QString &text) override;
    void setLineWidth(int dots) override;
    void drawLine(int x1, int y1, int x2, int y2) override;
    void setTextColour(const QColor &colour) override;
    void endDocument() override;

    void clear();

    const QList<RecordedText> &texts() const { return m_texts; }
    const QList<RecordedLine> &lines() const { return m_lines; }
    // Every operation in the order the sheet called them.
    const QList<Operation> &operations() const { return m_operations; }
    const QList<PageOrientation> &orientations() const { return m_orientations; }
    const QList<QString> &fontNames() const { return m_fontNames; }
    int endCount() const { return m_endCount; }
    // The line width in force now (after a sheet: the width it ended with).
    int lineWidth() const { return m_lineWidth; }
    // The box of everything drawn: each line from end to end, each text from its top-left
    // corner one em high and as wide as textWidth measured it.
    SheetExtent extent() const;

    // All texts drawn at exactly this position, in drawing order.
    QList<RecordedText> textsAt(int x, int y) const;
    // The one text drawn at this position; none when there is none or more than one.
    std::optional<RecordedText> textAt(int x, int y) const;
    // All texts drawn with this content.
    QList<RecordedText> textsEqualTo(const QString &text) const;
    // The texts drawn inside a rectangle of positions (both ends included).
    QList<RecordedText> textsIn(int left, int top, int right, int bottom) const;
    // The lines between these two points, in either direction.
    QList<RecordedLine> linesBetween(int x1, int y1, int x2, int y2) const;

  private:
    QList<RecordedText> m_texts;
    QList<RecordedLine> m_lines;
    QList<Operation> m_operations;
    QList<PageOrientation> m_orientations;
    QList<QString> m_fontNames;
    QString m_fontName;
    int m_fontSize = 0;
    int m_x = 0;
    int m_y = 0;
    int m_lineWidth = 1;
    QColor m_colour = textBlack();
    int m_endCount = 0;
};

} // namespace mirune
