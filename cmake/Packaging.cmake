# Debian package: `cpack -G DEB` (or plain `cpack`) in the build folder makes
# quorvel_<version>_<arch>.deb from the install rules.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quorvel)
set(CPACK_PACKAGE_VENDOR "Dravenholt Systems")
set(CPACK_PACKAGE_CONTACT "Dravenholt Systems <quorvel@example.org>")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "design of pumped emergency drinking-water supplies")
set(CPACK_PACKAGE_DESCRIPTION
  "Quorvel sizes an emergency drinking-water supply in which a pump lifts water from a\n"
  "source through one pipeline to a storage tank serving a population at tapstands:\n"
  "design flow, pipe size, Hazen-Williams friction loss, pumping head, storage, tank\n"
  "count, actual pumping time and tapstand kits, with editable pump, tank and pipe\n"
  "catalogs.")
string(JOIN "" CPACK_PACKAGE_DESCRIPTION ${CPACK_PACKAGE_DESCRIPTION})
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://www.example.org/quorvel")
# The Qt libraries (Core, Gui, Widgets, PrintSupport, Svg) and the C++ runtime come from
# dpkg-shlibdeps; the rest is loaded at run time and so is listed by hand: the picture
# format plugins (TIFF curve pictures) and the fonts that stand in for Tahoma and Times
# New Roman.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-image-formats-plugins, fonts-liberation2, fonts-dejavu-core")
# Opening the help file goes through the desktop's viewer for .chm files.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "xchm | kchmviewer | okular-extra-backends, cups")

include(CPack)
