cmake_minimum_required(VERSION 3.25)
# Builds the game's Debian package alone: CPack reads its settings without a
# warning, and dpkg-deb shows the description whole, quotation marks included.
set(pkg "${WORK}/gamepackage")
file(REMOVE_RECURSE "${pkg}")
execute_process(COMMAND ${CMAKE_CPACK_COMMAND} -G DEB -D CPACK_COMPONENTS_ALL=game -B ${pkg}
                        --config ${BUILD}/CPackConfig.cmake
                RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err TIMEOUT 120)
if(NOT rc EQUAL 0 OR "${out}${err}" MATCHES "Warning")
  message(FATAL_ERROR "cpack ended with ${rc}:\n${out}${err}")
endif()
file(GLOB deb "${pkg}/brevallo_*.deb")
execute_process(COMMAND dpkg-deb --field ${deb} Description OUTPUT_VARIABLE description RESULT_VARIABLE rc)
foreach(piece "^trivia quiz about the US presidents\n Brevallo Game is a single-player"
              "\n Name Me and \"Who said it\\?\"\\. The final score"
              "\n \\.\n Each player's settings, hall of fame and log are kept in their home folder\\.\n$")
  if(NOT rc EQUAL 0 OR NOT description MATCHES "${piece}")
    message(FATAL_ERROR "expected ${piece} in the description:\n${description}")
  endif()
endforeach()
