#pragma once

#include "model/hours_pace.h"

#include <QWidget>

class QLabel;
class QTableWidget;

namespace mirune::ui {

// The hours summary's month view: one row per subject and activity as in the term view, one
// column per month of the school year with its school days in the heading, then the year's
// actual hours and plan, the plan due by today and the difference from it. A row that is behind
// has its name on a red ground and "遅れ" in its last column; a line above the table says which
// rows those are, so that a screen reader hears it first.
class MonthHoursView : public QWidget {
    Q_OBJECT
  public:
    explicit MonthHoursView(QWidget *parent = nullptr);

    // Writes the months and the pace; rows the pace does not show are hidden.
    void setPace(const MonthlyPace &pace);

    // As wide as every column needs: the window opens wide enough to show them all when the
    // screen has room.
    QSize sizeHint() const override;

    // The grid's columns after the row names: the twelve months, then these.
    enum Column {
        FirstMonth = 1,
        YearActual = FirstMonth + kSchoolYearMonths,
        YearPlan,
        Due,
        Difference,
        Pace,
        ColumnCount
    };

  private:
    void buildGrid();

    QLabel *m_labMonthPace = nullptr;
    QTableWidget *m_gridMonthTable = nullptr;
    int m_preferredWidth = 0;
};

} // namespace mirune::ui
