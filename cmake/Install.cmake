# What `cmake --install` puts in place and `cpack -G DEB` packs: the program, the templates an
# installed program makes its per-user data folder from, and the desktop integration.
include(GNUInstallDirs)
install(TARGETS velt RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# The program finds its templates at ../share/velt beside its own folder.
install(FILES data/schema.sql data/special_stations.txt
        DESTINATION ${CMAKE_INSTALL_DATADIR}/velt)
install(DIRECTORY data/help DESTINATION ${CMAKE_INSTALL_DATADIR}/velt)
install(FILES packaging/ro.velt.Velt.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES packaging/ro.velt.Velt.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES packaging/ro.velt.Velt.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

set(CPACK_PACKAGE_NAME velt)
set(CPACK_PACKAGE_VENDOR "Karven")
set(CPACK_PACKAGE_CONTACT "Karven")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Logger for Romanian amateur-radio contests")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION hamradio)
# The libraries the program links come from dpkg-shlibdeps; the plugins it loads at run time
# (the SQLite driver, the display platforms) are not linked, so they are named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6sql6-sqlite, qt6-qpa-plugins")
# RealtimeKit gives the CW sender real-time priority for an ordinary user.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "rtkit")
include(CPack)
