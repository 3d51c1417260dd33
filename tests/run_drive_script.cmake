# Runs one driver script and compares what it prints with the expected lines.
#   cmake -DDRIVE=<tarvex-drive> -DSCRIPT=<x.txt> -DEXPECTED=<x.expected> [-DMODE=--qt] -P run_drive_script.cmake
# A driver built for another system runs through -DEMULATOR=<program> (Wine for a Windows build).
# What it prints is compared byte for byte, so a line ending in CR LF is a difference.
# The expected file may start with a line "# exit N" when the run must end with status N.
file(READ "${EXPECTED}" expected)
set(want_exit 0)
if(expected MATCHES "^# exit ([0-9]+)\n")
  set(want_exit "${CMAKE_MATCH_1}")
  string(REGEX REPLACE "^# exit [0-9]+\n" "" expected "${expected}")
endif()
# Through files, and read back as bytes: CMake drops the CR of a CR LF in text it captures or reads.
get_filename_component(name "${SCRIPT}" NAME)
get_filename_component(run "${SCRIPT}" NAME_WE)
set(run "${CMAKE_CURRENT_BINARY_DIR}/${run}${MODE}")
execute_process(
  COMMAND ${EMULATOR} "${DRIVE}" ${MODE}
  INPUT_FILE "${SCRIPT}"
  OUTPUT_FILE "${run}.stdout"
  ERROR_FILE "${run}.stderr"
  RESULT_VARIABLE status)
file(READ "${run}.stdout" actual_bytes HEX)
file(READ "${run}.stderr" error_bytes HEX)
file(READ "${run}.stderr" errors)
set(shown_files "${run}.stdout")
set(shown_bytes "${actual_bytes}")
if(NOT want_exit EQUAL 0)
  list(APPEND shown_files "${run}.stderr")
  string(APPEND shown_bytes "${error_bytes}")
endif()
string(HEX "${expected}" expected_bytes)
if(NOT status EQUAL want_exit OR NOT shown_bytes STREQUAL expected_bytes)
  set(actual_file "${CMAKE_CURRENT_BINARY_DIR}/${name}${MODE}.actual")
  execute_process(COMMAND cat ${shown_files} OUTPUT_FILE "${actual_file}")
  execute_process(COMMAND diff -u "${EXPECTED}" "${actual_file}")
  if(shown_bytes MATCHES "^(..)*0d")
    set(errors "(the output holds carriage returns) ${errors}")
  endif()
  file(REMOVE "${run}.stdout" "${run}.stderr")
  message(FATAL_ERROR "${name}: exit ${status} (want ${want_exit}); output above as a diff, expected first. stderr: ${errors}")
endif()
file(REMOVE "${run}.stdout" "${run}.stderr")
