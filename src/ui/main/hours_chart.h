#pragma once

#include "model/hours_pace.h"
#include "model/hours_summary.h"

#include <QWidget>

namespace mirune::ui {

// The picture of the year beside the hours summary table: per row, a bar of the term's plan with
// its actual hours over it, and below it the same for the year, with a mark on the year's bar
// where the plan should stand today. Its legend is a widget of its own (HoursChartLegend), so
// that the chart's rows stay level with the table's however narrow it is. Each row is scaled to its
// own largest figure, so a small subject reads as well as the totals. Drawn with QPainter in
// device-independent units, so it is as sharp at 200 % as at 100 %; its accessible description says
// the same in words.
class HoursChart : public QWidget {
    Q_OBJECT
  public:
    explicit HoursChart(QWidget *parent = nullptr);

    // The figures to draw, of the rows the table shows, and where each row's year plan should
    // stand today: the plan due by the pace's day, as the month view shows it.
    void setFigures(const HoursSummary &summary, const QList<HourField> &shownFields,
                    const MonthlyPace &pace);

    // Rows level with a table beside it: the height of its heading row and of its frame.
    void alignRows(int headingHeight, int frame);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

  protected:
    void paintEvent(QPaintEvent *event) override;

  private:
    QString description() const;

    int m_term = 1;
    int m_headingHeight = 0; // 0: a line and a quarter
    int m_frame = 0;
    QList<HoursSummaryRow> m_rows;
    QList<int> m_due; // each row's plan due today, in units
};

// What the chart's colours mean, under the table and the chart: the plan, the actual hours, the
// actual hours past the plan, the mark of today's plan, and which bar is the term's. The items
// flow onto as many lines as the width needs, so that none is ever cut off; a window at 200 %
// gets two lines where it has room for one at 100 %.
class HoursChartLegend : public QWidget {
    Q_OBJECT
  public:
    explicit HoursChartLegend(QWidget *parent = nullptr);

    void setTerm(int term);

    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

    // The items' texts in their order, as drawn.
    QStringList texts() const;
    // The lines the items stand on at a width: each line the indices of its items.
    QList<QList<int>> lines(int width) const;

  protected:
    void paintEvent(QPaintEvent *event) override;

  private:
    int itemWidth(int index) const;

    int m_term = 1;
};

} // namespace mirune::ui
