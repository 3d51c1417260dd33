# The resources that every Windows program of Tarvex carries: the icon (resources/icons/tarvex.ico,
# made by scripts/make-images), the version and the manifest (common controls 6, per-monitor DPI).
#   tarvex_add_windows_resources(<target> DESCRIPTION <text>)
# Adding them to a target twice adds them once.
set(TARVEX_WINDOWS_RESOURCE_DIR ${CMAKE_CURRENT_LIST_DIR}/../packaging/windows)

function(tarvex_add_windows_resources target)
  cmake_parse_arguments(PARSE_ARGV 1 arg "" "DESCRIPTION" "")
  get_target_property(already ${target} TARVEX_WINDOWS_RESOURCES)
  if(already)
    return()
  endif()
  set_target_properties(${target} PROPERTIES TARVEX_WINDOWS_RESOURCES ON)

  get_target_property(TARVEX_RC_NAME ${target} OUTPUT_NAME)
  if(NOT TARVEX_RC_NAME)
    set(TARVEX_RC_NAME ${target})
  endif()
  set(TARVEX_RC_FILE_NAME ${TARVEX_RC_NAME}.exe)
  set(TARVEX_RC_DESCRIPTION "${arg_DESCRIPTION}")
  if(NOT TARVEX_RC_DESCRIPTION)
    set(TARVEX_RC_DESCRIPTION Tarvex)
  endif()
  set(TARVEX_RC_ICON ${PROJECT_SOURCE_DIR}/resources/icons/tarvex.ico)

  set(out ${PROJECT_BINARY_DIR}/windows_resources/${target})
  set(TARVEX_RC_MANIFEST ${out}/${TARVEX_RC_FILE_NAME}.manifest)
  configure_file(${TARVEX_WINDOWS_RESOURCE_DIR}/tarvex.manifest.in ${TARVEX_RC_MANIFEST} @ONLY)
  configure_file(${TARVEX_WINDOWS_RESOURCE_DIR}/tarvex.rc.in ${out}/${target}.rc @ONLY)
  target_sources(${target} PRIVATE ${out}/${target}.rc)
  # The .rc names the icon and the manifest by path, which CMake's scan does not see.
  set_source_files_properties(${out}/${target}.rc PROPERTIES
    OBJECT_DEPENDS "${TARVEX_RC_ICON};${TARVEX_RC_MANIFEST}")
endfunction()
