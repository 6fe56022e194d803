#pragma once

#include "model/hours_summary.h"

#include <QWidget>

namespace mirune::ui {

// The picture of the year beside the hours summary table: per row, a bar of the term's plan with
// its actual hours over it, and below it the same for the year, with a mark on the year's bar
// where the plan should stand today. Each row is scaled to its own largest figure, so a small
// subject reads as well as the totals. Drawn with QPainter in device-independent units, so it is
// as sharp at 200 % as at 100 %; its accessible description says the same in words.
class HoursChart : public QWidget {
    Q_OBJECT
  public:
    explicit HoursChart(QWidget *parent = nullptr);

    // The figures to draw, of the rows the table shows, and the share (0..1) of the year's
    // school days already past.
    void setFigures(const HoursSummary &summary, const QList<HourField> &shownFields,
                    double shareOfYearPast);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

  protected:
    void paintEvent(QPaintEvent *event) override;

  private:
    QString description() const;

    int m_term = 1;
    QList<HoursSummaryRow> m_rows;
    double m_share = 0.0;
};

} // namespace mirune::ui
