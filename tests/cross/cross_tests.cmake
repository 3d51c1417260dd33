# The tests of a Windows build run under Wine (the toolchain's CMAKE_CROSSCOMPILING_EMULATOR), all
# in one Wine prefix of the build folder that the fixture `wine_session` starts once and ends last.

# Debian ships GoogleTest for MinGW only as sources: they are built here with the cross compiler.
set(TARVEX_GTEST_SOURCE_DIR /usr/src/googletest CACHE PATH "GoogleTest's sources, built for the target")
if(NOT EXISTS ${TARVEX_GTEST_SOURCE_DIR}/CMakeLists.txt)
  message(FATAL_ERROR "GoogleTest's sources are missing from ${TARVEX_GTEST_SOURCE_DIR} (Debian's googletest)")
endif()
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(${TARVEX_GTEST_SOURCE_DIR} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
# (GoogleTest names its targets GTest::gtest and GTest::gtest_main itself.)

set(TARVEX_WINEPREFIX ${CMAKE_BINARY_DIR}/wineprefix CACHE PATH "The Wine prefix the tests run in")
# Every Windows program of the tests runs through tarvex-wine-run, which holds Wine to that prefix
# (the GoogleTest suites are even listed through it, when no test property applies yet).
set(TARVEX_WINE ${CMAKE_CROSSCOMPILING_EMULATOR})
set(TARVEX_WINE_RUN ${CMAKE_BINARY_DIR}/tarvex-wine-run)
configure_file(${CMAKE_CURRENT_LIST_DIR}/wine_run.sh.in ${TARVEX_WINE_RUN} @ONLY
  FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CMAKE_CROSSCOMPILING_EMULATOR ${TARVEX_WINE_RUN})
set_property(TARGET tarvex-drive PROPERTY CROSSCOMPILING_EMULATOR ${TARVEX_WINE_RUN})
set(TARVEX_WINE_ENVIRONMENT WINEPREFIX=${TARVEX_WINEPREFIX} WINEDEBUG=-all)
set(wine_session ${CMAKE_CURRENT_LIST_DIR}/wine_session.sh)

add_test(NAME wine.start COMMAND sh ${wine_session} start)
add_test(NAME wine.stop COMMAND sh ${wine_session} stop)
# A fresh prefix takes Wine a minute or more to lay out on a busy machine.
set_tests_properties(wine.start PROPERTIES FIXTURES_SETUP wine_session TIMEOUT 600
  ENVIRONMENT "${TARVEX_WINE_ENVIRONMENT}")
set_tests_properties(wine.stop PROPERTIES FIXTURES_CLEANUP wine_session TIMEOUT 60
  ENVIRONMENT "${TARVEX_WINE_ENVIRONMENT}")

# Gives tests that run Windows programs the shared Wine session and a time limit of SECONDS.
function(tarvex_wine_tests seconds)
  set_tests_properties(${ARGN} PROPERTIES FIXTURES_REQUIRED wine_session TIMEOUT ${seconds}
    ENVIRONMENT "${TARVEX_WINE_ENVIRONMENT}")
endfunction()

# The suites are listed when CTest runs, not after each link, so that the build never starts Wine;
# the first listing of a fresh build lays out the prefix.
function(tarvex_add_gtests target)
  gtest_discover_tests(${target} DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 600
    PROPERTIES FIXTURES_REQUIRED wine_session TIMEOUT 60 ENVIRONMENT "${TARVEX_WINE_ENVIRONMENT}")
endfunction()
