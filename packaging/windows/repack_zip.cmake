# Run by CPack after it has built the packages (CPACK_POST_BUILD_SCRIPTS): the zip is packed again
# in an order and with times and owners that do not depend on the machine (repack_zip.py says how).
set(zips ${CPACK_PACKAGE_FILES})
list(FILTER zips INCLUDE REGEX "\\.zip$")
if(zips)
  execute_process(COMMAND python3 ${CMAKE_CURRENT_LIST_DIR}/repack_zip.py ${zips} COMMAND_ERROR_IS_FATAL ANY)
endif()
