# SPDX-License-Identifier: MIT
# What the Debian package installs, and the package itself (cpack -G DEB in the build
# folder). The installed program keeps de.ini and its database in the user's folders,
# starting from the default de.ini installed here (foundation/InstallLocations).
include(GNUInstallDirs)

file(STRINGS ${CMAKE_SOURCE_DIR}/src/foundation/InstallLocations.h version_line REGEX "kVersion = ")
string(REGEX MATCH "[0-9]+\\.[0-9]+\\.[0-9]+" PROGRAM_VERSION "${version_line}")
set(PACKAGE_SHARE ${CMAKE_INSTALL_DATADIR}/tushuguanli)

install(TARGETS book bookctl RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${CMAKE_SOURCE_DIR}/data/de.ini DESTINATION ${PACKAGE_SHARE})
install(DIRECTORY ${CMAKE_SOURCE_DIR}/doc/guide/ DESTINATION ${PACKAGE_SHARE}/guide
        FILES_MATCHING PATTERN "*.html" PATTERN "*.css" PATTERN "*.png" PATTERN "tools" EXCLUDE)
install(FILES ${CMAKE_SOURCE_DIR}/packaging/tushuguanli.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_SOURCE_DIR}/packaging/tushuguanli.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

# cpack installs what is built: build book and bookctl first (scripts/package), so that
# packaging does not build every test.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tushuguanli)
set(CPACK_PACKAGE_VERSION ${PROGRAM_VERSION})
set(CPACK_PACKAGE_VENDOR "图书管理系统")
set(CPACK_PACKAGE_CONTACT "图书管理系统 <maintainers@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "图书管理系统: lending, cataloguing, readers and statistics for a small library")
set(CPACK_PACKAGE_DESCRIPTION "A desktop library system in Chinese for the counter and the back office of a
small library: lending and returning by number or barcode, rent and fines, reservations,
receipts, cataloguing of books and periodicals, readers, code tables, lists, rankings and
counts, spreadsheet and MARC imports, settings and backups. One workstation works on an
embedded SQLite file; several share a PostgreSQL server. Includes bookctl, the
command-line companion.")
set(CPACK_PACKAGE_INSTALL_DIRECTORY tushuguanli)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Plug-ins the program loads at run time: the two database drivers.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6sql6-sqlite, libqt6sql6-psql")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-wqy-microhei, xdg-utils")
set(CPACK_STRIP_FILES ON)
include(CPack)
