# Debian package: `cpack -G DEB` (or plain `cpack`) in the build folder makes
# quorvel_<version>-<release>_<arch>.deb from the install rules. Build with a release
# build type, so that the binaries carry Debian's hardening (cmake/Hardening.cmake).
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quorvel)
set(CPACK_PACKAGE_VENDOR "Dravenholt Systems")
set(CPACK_PACKAGE_CONTACT "Dravenholt Systems <quorvel@example.org>")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "design of pumped emergency drinking-water supplies")
# Lines of the extended description stay within 80 columns.
set(CPACK_PACKAGE_DESCRIPTION
  "Quorvel sizes an emergency drinking-water supply in which a pump lifts\n"
  "water from a source through one pipeline to a storage tank serving a\n"
  "population at tapstands: design flow, pipe size, Hazen-Williams friction\n"
  "loss, pumping head, storage, tank count, actual pumping time and tapstand\n"
  "kits, with editable pump, tank and pipe catalogs.")
string(JOIN "" CPACK_PACKAGE_DESCRIPTION ${CPACK_PACKAGE_DESCRIPTION})

# The executables are stripped as Debian strips them, after CPack staged the install.
set(CPACK_STRIP_FILES OFF)
set(CPACK_QUORVEL_STRIP ${CMAKE_STRIP})
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/PackageStrip.cmake)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://www.example.org/quorvel")
# The Qt libraries (Core, Gui, Widgets, PrintSupport, Svg) and the C++ runtime come from
# dpkg-shlibdeps; the rest is loaded at run time and so is listed by hand: the picture
# format plugins (TIFF curve pictures), the Tahoma the windows are laid out for
# (fonts-wine) and the fonts that stand in for Times New Roman and for any other face.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
  "qt6-image-formats-plugins, fonts-wine, fonts-liberation2, fonts-dejavu-core")
# Help opens the help file through xdg-open in the desktop's viewer for .chm files;
# xchm registers itself for them (kchmviewer too). Qt's own texts (message-box buttons,
# the file dialog) in French, Spanish, Portuguese and Arabic come from Qt's translations.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils, xchm | kchmviewer, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "cups")

# The copyright file and the changelog, where Debian keeps them for every package, and
# lintian's overrides.
set(doc_dir ${CMAKE_INSTALL_DATADIR}/doc/${CPACK_PACKAGE_NAME})
install(FILES ${PROJECT_SOURCE_DIR}/data/debian/copyright DESTINATION ${doc_dir})
install(FILES ${PROJECT_SOURCE_DIR}/data/debian/lintian-overrides
        DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides RENAME ${CPACK_PACKAGE_NAME})
find_program(GZIP gzip)
if(GZIP)
  set(changelog ${PROJECT_BINARY_DIR}/debian/changelog.Debian)
  add_custom_command(OUTPUT ${changelog}.gz
    COMMAND ${CMAKE_COMMAND} -E make_directory ${PROJECT_BINARY_DIR}/debian
    COMMAND ${CMAKE_COMMAND} -E copy ${PROJECT_SOURCE_DIR}/data/debian/changelog ${changelog}
    COMMAND ${GZIP} -9nf ${changelog}
    DEPENDS ${PROJECT_SOURCE_DIR}/data/debian/changelog
    VERBATIM)
  add_custom_target(quorvel_changelog ALL DEPENDS ${changelog}.gz)
  install(FILES ${changelog}.gz DESTINATION ${doc_dir})
endif()

include(CPack)
