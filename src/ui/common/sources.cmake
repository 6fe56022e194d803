# What the windows share.
list(APPEND mirune_ui_sources
  common/control_array.h
  common/dialogs.h
  common/hide_on_close.h
  common/month_row.cpp
  common/month_row.h
  common/month_view.cpp
  common/month_view.h
  common/qt_dialogs.cpp
  common/qt_dialogs.h
  common/session_printer.cpp
  common/session_printer.h
  common/state_events.h
  common/subject_button.cpp
  common/subject_button.h
  common/subject_icons.cpp
  common/subject_icons.h
  common/twips.h
  common/ui_context.h
  common/window_placement.cpp
  common/window_placement.h
  common/windows.cpp
  common/windows.h
  common/wrapped_label.cpp
  common/wrapped_label.h
)
