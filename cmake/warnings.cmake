# Warnings on for the project's own targets; MIRUNE_WERROR (CI) turns them into errors.
add_library(mirune_warnings INTERFACE)
target_compile_options(mirune_warnings INTERFACE
  -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wno-sign-conversion
  -Wnon-virtual-dtor -Wold-style-cast -Woverloaded-virtual)
if(MIRUNE_WERROR)
  target_compile_options(mirune_warnings INTERFACE -Werror)
endif()
