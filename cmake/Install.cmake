# What `cmake --install` puts in place and `cpack -G DEB` packs: the program, the templates an
# installed program makes its per-user data folder from, and the desktop integration.
include(GNUInstallDirs)
install(TARGETS velt RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# The program finds its templates at ../share/velt beside its own folder.
install(FILES data/schema.sql data/special_stations.txt packaging/debian/realtime-limits.conf
        DESTINATION ${CMAKE_INSTALL_DATADIR}/velt)
install(DIRECTORY data/help DESTINATION ${CMAKE_INSTALL_DATADIR}/velt)
install(FILES packaging/ro.velt.Velt.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES packaging/ro.velt.Velt.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
# The release named in the metadata and the changelog is the project's version.
configure_file(packaging/ro.velt.Velt.metainfo.xml.in ro.velt.Velt.metainfo.xml @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/ro.velt.Velt.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
configure_file(packaging/changelog.in changelog @ONLY)

# The manual page is made from the built program's --help and --version, so it lists exactly the
# options the program accepts, plus the sections of velt.h2m.
find_program(HELP2MAN help2man REQUIRED)
add_custom_command(OUTPUT velt.1 velt.1.gz changelog.gz
    # Started by its bare name, so the usage line says "velt", not the build folder's path.
    COMMAND ${CMAKE_COMMAND} -E env "PATH=$<TARGET_FILE_DIR:velt>:$ENV{PATH}"
            ${HELP2MAN} --no-info --no-discard-stderr
            --include=${CMAKE_SOURCE_DIR}/packaging/velt.h2m --output=velt.1 velt
    COMMAND gzip -9nkf velt.1 changelog
    DEPENDS velt ${CMAKE_SOURCE_DIR}/packaging/velt.h2m ${CMAKE_BINARY_DIR}/changelog
    WORKING_DIRECTORY ${CMAKE_BINARY_DIR}
    VERBATIM)
add_custom_target(docs ALL DEPENDS velt.1.gz changelog.gz)
install(FILES ${CMAKE_BINARY_DIR}/velt.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES packaging/copyright ${CMAKE_BINARY_DIR}/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DOCDIR})

set(CPACK_PACKAGE_NAME velt)
set(CPACK_PACKAGE_VENDOR "Karven")
set(CPACK_PACKAGE_CONTACT "VELT developers <velt@yo-contest.ro>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "logger for Romanian amateur-radio contests")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION [=[VELT logs one operator at one station through any of 23 Romanian
contests (Campionatul National US, Cupa Carpati, Cupa Moldovei, Ziua Telecom
and others).

It proposes the county of each callsign from a database it keeps learning,
flags duplicates, recognises new multipliers, computes the points and keeps
the score on screen. It keys the transmitter itself, in CW on a serial port's
control lines and in SSB with the operator's recorded messages. After the
contest it writes the Cabrillo and ADIF files, the text logs and the summary
sheet.]=])
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://www.yo-contest.ro/velt")
# A package is made of stripped programs; the debug information stays in the build.
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION hamradio)
# The libraries the program links come from dpkg-shlibdeps; the plugins it loads at run time
# (the SQLite driver, the display platforms) are not linked, so they are named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "libqt6sql6-sqlite, qt6-qpa-plugins, debconf (>= 0.5) | debconf-2.0")
# RealtimeKit gives the CW sender real-time priority for an ordinary user in a desktop session;
# elsewhere the install asks (off by default) whether the dialout group may have it.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "rtkit")
# rigctld shares one radio among programs (Hamlib's network model).
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "libhamlib-utils")
set(debian ${CMAKE_SOURCE_DIR}/packaging/debian)
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA
    "${debian}/config;${debian}/templates;${debian}/postinst;${debian}/postrm")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
