# Installation and the Debian package.
#
# The executable lives in <prefix>/lib/vantorix, where the program looks for its checkout table
# beside its real executable; <prefix>/bin/vantorix is a relative symbolic link to it. The
# table itself is configuration the user may edit: it is installed in the system configuration
# directory (/etc/vantorix for the /usr prefix, a Debian configuration file that an upgrade
# does not overwrite) and the name beside the executable links to it.

include(GNUInstallDirs)
set(VTX_PRIVATE_DIR lib/vantorix)
set(VTX_TABLE_DIR ${CMAKE_INSTALL_FULL_SYSCONFDIR}/vantorix)
# The caller's voice program lives beside the executable, where the scoreboard starts it.
install(TARGETS vantorix vantorix-voice RUNTIME DESTINATION ${VTX_PRIVATE_DIR})
# The charts module, loaded when a chart is first shown, lives there too.
install(TARGETS vantorix-charts LIBRARY DESTINATION ${VTX_PRIVATE_DIR}/charts)
install(TARGETS vantorix-room LIBRARY DESTINATION ${VTX_PRIVATE_DIR}/room)
install(TARGETS vantorix-boards LIBRARY DESTINATION ${VTX_PRIVATE_DIR}/boards)
install(FILES ${PROJECT_SOURCE_DIR}/data/VTXOutShots.ini DESTINATION ${VTX_TABLE_DIR})

file(MAKE_DIRECTORY ${PROJECT_BINARY_DIR}/install-links)
file(CREATE_LINK ../${VTX_PRIVATE_DIR}/vantorix ${PROJECT_BINARY_DIR}/install-links/vantorix
    SYMBOLIC)
install(FILES ${PROJECT_BINARY_DIR}/install-links/vantorix DESTINATION bin)
file(CREATE_LINK ${VTX_TABLE_DIR}/VTXOutShots.ini
    ${PROJECT_BINARY_DIR}/install-links/VTXOutShots.ini SYMBOLIC)
install(FILES ${PROJECT_BINARY_DIR}/install-links/VTXOutShots.ini DESTINATION ${VTX_PRIVATE_DIR})

set(VTX_APP_ID org.vantorix.Vantorix)
install(FILES ${PROJECT_SOURCE_DIR}/data/desktop/${VTX_APP_ID}.desktop
    DESTINATION share/applications)
install(FILES ${PROJECT_SOURCE_DIR}/data/desktop/${VTX_APP_ID}.metainfo.xml
    DESTINATION share/metainfo)
install(FILES ${PROJECT_SOURCE_DIR}/data/icons/vantorix.svg
    DESTINATION share/icons/hicolor/scalable/apps RENAME ${VTX_APP_ID}.svg)
install(FILES ${PROJECT_BINARY_DIR}/icons/vantorix.png
    DESTINATION share/icons/hicolor/128x128/apps RENAME ${VTX_APP_ID}.png)

# Debian wants the copyright and a compressed changelog with every package.
set(VTX_CHANGELOG_GZ ${PROJECT_BINARY_DIR}/debian/changelog.gz)
add_custom_command(OUTPUT ${VTX_CHANGELOG_GZ}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${PROJECT_BINARY_DIR}/debian
    COMMAND gzip -9n -c ${PROJECT_SOURCE_DIR}/data/debian/changelog > ${VTX_CHANGELOG_GZ}
    DEPENDS ${PROJECT_SOURCE_DIR}/data/debian/changelog)
set(VTX_MANPAGE_GZ ${PROJECT_BINARY_DIR}/debian/vantorix.1.gz)
add_custom_command(OUTPUT ${VTX_MANPAGE_GZ}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${PROJECT_BINARY_DIR}/debian
    COMMAND gzip -9n -c ${PROJECT_SOURCE_DIR}/data/debian/vantorix.1 > ${VTX_MANPAGE_GZ}
    DEPENDS ${PROJECT_SOURCE_DIR}/data/debian/vantorix.1)
add_custom_target(vtx_changelog ALL DEPENDS ${VTX_CHANGELOG_GZ} ${VTX_MANPAGE_GZ})
install(FILES ${VTX_MANPAGE_GZ} DESTINATION share/man/man1)
install(FILES ${PROJECT_SOURCE_DIR}/data/debian/copyright ${VTX_CHANGELOG_GZ}
    DESTINATION share/doc/vantorix)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vantorix)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Vantorix developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "darts scoreboard for one or two players")
set(CPACK_PACKAGE_DESCRIPTION
    "Vantorix keeps the score of a darts match: the operator types each player's\n\
three-dart turn score, and Vantorix keeps the remainders, refuses impossible\n\
turns and busts, records checkouts, decides who won the leg, shows checkout\n\
routes and per-leg and per-match statistics. Standard 301, 501, 701 and 1001,\n\
and open-ended points practice.")
set(CPACK_PACKAGE_CONTACT "The Vantorix developers <developers@vantorix.org>")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# "games" is for programs in /usr/games; a scoreboard is an ordinary program.
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://vantorix.org/)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Loaded as a plugin, so no library dependency names it: the SQLite driver of the match store.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6sql6-sqlite")
# The caller speaks through the speech engine's plugin; without it the program stays silent.
# flite (English) and espeak-ng (the other languages) speak through the voice program itself;
# Qt's plugins serve other engines.
# Qt's translations put Qt's own buttons (Yes, No, Close) in the program's language. A club's
# boards reach its PostgreSQL server through Qt's driver, also a plugin.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS
    "pulseaudio | pipewire-pulse, qt6-translations-l10n, libqt6sql6-psql")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_STRIP_FILES ON)
# Files under /etc are the user's to edit: dpkg keeps their changes on upgrade.
file(WRITE ${PROJECT_BINARY_DIR}/debian/conffiles "${VTX_TABLE_DIR}/VTXOutShots.ini\n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${PROJECT_BINARY_DIR}/debian/conffiles)
include(CPack)
