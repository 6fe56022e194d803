list(APPEND mirune_ui_sources
  wizard/dlg_result_sorry.cpp
  wizard/dlg_result_sorry.h
  wizard/frm_wiz0.cpp
  wizard/frm_wiz0.h
  wizard/frm_wiz2.cpp
  wizard/frm_wiz2.h
  wizard/frm_wiz3.cpp
  wizard/frm_wiz3.h
  wizard/frm_wiz4.cpp
  wizard/frm_wiz4.h
  wizard/frm_wiz5.cpp
  wizard/frm_wiz5.h
  wizard/plan_box_keys.cpp
  wizard/plan_box_keys.h
)
