# SPDX-License-Identifier: GPL-3.0-or-later
# Writes OUTPUT with the commit SOURCE_DIR is checked out at, or none when SOURCE_DIR is not
# the top of its own git checkout (a release tarball unpacked inside a packaging repository
# must not show the packaging's commit). The file is rewritten only when it changes.
set(commit "")
find_package(Git QUIET)
if(GIT_FOUND)
  execute_process(COMMAND ${GIT_EXECUTABLE} rev-parse --show-toplevel --short=7 HEAD
                  WORKING_DIRECTORY ${SOURCE_DIR} RESULT_VARIABLE result
                  OUTPUT_VARIABLE output ERROR_QUIET OUTPUT_STRIP_TRAILING_WHITESPACE)
  if(result EQUAL 0)
    string(REPLACE "\n" ";" output "${output}")
    list(GET output 0 top)
    list(GET output 1 head)
    file(REAL_PATH "${top}" top)
    file(REAL_PATH "${SOURCE_DIR}" source)
    if(top STREQUAL source)
      set(commit ${head})
    endif()
  endif()
endif()
file(CONFIGURE OUTPUT ${OUTPUT} CONTENT "#pragma once\n#define QUORVANE_COMMIT \"${commit}\"\n")
