# SPDX-License-Identifier: GPL-3.0-or-later
# Installing Furlox and building its Debian package with CPack. Included by
# the top-level CMakeLists.txt once the furlox target exists.
include(GNUInstallDirs)
install(TARGETS furlox RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

install(FILES packaging/furlox.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES packaging/org.furlox.Furlox.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES assets/furlox.png DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/256x256/apps)
install(FILES assets/furlox-64.png DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/64x64/apps RENAME furlox.png)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME furlox)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Horse-racing betting game for one to four players")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Furlox developers <furlox@example.org>")
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6widgets6 (>= 6.4), fonts-wine, fonts-dejavu-extra")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
include(CPack)
