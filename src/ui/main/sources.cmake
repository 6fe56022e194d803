list(APPEND mirune_ui_sources
  main/frm_disp_time_table.cpp
  main/frm_disp_time_table.h
  main/frm_main.cpp
  main/frm_main.h
)
