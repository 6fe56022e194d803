# Regenerates the example file and compares it byte for byte with the committed one. EMULATOR
# runs a cross-built generator (wine for the Windows build); empty for a native one.
execute_process(COMMAND ${EMULATOR} ${GENERATOR} ${OUT} RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "the generator failed (${rc})")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${OUT} ${EXPECTED} RESULT_VARIABLE diff)
if(NOT diff EQUAL 0)
  message(FATAL_ERROR "${EXPECTED} differs from what the generator writes; run "
                      "scripts/make-example.sh and commit the result")
endif()
