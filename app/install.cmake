# SPDX-FileCopyrightText: 2026 The Drawlet Selector developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Install rules and the Debian package.
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

# The Debian package. Its fields are what lintian checks: the extended description is kept
# within 80 columns, and the copyright file and changelog above are where Debian looks.
set(CPACK_GENERATOR "DEB")
set(CPACK_PACKAGE_NAME "drawlet-selector")
set(CPACK_PACKAGE_VENDOR "The Drawlet Selector developers")
set(CPACK_PACKAGE_CONTACT "The Drawlet Selector developers <maintainers@drawlet.org>")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "Pick lottery numbers and exclude them from or include them in your own set")
set(CPACK_PACKAGE_DESCRIPTION
    "Drawlet Selector is a small one-window tool for lottery players. Type in
combinations of two-digit lottery numbers, let the tool pick some of them at
random, and then remove the picked numbers from, add them to, or leave
untouched a base set of your own. The result, the play numbers, is shown as
one ascending line with its count.")
set(CPACK_PACKAGING_INSTALL_PREFIX "/usr")
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# A tool for lottery players rather than a game in itself, as its launcher's category says.
set(CPACK_DEBIAN_PACKAGE_SECTION "utils")
set(CPACK_DEBIAN_PACKAGE_PRIORITY "optional")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${CPACK_PACKAGE_CONTACT}")
# The libraries the program links are found by dpkg-shlibdeps; the SVG icon engine is a plugin
# Qt loads at run time, which no link line shows, so it is named here. The Wayland platform
# plugin lets the window run natively in a Wayland session instead of through XWayland.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6svg6")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland")

include(CPack)
