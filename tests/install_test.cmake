cmake_minimum_required(VERSION 3.25)
# Installs the game into a scratch root, checks the layout with the desktop's own
# validators, and starts the installed game twice with a fresh home folder.
set(root "${WORK}/installtest")
set(usr "${root}/usr")
file(REMOVE_RECURSE "${root}")

function(run)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out TIMEOUT 120)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "${ARGN}\nfailed (${rc}):\n${out}")
  endif()
  set(out "${out}" PARENT_SCOPE)
endfunction()

run(${CMAKE_COMMAND} -E env DESTDIR=${root} ${CMAKE_COMMAND} --install ${BUILD} --prefix /usr)
foreach(f bin/brevallo share/brevallo/brev.dat share/brevallo/brevsnd.dat share/brevallo/brev42.gif
          share/applications/brevallo.desktop share/icons/hicolor/256x256/apps/brevallo.png
          share/icons/hicolor/scalable/apps/brevallo.svg share/metainfo/org.example.brevallo.metainfo.xml
          share/brevallo/brevhelp_es.txt share/brevallo/brevhelp_de.txt share/doc/brevallo/copyright)
  if(NOT EXISTS "${usr}/${f}")
    message(FATAL_ERROR "${f} was not installed")
  endif()
endforeach()

# The sound library sits in the library folder the build chose (lib/ or lib/<triplet>/).
file(GLOB_RECURSE sound "${usr}/lib*/brevallo/libbrevsound.so")
if(NOT sound)
  message(FATAL_ERROR "the sound library libbrevsound.so was not installed")
endif()

run(desktop-file-validate ${usr}/share/applications/brevallo.desktop)
run(appstreamcli validate --no-net ${usr}/share/metainfo/org.example.brevallo.metainfo.xml)
run(${usr}/bin/brevallo --version)
if(NOT out STREQUAL "Brevallo Game 2.11\n")
  message(FATAL_ERROR "--version printed: ${out}")
endif()

# First start: the per-user folder is filled with every shipped file.
set(start ${CMAKE_COMMAND} -E env --unset=XDG_DATA_HOME HOME=${root}/home QT_QPA_PLATFORM=offscreen
          ${usr}/bin/brevallo --quit-after-start)
set(mine "${root}/home/.local/share/brevallo")
run(${start})
file(GLOB shipped RELATIVE "${usr}/share/brevallo" "${usr}/share/brevallo/*")
foreach(f IN LISTS shipped)
  if(NOT EXISTS "${mine}/${f}")
    message(FATAL_ERROR "${f} was not copied into ${mine}")
  endif()
endforeach()

# Second start: the player's settings stay, a lost file comes back.
# (file(READ) drops the carriage returns; they are put back on writing.)
file(READ "${mine}/brev.INI" ini)
string(REGEX REPLACE "^([^\n]*\n[^\n]*\n)\"[^\"]*\"" "\\1\"Test Player\"" ini "${ini}")
string(REPLACE "\n" "\r\n" ini "${ini}")
file(WRITE "${mine}/brev.INI" "${ini}")
file(REMOVE "${mine}/brevhelp.txt")
run(${start})
file(READ "${mine}/brev.INI" ini)
if(NOT ini MATCHES "^[^\n]*\n[^\n]*\n\"Test Player\"\n")
  message(FATAL_ERROR "the changed brev.INI was not kept:\n${ini}")
endif()
if(NOT EXISTS "${mine}/brevhelp.txt")
  message(FATAL_ERROR "brevhelp.txt was not copied again")
endif()
file(REMOVE_RECURSE "${root}")
