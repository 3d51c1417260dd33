# Runs one driver script and compares what it prints with the expected lines.
#   cmake -DDRIVE=<tarvex-drive> -DSCRIPT=<x.txt> -DEXPECTED=<x.expected> [-DMODE=--qt] [-DEMULATOR=wine]
#         -P run_drive_script.cmake
# EMULATOR runs a driver built for another system (tarvex-drive.exe under Wine).
# The expected file may start with a line "# exit N" when the run must end with status N.
file(READ "${EXPECTED}" expected)
set(want_exit 0)
if(expected MATCHES "^# exit ([0-9]+)\n")
  set(want_exit "${CMAKE_MATCH_1}")
  string(REGEX REPLACE "^# exit [0-9]+\n" "" expected "${expected}")
endif()
execute_process(
  COMMAND ${EMULATOR} "${DRIVE}" ${MODE}
  INPUT_FILE "${SCRIPT}"
  OUTPUT_VARIABLE actual
  ERROR_VARIABLE errors
  RESULT_VARIABLE status)
if(want_exit EQUAL 0)
  set(shown "${actual}")
else()
  set(shown "${actual}${errors}")
endif()
if(NOT status EQUAL want_exit OR NOT shown STREQUAL expected)
  get_filename_component(name "${SCRIPT}" NAME)
  file(WRITE "${CMAKE_CURRENT_BINARY_DIR}/${name}.actual" "${shown}")
  execute_process(COMMAND diff -u "${EXPECTED}" "${CMAKE_CURRENT_BINARY_DIR}/${name}.actual")
  message(FATAL_ERROR "${name}: exit ${status} (want ${want_exit}); output above as a diff, expected first. stderr: ${errors}")
endif()
