# The Debian package that scripts/package.sh builds with CPack. Its
# dependencies are read from the shared libraries the programs link, so they
# follow whatever Qt and C++ runtime the build machine has.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vantrel)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Vantrel")
set(CPACK_PACKAGE_CONTACT "Vantrel developers <vantrel@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
  "schematic editor and compiler for a programmable logic controller")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
  "Vantrel draws the program of a programmable logic controller board, its\n"
  "expansion boards and its remote I/O modules as a logic design, sorts it into\n"
  "evaluation order and compiles it into the flash file the controller loads.\n"
  "It also exports JSON, I/O lists and a simulation description.\n"
  "vantrel-cli does the same without a window.")
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/package)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
# The build carries debugging information for the developers; the package does not.
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# No scripts of its own: the file type, the menu entry and the icon reach the
# desktop through the triggers of shared-mime-info (the type database, which
# opening designs needs) and, where a desktop has them, desktop-file-utils (the
# menu's type associations) and hicolor-icon-theme (the icon cache).
set(CPACK_DEBIAN_PACKAGE_DEPENDS "shared-mime-info")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "desktop-file-utils, hicolor-icon-theme, xdg-utils")

include(CPack)
