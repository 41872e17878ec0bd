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
