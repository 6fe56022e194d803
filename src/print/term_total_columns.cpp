#include "term_total_columns.h"

#include "fitted_text.h"
#include "sheet_frame.h"

namespace mirune {

using namespace Qt::StringLiterals;
using namespace term_total_frame;

void printTermTotalHeader(PageSurface &s, const FigureTable &figures, const QString &title,
                          const QString &dateLine, const QString &teacher) {
    s.setLineWidth(4);
    hline(s, kLeft, kRight, kTop);
    printWithinRight(s, 1140, 380, title, 16, kRight);
    if (!dateLine.isEmpty())
        printWithinRight(s, 1140, 703, dateLine, 12, 10600);
    printWithinRight(s, 10830, 703, u"担任　 "_s + teacher, 12, kRight);
    s.printAt(4206, 1064, u"集　　　　　　計　　　　　　表"_s);

    figures.printHeading(s);

    s.setLineWidth(2);
    vline(s, kFiguresLeft, kTop, kHeaderBottom);
    hline(s, kLeft, kFiguresLeft, 2660);
    s.printAt(kLabelX, 2698, u"月"_s);
    vline(s, kMonthColumnRight, 2660, kHeaderBottom);
    s.printAt(kDaysX, 2698, u"日"_s);
    s.printAt(kDaysX, 3021, u"数"_s);
    vline(s, kFiguresLeft, 2660, kHeaderBottom);
    hline(s, kLeft, kRight, kHeaderBottom);
}

int printTermTotalFrameBottom(PageSurface &s, int blockBottom) {
    s.setLineWidth(1);
    hline(s, kLeft, kRight, blockBottom);
    hline(s, kLeft, kRight, blockBottom + kDoubleLineGap);
    const int frameBottom = blockBottom + kDoubleLineGap;
    s.setLineWidth(4);
    hline(s, kLeft, kRight, frameBottom);
    vline(s, kLeft, kTop, frameBottom);
    vline(s, kRight, kTop, frameBottom);
    return frameBottom;
}

} // namespace mirune
