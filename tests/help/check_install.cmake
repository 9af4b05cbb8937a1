# cmake -DBUILD_DIR=... -DPREFIX=... -DBINDIR=... -DLIBEXECDIR=... -DDATADIR=... -DMANDIR=... -P check_install.cmake
# Installs the build into PREFIX and checks that the program, its menu entry, icon,
# metainfo, help and database land where the desktop and the launcher look for them.
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
                RESULT_VARIABLE result OUTPUT_QUIET)
if(result)
  message(FATAL_ERROR "cmake --install failed: ${result}")
endif()
set(expected
  ${BINDIR}/Quorvel
  ${BINDIR}/quorvel
  ${BINDIR}/quorvel-design
  ${MANDIR}/man1/quorvel-design.1.gz
  ${MANDIR}/man1/quorvel.1.gz
  ${MANDIR}/man1/Quorvel.1.gz
  ${DATADIR}/doc/quorvel/copyright
  ${DATADIR}/doc/quorvel/changelog.Debian.gz
  ${LIBEXECDIR}/quorvel/seed-user-data.sh
  ${DATADIR}/applications/org.example.quorvel.desktop
  ${DATADIR}/metainfo/org.example.quorvel.metainfo.xml
  ${DATADIR}/icons/hicolor/scalable/apps/quorvel.svg
  ${DATADIR}/icons/hicolor/48x48/apps/quorvel.png
  ${DATADIR}/icons/hicolor/256x256/apps/quorvel.png
  "${DATADIR}/quorvel/Database/Quorvel Help.chm"
  ${DATADIR}/quorvel/Database/pipes.csv
  ${DATADIR}/quorvel/Database/pumps.csv
  ${DATADIR}/quorvel/Database/storage.csv
  ${DATADIR}/quorvel/Database/ratings.csv
  "${DATADIR}/quorvel/Database/no curve.bmp")
foreach(file IN LISTS expected)
  if(NOT EXISTS "${PREFIX}/${file}")
    message(FATAL_ERROR "not installed: ${file}")
  endif()
endforeach()
# The menu entry's command is the launcher installed beside the program.
file(STRINGS ${PREFIX}/${DATADIR}/applications/org.example.quorvel.desktop exec REGEX "^Exec=")
if(NOT exec STREQUAL "Exec=quorvel")
  message(FATAL_ERROR "unexpected ${exec}")
endif()
file(REMOVE_RECURSE ${PREFIX})
