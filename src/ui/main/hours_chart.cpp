#include "hours_chart.h"

#include "model/units.h"

#include <QPainter>
#include <QPainterPath>

namespace mirune::ui {

using namespace Qt::StringLiterals;

namespace {

const QString kChartName = u"時数のグラフ"_s;
const QString kLegendName = u"グラフの凡例"_s;
const QString kLegendPlan = u"計画"_s;
const QString kLegendActual = u"実績"_s;
const QString kLegendOver = u"計画を超えた実績"_s;
const QString kLegendToday = u"今日までの計画"_s;
const QString kLegendBars = u"上の棒は%1学期、下の棒は年間"_s;
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
    return {line * 20, line * (2 + int(m_rows.size()) * 2)};
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
                            const MonthlyPace &pace) {
    m_term = summary.term;
    m_rows.clear();
    m_due.clear();
    for (const HoursSummaryRow &row : summary.rows) {
        if (shownFields.contains(row.field)) {
            m_rows += row;
            m_due += pace.row(row.field).due;
        }
    }
    setAccessibleDescription(description());
    update();
}

QString HoursChart::description() const {
    QStringList lines;
    for (qsizetype r = 0; r < m_rows.size(); ++r) {
        const HoursSummaryRow &row = m_rows[r];
        const int todayPlan = m_due[r];
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
    // stand level with the table's, whose names are then read across. The heading band stays
    // level with the table's heading row; the legend stands under both.
    qreal nameWidth = metrics.horizontalAdvance(u'国') * kNameWidthChars;
    if (m_headingHeight > 0 && area.width() < nameWidth + line * 8)
        nameWidth = 0;

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
        const qreal markX = barLeft + widthOf(m_due[r]);
        painter.setPen(QPen(kMark, std::max<qreal>(1.5, line / 8)));
        painter.drawLine(QPointF(markX, yearY - barHeight * 0.2),
                         QPointF(markX, yearY + barHeight * 1.2));
    }
}

HoursChartLegend::HoursChartLegend(QWidget *parent) : QWidget(parent) {
    setObjectName(u"chartLegend"_s);
    setAccessibleName(kLegendName);
    QSizePolicy policy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
    setTerm(1);
}

void HoursChartLegend::setTerm(int term) {
    m_term = term;
    setAccessibleDescription(texts().join(u'、'));
    updateGeometry();
    update();
}

QStringList HoursChartLegend::texts() const {
    return {kLegendPlan, kLegendActual, kLegendOver, kLegendToday, kLegendBars.arg(m_term)};
}

int HoursChartLegend::itemWidth(int index) const {
    const int line = fontMetrics().height();
    // The last item is words only; the others have a swatch before their words.
    const int swatch = index < 4 ? line : 0;
    return swatch + fontMetrics().horizontalAdvance(texts()[index]);
}

QList<QList<int>> HoursChartLegend::lines(int width) const {
    const int gap = fontMetrics().height();
    QList<QList<int>> result;
    int x = 0;
    for (int i = 0; i < int(texts().size()); ++i) {
        const int w = itemWidth(i);
        if (result.isEmpty() || (x > 0 && x + gap + w > width)) {
            result.append(QList<int>());
            x = 0;
        }
        x += (x > 0 ? gap : 0) + w;
        result.last().append(i);
    }
    return result;
}

int HoursChartLegend::heightForWidth(int width) const {
    const int margins = contentsMargins().left() + contentsMargins().right();
    return int(lines(width - margins).size()) * fontMetrics().height() * 5 / 4 +
           contentsMargins().top() + contentsMargins().bottom();
}

QSize HoursChartLegend::sizeHint() const {
    int width = 0;
    for (int i = 0; i < int(texts().size()); ++i)
        width += itemWidth(i) + fontMetrics().height();
    return {width, heightForWidth(width)};
}

QSize HoursChartLegend::minimumSizeHint() const {
    // As narrow as its widest item, on as many lines as that takes.
    int width = 0;
    for (int i = 0; i < int(texts().size()); ++i)
        width = std::max(width, itemWidth(i));
    return {width, heightForWidth(width)};
}

void HoursChartLegend::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QFontMetricsF metrics(font());
    const qreal line = metrics.height();
    const QRect area = contentsRect();
    const QStringList words = texts();
    qreal y = area.top() + line / 8;
    for (const QList<int> &items : lines(area.width())) {
        qreal x = area.left();
        for (int i : items) {
            const QRectF swatch(x, y + line * 0.25, line * 0.8, line * 0.5);
            switch (i) {
            case 0:
                painter.setPen(QPen(kPlanEdge, 0.8));
                painter.setBrush(kPlanFill);
                painter.drawRect(swatch);
                break;
            case 1:
            case 2:
                painter.setPen(Qt::NoPen);
                painter.setBrush(i == 1 ? kActualFill : kOverFill);
                painter.drawRect(swatch);
                break;
            case 3:
                painter.setPen(QPen(kMark, std::max<qreal>(1.5, line / 8)));
                painter.drawLine(QPointF(swatch.center().x(), y + line * 0.1),
                                 QPointF(swatch.center().x(), y + line * 0.9));
                break;
            default:
                break;
            }
            if (i < 4)
                x += line;
            painter.setPen(palette().color(QPalette::WindowText));
            painter.drawText(QPointF(x, y + metrics.ascent()), words[i]);
            x += metrics.horizontalAdvance(words[i]) + line;
        }
        y += line * 5 / 4;
    }
}

} // namespace mirune::ui
