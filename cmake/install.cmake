# Installs the game the way desktop programs are laid out, and packages it with
# CPack (cpack -G DEB). An installed game keeps each player's files in a per-user
# folder that it fills from share/brevallo/ at the first start.
include(GNUInstallDirs)
# The game's rules; the service's (hof/hofd) name their own component.
set(CMAKE_INSTALL_DEFAULT_COMPONENT_NAME game)

set(BREV_SHIPPED_INSTALL_DIR ${CMAKE_INSTALL_DATADIR}/brevallo)
# Where the executable looks for the shipped files, relative to its own folder.
file(RELATIVE_PATH shipped_rel /${CMAKE_INSTALL_BINDIR} /${BREV_SHIPPED_INSTALL_DIR})
target_compile_definitions(brevallo PRIVATE BREV_SHIPPED_DIR="${shipped_rel}")
# The sound and network libraries, private parts of the game.
set(BREV_LIBRARY_INSTALL_DIR ${CMAKE_INSTALL_LIBDIR}/brevallo)
file(RELATIVE_PATH library_rel /${CMAKE_INSTALL_BINDIR} /${BREV_LIBRARY_INSTALL_DIR})
target_compile_definitions(brevallo PRIVATE BREV_LIBRARY_DIR="${library_rel}")

install(TARGETS brevallo RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(TARGETS brevsound brevnet LIBRARY DESTINATION ${BREV_LIBRARY_INSTALL_DIR})
# The same files the build puts beside its executable.
install(DIRECTORY data/ DESTINATION ${BREV_SHIPPED_INSTALL_DIR}
  PATTERN "*.qrc" EXCLUDE PATTERN "*.desktop" EXCLUDE PATTERN "*.svg" EXCLUDE PATTERN "*.xml" EXCLUDE)
install(FILES data/brevallo.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES data/brevallo.png DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/256x256/apps)
install(FILES data/brevallo.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES data/org.example.brevallo.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
# The licence in Debian's machine-readable form, where Debian looks for it:
# share/doc/<package>/copyright, the same file in both packages.
install(FILES cmake/copyright DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/brevallo COMPONENT game)
install(FILES cmake/copyright DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/brevallo-hofd COMPONENT hofd)

set(CPACK_PACKAGE_NAME brevallo)
set(CPACK_PACKAGE_VENDOR "Brevallo")
set(CPACK_PACKAGE_CONTACT "Brevallo Game maintainers <brevallo@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "trivia quiz about the US presidents")
set(CPACK_PACKAGE_INSTALL_DIRECTORY brevallo)
set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_PACKAGE_DESCRIPTION
  "Brevallo Game is a single-player desktop quiz about the 45 presidents of the
United States, from George Washington to Joe Biden (facts as of 1 March
2025). Set up a game, press Play and answer multiple-choice, matching,
portrait and sorting questions; with bonus questions also odd one out,
Name Me and \"Who said it?\". The final score is adjusted for the
difficulty chosen, and the best scores enter a hall of fame, which a school
can share online with the brevallo-hofd service. Playable with the mouse or
the keyboard alone.

Each player's settings, hall of fame and log are kept in their home folder.")
# The texts go into the packages as written, quotation marks included.
set(CPACK_VERBATIM_VARIABLES ON)
set(CPACK_STRIP_FILES ON)
# Debian 12's Qt 6 libraries; the GIF, JPEG and X11 plug-ins come with libqt6gui6.
# Two needs dpkg-shlibdeps cannot see: the progress file brevprogress.sqlite
# needs Qt SQL's SQLite driver (a plug-in), and the class reports Qt Network
# (in libbrevnet, which the game loads itself). Qt's own catalogues (the standard
# buttons in Spanish and German) come with qt6-translations-l10n. The other
# entries are what dpkg-shlibdeps finds in the executable.
set(CPACK_DEBIAN_PACKAGE_DEPENDS
  "libqt6core6 (>= 6.4), libqt6gui6 (>= 6.4), libqt6widgets6 (>= 6.4), libqt6multimedia6 (>= 6.4), libqt6network6 (>= 6.4), libqt6sql6 (>= 6.4), libqt6sql6-sqlite (>= 6.4), qt6-translations-l10n, libc6 (>= 2.34), libgcc-s1 (>= 3.0), libstdc++6 (>= 5)")
include(${CMAKE_CURRENT_LIST_DIR}/hofd-package.cmake)
include(CPack)
