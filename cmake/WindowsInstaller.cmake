# The Windows installer: `cpack -G NSIS` in the Windows build folder makes
# Ringlook-<version>-setup.exe with Debian's nsis. It installs Ringlook.exe for
# the current user, without administrator rights, with a Start-menu entry and
# an uninstaller (see cmake/NSIS.template.in, which CPack takes in place of its own).
list(APPEND CMAKE_MODULE_PATH ${CMAKE_CURRENT_LIST_DIR})
set(CPACK_GENERATOR NSIS)
set(CPACK_PACKAGE_NAME Ringlook)
set(CPACK_PACKAGE_VENDOR Ringlook)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_INSTALL_DIRECTORY Ringlook)
set(CPACK_PACKAGE_FILE_NAME Ringlook-${PROJECT_VERSION}-setup)
set(CPACK_NSIS_PACKAGE_NAME Ringlook)
set(CPACK_NSIS_DISPLAY_NAME Ringlook)
include(CPack)
