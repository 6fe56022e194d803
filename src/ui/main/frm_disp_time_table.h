#pragma once

#include "ui/common/ui_context.h"

#include <QWidget>
#include <array>

class QButtonGroup;
class QLabel;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QTableWidget;

namespace mirune::ui {
class HoursChart;
class HoursChartLegend;
class MonthHoursView;
} // namespace mirune::ui

namespace mirune::ui {

// The hours summary window: planned hours, actual hours and their difference per subject and
// activity, for one chosen term and for the whole year; and on a second tab the same rows month
// by month with where each stands against its pace. It only reads the state, apart from
// recomputing the actual totals from the day chain each time it fills the grid.
class frmDispTimeTable : public QWidget {
    Q_OBJECT
  public:
    explicit frmDispTimeTable(UiContext &ui, QWidget *parent = nullptr);

    // The chosen term, 1..3.
    int chosenTerm() const;

    // Recomputes the actual totals and writes the figures of the chosen term and the year.
    void subFillTimeTable();
    // Writes the months and the pace on today into the month view.
    void subFillMonthTable();

    // Turns to the month view and shows the window in front: where the main window sends the
    // teacher to see which subjects are behind. The window itself comes from
    // `windows.open<frmDispTimeTable>()`, which this follows.
    void showMonthView();
    bool isMonthViewShown() const;

    // "Excel に保存": asks for a file name and writes the shown view's table as a workbook: the
    // chosen term's, or the months'.
    void saveWorkbook();

    // What becoming the active window does: the close button takes the focus, the term of the
    // date chosen in the main window is marked and the grid refilled. Safe to run any number of
    // times.
    void activated();

  protected:
    void changeEvent(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;

  private:
    void buildGrid();
    void markTerm(int term);
    void refreshIfShown();
    // Fills the view on the tab in front.
    void fillShownView();

    UiContext &m_ui;
    std::array<QRadioButton *, 3> m_optSeason{};
    QButtonGroup *m_seasonGroup = nullptr;
    QTabWidget *m_tabTimeTable = nullptr;
    QLabel *m_labelTimeTable = nullptr;
    QTableWidget *m_gridTimeTable = nullptr;
    HoursChart *m_chartTimeTable = nullptr;
    HoursChartLegend *m_chartLegend = nullptr;
    MonthHoursView *m_viewMonthTable = nullptr;
    QPushButton *m_cmdSaveExcel = nullptr;
    QPushButton *m_cmdCloseTimeTable = nullptr;
};

} // namespace mirune::ui
