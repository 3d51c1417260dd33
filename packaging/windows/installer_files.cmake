# Run by CPack once it has put the files to hand out into its staging folder, before it builds the
# installer (CPACK_PRE_BUILD_SCRIPTS). CPack's own installer script takes the folder whole and lists
# the files for the uninstaller in the order the file system lists them, which differs from one
# file system to the next; so the installer takes them, and the uninstaller deletes them, by name in
# sorted order, and an installer built anywhere holds the same bytes.
if(NOT CPACK_GENERATOR STREQUAL "NSIS")
  return()
endif()

file(GLOB_RECURSE staged LIST_DIRECTORIES false RELATIVE "${CPACK_TEMPORARY_DIRECTORY}"
     "${CPACK_TEMPORARY_DIRECTORY}/*")
list(SORT staged)
set(install_files "")
set(delete_files "")
foreach(file IN LISTS staged)
  if(file MATCHES "/")
    message(FATAL_ERROR "installer_files.cmake lists one folder only, and ${file} is in a folder of its own")
  endif()
  list(APPEND install_files "File \"\${INST_DIR}\\${file}\"")
  list(APPEND delete_files "Delete \"\$INSTDIR\\${file}\"")
endforeach()
string(JOIN "\n  " CPACK_NSIS_FULL_INSTALL ${install_files})
string(JOIN "\n  " CPACK_NSIS_DELETE_FILES ${delete_files})
