cmake_minimum_required(VERSION 3.25)
# The check of the install lists finds a gap: with DROP taken out of a copy of
# the Makefile, deps_listed.py fails and names DROP as the package to add.
file(READ ${SRC}/Makefile makefile)
string(REGEX REPLACE "([ \t])${DROP}([ \t\\\\\n])" "\\1\\2" without "${makefile}")
if(without STREQUAL makefile)
  message(FATAL_ERROR "${DROP} is not in the Makefile's install lists")
endif()
file(WRITE ${WORK}/Makefile.without-${DROP} "${without}")
execute_process(COMMAND /usr/bin/python3 ${SRC}/tests/deps_listed.py ${SRC} ${BUILD}
                        --makefile ${WORK}/Makefile.without-${DROP}
                RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err TIMEOUT 170)
if(NOT rc EQUAL 1 OR NOT out MATCHES "\nAdd to PACKAGES in the Makefile [^\n]*: ${DROP}\n$")
  message(FATAL_ERROR "without ${DROP} in the list the check ended with ${rc}:\n${out}${err}")
endif()
message(STATUS "without ${DROP} the check fails and names it:\n${out}")
