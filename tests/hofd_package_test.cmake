cmake_minimum_required(VERSION 3.25)
# Builds the brevallo-hofd Debian package alone, checks its control data and
# contents with dpkg-deb, runs the packaged program, and validates its systemd
# unit with systemd-analyze where that is installed.
set(pkg "${WORK}/hofdpackage")
file(REMOVE_RECURSE "${pkg}")

function(run)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err TIMEOUT 120)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "${ARGN}\nfailed (${rc}):\n${out}${err}")
  endif()
  set(out "${out}" PARENT_SCOPE)
endfunction()
function(expect text pattern)
  if(NOT text MATCHES "${pattern}")
    message(FATAL_ERROR "expected ${pattern} in:\n${text}")
  endif()
endfunction()

run(${CMAKE_CPACK_COMMAND} -G DEB -D CPACK_COMPONENTS_ALL=hofd -B ${pkg} --config ${BUILD}/CPackConfig.cmake)
file(GLOB deb "${pkg}/brevallo-hofd_*.deb")
if(NOT deb)
  message(FATAL_ERROR "no brevallo-hofd package in ${pkg}")
endif()

run(dpkg-deb --field ${deb} Package Section Depends Description)
expect("${out}" "Package: brevallo-hofd\n")
expect("${out}" "Section: net\n")
expect("${out}" "Depends: adduser, libqt6core6 [^\n]*libqt6network6[^\n]*libqt6sql6-sqlite[^\n]*libmicrohttpd12")
expect("${out}" "Description: online hall of fame for Brevallo Game\n")
run(dpkg-deb --contents ${deb})
foreach(f "-rwxr-xr-x root/root [^\n]* ./usr/bin/brevallo-hofd\n"
          "-rw-r--r-- root/root [^\n]* ./usr/lib/systemd/system/brevallo-hofd.service\n"
          "-rw-r--r-- root/root [^\n]* ./etc/default/brevallo-hofd\n"
          "-rw-r--r-- root/root [^\n]* ./usr/share/doc/brevallo-hofd/copyright\n")
  expect("${out}" "${f}")
endforeach()
file(MAKE_DIRECTORY ${pkg}/control ${pkg}/root)
run(dpkg-deb --control ${deb} ${pkg}/control)
file(READ ${pkg}/control/conffiles conffiles)
expect("${conffiles}" "^/etc/default/brevallo-hofd\n$")
file(READ ${pkg}/control/postinst postinst)
expect("${postinst}" "adduser --system --group [^\n]*brevallo-hofd")
run(sh -n ${pkg}/control/postinst)
run(sh -n ${pkg}/control/prerm)
run(sh -n ${pkg}/control/postrm)

run(dpkg-deb --extract ${deb} ${pkg}/root)
run(${pkg}/root/usr/bin/brevallo-hofd --version)
file(READ ${pkg}/root/etc/default/brevallo-hofd settings)
expect("${settings}" "\nHOFD_LISTEN=[^\n]+:8642\n")
expect("${settings}" "\nHOFD_DATABASE=/var/lib/brevallo-hofd/hof.sqlite\n")
expect("${settings}" "\nHOFD_TLS_CERT=\nHOFD_TLS_KEY=\n")
file(READ ${pkg}/root/usr/lib/systemd/system/brevallo-hofd.service unit)
foreach(line "EnvironmentFile=/etc/default/brevallo-hofd"
             "ExecStart=/usr/bin/brevallo-hofd --listen \\\${HOFD_LISTEN} --database \\\${HOFD_DATABASE} --tls-cert \\\${HOFD_TLS_CERT} --tls-key \\\${HOFD_TLS_KEY} \\\$HOFD_OPTIONS"
             "User=brevallo-hofd" "StateDirectory=brevallo-hofd" "NoNewPrivileges=yes" "ProtectSystem=strict"
             "PrivateTmp=yes")
  expect("${unit}" "\n${line}\n")
endforeach()

find_program(ANALYZE systemd-analyze)
if(ANALYZE)
  # The unit as installed, but pointing at the extracted program, which
  # systemd-analyze wants to find.
  string(REPLACE "/usr/bin/brevallo-hofd" "${pkg}/root/usr/bin/brevallo-hofd" local "${unit}")
  file(WRITE ${pkg}/brevallo-hofd.service "${local}")
  run(${ANALYZE} verify ${pkg}/brevallo-hofd.service)
  # Exposure 2.0 or less ("OK") in systemd's own rating of the hardening.
  run(${ANALYZE} security --offline=yes --threshold=20 ${pkg}/brevallo-hofd.service)
else()
  message(STATUS "systemd-analyze is not installed: the unit is not verified")
endif()
