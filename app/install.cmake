# SPDX-FileCopyrightText: 2026 The Drawlet Selector developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Install rules. The Debian package made of them is set up at the top level.
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

# The manual page and the changelog are installed compressed, as Debian wants them:
# gzip -9n keeps neither name nor time stamp, so the same sources give the same package.
set(drawlet_compressed)
foreach(doc drawlet-selector.1 debian/changelog)
    get_filename_component(name ${doc} NAME)
    add_custom_command(OUTPUT ${CMAKE_CURRENT_BINARY_DIR}/${name}.gz
        COMMAND gzip -9n -c ${CMAKE_CURRENT_SOURCE_DIR}/${doc} > ${name}.gz
        DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${doc}
        VERBATIM)
    list(APPEND drawlet_compressed ${CMAKE_CURRENT_BINARY_DIR}/${name}.gz)
endforeach()
add_custom_target(drawlet_docs ALL DEPENDS ${drawlet_compressed})

set(drawlet_docdir ${CMAKE_INSTALL_DATADIR}/doc/drawlet-selector)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/drawlet-selector.1.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${CMAKE_CURRENT_SOURCE_DIR}/debian/copyright
              ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz
        DESTINATION ${drawlet_docdir})
