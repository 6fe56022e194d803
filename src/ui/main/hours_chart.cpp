#include "hours_chart.h"

#include "model/units.h"

#include <QPainter>
#include <QPainterPath>

namespace mirune::ui {

using namespace Qt::StringLiterals;

namespace {

const QString kChartName = u"時数のグラフ"_s;
const QString kLegendPlan = u"計画"_s;
const QString kLegendActual = u"実績"_s;
const QString kLegendToday = u"今日までの計画"_s;
const QString kTermLabel = u"%1学期"_s;
const QString kYearLabel = u"年間"_s;
// "国語：1学期 計画 40.0、実績 38.1（95.3%）；年間 計画 …、実績 …（…）、今日までの計画 60.2"
const QString kRowWords =
    u"%1：%2 計画 %3、実績 %4（実施率 %5）；年間 計画 %6、実績 %7（実施率 %8）、"
    "今日までの計画 %9"_s;

// Plan as a pale bar, actual as a deeper one over it, the mark in orange.
const QColor kPlanFill(205, 225, 245);
const QColor kPlanEdge(120, 150, 190);
const QColor kActualFill(40, 90, 170);
const QColor kOverFill(0, 0, 255);
const QColor kMark(230, 110, 0);

constexpr int kNameWidthChars = 6;

} // namespace

HoursChart::HoursChart(QWidget *parent) : QWidget(parent) {
    setObjectName(u"chartTimeTable"_s);
    setAccessibleName(kChartName);
    setFocusPolicy(Qt::TabFocus); // a screen reader reaches it with the keyboard
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

QSize HoursChart::sizeHint() const {
    const int line = fontMetrics().height();
    // Room for the names and the whole legend: three swatches, three words and the gaps.
    const int legend = fontMetrics().horizontalAdvance(u'国') * kNameWidthChars + line * 7 +
                       fontMetrics().horizontalAdvance(kLegendPlan + kLegendActual + kLegendToday);
    return {std::max(line * 20, legend), line * (2 + int(m_rows.size()) * 2)};
}

QSize HoursChart::minimumSizeHint() const {
    const int line = fontMetrics().height();
    return {line * 6, line * (2 + int(m_rows.size()))};
}

void HoursChart::alignRows(int headingHeight, int frame) {
    m_headingHeight = headingHeight;
    m_frame = frame;
    update();
}

void HoursChart::setFigures(const HoursSummary &summary, const QList<HourField> &shownFields,
                            double shareOfYearPast) {
    m_term = summary.term;
    m_rows.clear();
    for (const HoursSummaryRow &row : summary.rows)
        if (shownFields.contains(row.field))
            m_rows += row;
    m_share = std::clamp(shareOfYearPast, 0.0, 1.0);
    setAccessibleDescription(description());
    update();
}

QString HoursChart::description() const {
    QStringList lines;
    for (const HoursSummaryRow &row : m_rows) {
        const int todayPlan = int(row.yearPlan * m_share + 0.5);
        lines += kRowWords.arg(subjectInfo(row.field).summaryName.toString(),
                               kTermLabel.arg(m_term), fncUnitsToText(row.termPlan),
                               fncUnitsToText(row.termActual), fncRateText(row.termRate),
                               fncUnitsToText(row.yearPlan), fncUnitsToText(row.yearActual),
                               fncRateText(row.yearRate), fncUnitsToText(todayPlan));
    }
    return lines.join(u'\n');
}

void HoursChart::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(rect(), palette().base());

    const QFontMetricsF metrics(font());
    const qreal line = metrics.height();
    // Rows level with the table's: the legend stands in the height of its heading row, and the
    // rows share the rest as the table's stretched rows do.
    const qreal headingHeight = m_headingHeight > 0 ? m_headingHeight : line * 1.25;
    const QRectF area = QRectF(rect()).adjusted(line / 2, m_frame, -line / 2, -m_frame);
    // The row names, unless the chart is too narrow to give its bars room beside them: its rows
    // stand level with the table's, whose names are then read across.
    qreal nameWidth = metrics.horizontalAdvance(u'国') * kNameWidthChars;
    if (m_headingHeight > 0 && area.width() < nameWidth + line * 8)
        nameWidth = 0;

    // The legend in the heading band.
    qreal x = area.left() + nameWidth;
    const qreal legendTop = area.top() + (headingHeight - line) / 2;
    const auto legend = [&](const QColor &fill, const QString &text) {
        painter.fillRect(QRectF(x, legendTop + line * 0.25, line * 0.8, line * 0.5), fill);
        x += line;
        painter.setPen(palette().color(QPalette::Text));
        painter.drawText(QPointF(x, legendTop + metrics.ascent()), text);
        x += metrics.horizontalAdvance(text) + line;
    };
    legend(kPlanFill, kLegendPlan);
    legend(kActualFill, kLegendActual);
    legend(kMark, kLegendToday);

    const int rowCount = int(m_rows.size());
    if (rowCount == 0)
        return;
    const qreal top = area.top() + headingHeight;
    const qreal band = (area.bottom() - top) / rowCount;
    const qreal barLeft = area.left() + nameWidth;
    const qreal barWidth = std::max<qreal>(area.right() - barLeft, 1.0);

    for (int r = 0; r < rowCount; ++r) {
        const HoursSummaryRow &row = m_rows[r];
        const QRectF bandRect(area.left(), top + r * band, area.width(), band);
        if (r % 2 == 1)
            painter.fillRect(bandRect, palette().alternateBase());
        painter.setPen(palette().color(QPalette::Text));
        if (nameWidth > 0)
            painter.drawText(QRectF(bandRect.left(), bandRect.top(), nameWidth, band),
                             Qt::AlignVCenter | Qt::AlignLeft,
                             subjectInfo(row.field).summaryName.toString());

        const int largest =
            std::max({row.termPlan, row.termActual, row.yearPlan, row.yearActual, 1});
        const auto widthOf = [&](int units) { return barWidth * std::max(units, 0) / largest; };
        const qreal barHeight = band * 0.32;
        const auto bar = [&](qreal y, int plan, int actual) {
            const QRectF planRect(barLeft, y, widthOf(plan), barHeight);
            painter.setPen(QPen(kPlanEdge, 0.8));
            painter.setBrush(kPlanFill);
            painter.drawRect(planRect);
            // The actual hours as a narrower bar inside the plan's, deeper where past it.
            painter.setPen(Qt::NoPen);
            painter.setBrush(actual > plan ? kOverFill : kActualFill);
            painter.drawRect(
                QRectF(barLeft, y + barHeight * 0.25, widthOf(actual), barHeight * 0.5));
        };
        const qreal termY = bandRect.top() + band * 0.14;
        const qreal yearY = bandRect.top() + band * 0.54;
        bar(termY, row.termPlan, row.termActual);
        bar(yearY, row.yearPlan, row.yearActual);

        // Where the year's plan should stand today.
        const qreal markX = barLeft + widthOf(row.yearPlan) * m_share;
        painter.setPen(QPen(kMark, std::max<qreal>(1.5, line / 8)));
        painter.drawLine(QPointF(markX, yearY - barHeight * 0.2),
                         QPointF(markX, yearY + barHeight * 1.2));
    }
}

} // namespace mirune::ui
