cmake_minimum_required(VERSION 3.25)
# Seeds the program directory DST from SRC. Files the program writes itself
# (records, settings, hall of fame, log) are copied only when missing; the
# pictures, sounds and texts are refreshed when they changed.
set(player_files brev.dat brevplus.dat brev.INI brev.hof brevplus.ini brevquiz.log)
file(GLOB files RELATIVE "${SRC}" "${SRC}/*")
foreach(f IN LISTS files)
  if(IS_DIRECTORY "${SRC}/${f}" OR f MATCHES "\\.(qrc|desktop|svg|xml)$")
    continue()
  endif()
  if(f IN_LIST player_files)
    if(NOT EXISTS "${DST}/${f}")
      file(COPY "${SRC}/${f}" DESTINATION "${DST}")
    endif()
  else()
    execute_process(COMMAND ${CMAKE_COMMAND} -E copy_if_different "${SRC}/${f}" "${DST}/${f}")
  endif()
endforeach()
