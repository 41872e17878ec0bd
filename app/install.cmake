# SPDX-FileCopyrightText: 2026 The Drawlet Selector developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Install rules. The Debian package (debian/ at the top) is made of what they install, with
# its copyright file and changelog added by debhelper.
#
# The layout is what a Linux desktop looks for: the program on the PATH, its launcher, its
# AppStream description for software centres, and a scalable icon under the application id.

include(GNUInstallDirs)

install(TARGETS drawlet-selector RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${CMAKE_CURRENT_SOURCE_DIR}/${DRAWLET_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_CURRENT_SOURCE_DIR}/${DRAWLET_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${CMAKE_CURRENT_SOURCE_DIR}/${DRAWLET_APP_ID}.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

# The manual page goes in as it is; a package compresses it the way its system wants.
install(FILES ${CMAKE_CURRENT_SOURCE_DIR}/drawlet-selector.1
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
