list(APPEND mirune_ui_sources
  main/frm_disp_time_table.cpp
  main/frm_disp_time_table.h
  main/frm_main.cpp
  main/frm_main.h
  main/frm_main_file.cpp
  main/help_window.cpp
  main/help_window.h
  main/hours_chart.cpp
  main/hours_chart.h
  main/month_calendar.cpp
  main/month_calendar.h
  main/subject_palette.cpp
  main/subject_palette.h
  main/week_grid.cpp
  main/week_grid.h
)
