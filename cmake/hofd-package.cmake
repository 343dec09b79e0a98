# Two Debian packages from one CPack run: brevallo (the game, every install rule
# without a component) and brevallo-hofd (the hall-of-fame service).
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL game hofd)
set(CPACK_DEBIAN_GAME_PACKAGE_NAME brevallo)
# CPack puts the one summary above every component's description: each
# description starts with its own summary line instead.
set(CPACK_DEBIAN_GAME_DESCRIPTION "${CPACK_PACKAGE_DESCRIPTION_SUMMARY}\n${CPACK_PACKAGE_DESCRIPTION}")
unset(CPACK_PACKAGE_DESCRIPTION_SUMMARY)

set(CPACK_DEBIAN_HOFD_PACKAGE_NAME brevallo-hofd)
set(CPACK_DEBIAN_HOFD_PACKAGE_SECTION net)
set(CPACK_DEBIAN_HOFD_DESCRIPTION "online hall of fame for Brevallo Game
brevallo-hofd keeps the best scores of every Brevallo Game that points at it
(brevplus.ini, [hof] baseUrl) and shows them as a web page. It runs as a
systemd service under its own user and keeps its entries in a SQLite file
under /var/lib/brevallo-hofd, or in a PostgreSQL database.
Settings: /etc/default/brevallo-hofd.")
set(CPACK_DEBIAN_HOFD_PACKAGE_DEPENDS
  "adduser, libqt6core6 (>= 6.4), libqt6network6 (>= 6.4), libqt6sql6 (>= 6.4), libqt6sql6-sqlite (>= 6.4), libmicrohttpd12 (>= 0.9.75), libc6 (>= 2.34), libgcc-s1 (>= 3.0), libstdc++6 (>= 11)")
set(CPACK_DEBIAN_HOFD_PACKAGE_SUGGESTS "libqt6sql6-psql")
set(CPACK_DEBIAN_HOFD_PACKAGE_CONTROL_EXTRA
  "${CMAKE_CURRENT_LIST_DIR}/../hof/hofd/debian/conffiles;${CMAKE_CURRENT_LIST_DIR}/../hof/hofd/debian/postinst;${CMAKE_CURRENT_LIST_DIR}/../hof/hofd/debian/prerm;${CMAKE_CURRENT_LIST_DIR}/../hof/hofd/debian/postrm")
set(CPACK_DEBIAN_HOFD_PACKAGE_CONTROL_STRICT_PERMISSION TRUE)
