# The floors hold: from each folder's view of the tree (FLOORS_DIR/<folder>),
# a header of the folder above it cannot be found, while the folder's own
# headers can. Run as: cmake -DCXX=... -DFLOORS_DIR=... -DQT_INCLUDES=a|b|... -P floors_test.cmake
# (QT_INCLUDES: Qt's include directories, so that only a header of the tree
# can be missing.)
set(floors base store models game sound widgets screens hof editor setup app)
set(header_base base/categories.h)
set(header_store store/itemdraw.h)
set(header_models models/exportlines.h)
set(header_game game/gameloop.h)
set(header_sound sound/soundbackend.h)
set(header_widgets widgets/windowhelpers.h)
set(header_screens screens/choicebutton.h)
set(header_hof hof/halloffamewindow.h)
set(header_editor editor/dataeditorwindow.h)
set(header_setup setup/setupdialog.h)
set(header_app app/mainwindow.h)

set(qt_flags)
string(REPLACE "|" ";" qt_dirs "${QT_INCLUDES}")
foreach(dir ${qt_dirs})
  list(APPEND qt_flags -isystem ${dir})
endforeach()

set(source ${CMAKE_CURRENT_BINARY_DIR}/floors_probe.cpp)
list(LENGTH floors count)
math(EXPR last "${count} - 1")
foreach(i RANGE ${last})
  list(GET floors ${i} folder)
  math(EXPR first_above "${i} + 1")
  if(first_above GREATER last)
    break()
  endif()
  foreach(j RANGE ${first_above} ${last})
    list(GET floors ${j} above)
    # Upward: the preprocessor must not find the header at all.
    file(WRITE ${source} "#include \"${header_${above}}\"\n")
    execute_process(COMMAND ${CXX} -std=c++20 -E ${qt_flags} -I ${FLOORS_DIR}/${folder} ${source}
                    RESULT_VARIABLE failed OUTPUT_QUIET ERROR_VARIABLE why)
    if(NOT failed OR NOT why MATCHES "${header_${above}}: No such file")
      message(FATAL_ERROR "${folder}/ can include ${header_${above}} from a floor above it")
    endif()
  endforeach()
endforeach()
# Sideways and down: the base floor's own header is found from every floor
# (and compiles, checked once).
file(WRITE ${source} "#include \"${header_base}\"\nint main() { return brev::kCategories == 30 ? 0 : 1; }\n")
foreach(folder ${floors})
  set(mode -E)
  if(folder STREQUAL "base")
    set(mode -fsyntax-only -fPIC)
  endif()
  execute_process(COMMAND ${CXX} -std=c++20 ${mode} ${qt_flags} -I ${FLOORS_DIR}/${folder} ${source}
                  RESULT_VARIABLE failed OUTPUT_QUIET ERROR_VARIABLE why)
  if(failed)
    message(FATAL_ERROR "${folder}/ cannot include ${header_base}: ${why}")
  endif()
endforeach()
message(STATUS "every floor sees only itself and the floors below it")
