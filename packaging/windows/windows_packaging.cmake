# Tarvex for Windows: the programs' resources, and the two ways it is handed out, an installer
# (NSIS: a Start menu entry and an uninstaller) and a zip of the program, both by `cpack`.
#   build-windows/tarvex-1.5.4-win64.exe   build-windows/tarvex-1.5.4-win64.zip
# The installer and the zip need only tarvex.exe: it carries its runtime, icon and manifest.
set(windows_dir ${CMAKE_CURRENT_LIST_DIR})

if(TARGET tarvex-drive)
  tarvex_add_windows_resources(tarvex-drive DESCRIPTION "Tarvex scripted sessions")
endif()
if(NOT TARGET tarvex)
  return()  # nothing to hand out without the program
endif()
tarvex_add_windows_resources(tarvex DESCRIPTION "Tarvex")

# One folder: the program and its licence, as a user finds them after installing or unzipping.
install(TARGETS tarvex RUNTIME DESTINATION .)
install(FILES ${windows_dir}/licence.txt DESTINATION .)

set(CPACK_GENERATOR NSIS ZIP)
set(CPACK_PACKAGE_NAME tarvex)
set(CPACK_PACKAGE_VENDOR "The Tarvex developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Series resistor calculator and colour code reader for LEDs")
set(CPACK_SYSTEM_NAME win64)
set(CPACK_PACKAGE_FILE_NAME ${CPACK_PACKAGE_NAME}-${PROJECT_VERSION}-${CPACK_SYSTEM_NAME})
set(CPACK_PACKAGE_INSTALL_DIRECTORY Tarvex)
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY Tarvex)
set(CPACK_RESOURCE_FILE_LICENSE ${windows_dir}/licence.txt)
set(CPACK_STRIP_FILES ON)

# The Start menu: Programs > Tarvex > Tarvex (and Uninstall, which the installer always adds).
set(CPACK_PACKAGE_EXECUTABLES tarvex Tarvex)
set(CPACK_NSIS_EXECUTABLES_DIRECTORY .)
set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
set(CPACK_NSIS_PACKAGE_NAME Tarvex)
set(CPACK_NSIS_DISPLAY_NAME Tarvex)
set(CPACK_NSIS_MUI_ICON ${PROJECT_SOURCE_DIR}/resources/icons/tarvex.ico)
set(CPACK_NSIS_MUI_UNIICON ${PROJECT_SOURCE_DIR}/resources/icons/tarvex.ico)
set(CPACK_NSIS_INSTALLED_ICON_NAME tarvex.exe)
set(CPACK_NSIS_URL_INFO_ABOUT "https://tarvex.example.org/")
set(CPACK_NSIS_CONTACT "tarvex@example.org")
# A 64-bit installer for a 64-bit program: it writes where 64-bit Windows keeps programs and their
# registry entries, and it runs on Windows (and Wine) without the 32-bit subsystem. It keeps no file
# times (the files are dated when they are installed): it would keep those of the files that CPack
# writes for it at each run, and no two builds would give the same installer.
set(CPACK_NSIS_DEFINES "Target amd64-unicode\nSetDateSave off")
set(CPACK_NSIS_MANIFEST_DPI_AWARE ON)
set(CPACK_NSIS_MODIFY_PATH OFF)
# A new version replaces the old one instead of leaving two entries in the installed programs.
set(CPACK_NSIS_ENABLE_UNINSTALL_BEFORE_INSTALL ON)
# The uninstaller removes the key that keeps the Start menu folder, but not the empty vendor key
# above it; without this a key named after us would stay behind in the registry. (Backslashes are
# doubled twice: once for this file, once for CPackConfig.cmake.)
set(vendor_key "Software\\\\${CPACK_PACKAGE_VENDOR}")
set(CPACK_NSIS_EXTRA_UNINSTALL_COMMANDS
    "DeleteRegKey SHCTX \\\"${vendor_key}\\\\${CPACK_PACKAGE_INSTALL_REGISTRY_KEY}\\\"
  DeleteRegKey /ifempty SHCTX \\\"${vendor_key}\\\"")

# The order of the files in the installer and the zip, and the zip's times and owners, as the same
# wherever they are built.
set(CPACK_PRE_BUILD_SCRIPTS ${windows_dir}/installer_files.cmake)
set(CPACK_POST_BUILD_SCRIPTS ${windows_dir}/repack_zip.cmake)

include(CPack)
