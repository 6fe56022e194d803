list(APPEND mirune_ui_sources
  print/frm_print.cpp
  print/frm_print.h
  print/sheet_output.cpp
  print/sheet_output.h
)
