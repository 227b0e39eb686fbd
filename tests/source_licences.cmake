# SPDX-License-Identifier: GPL-3.0-or-later
# Every source file (C++, CMake and shell) names its licence near its head, so that a file
# copied out of the project still says under which terms it stands. Needs SOURCE_DIR.
set(missing)
foreach(folder src tests bench)
  file(GLOB_RECURSE files LIST_DIRECTORIES false
       ${SOURCE_DIR}/${folder}/*.cpp ${SOURCE_DIR}/${folder}/*.h ${SOURCE_DIR}/${folder}/*.h.in
       ${SOURCE_DIR}/${folder}/*.cmake ${SOURCE_DIR}/${folder}/CMakeLists.txt ${SOURCE_DIR}/${folder}/*.sh)
  if(folder STREQUAL "src")
    # The build's and the helper scripts' own sources, which have no extension to glob by.
    file(GLOB scripts LIST_DIRECTORIES false ${SOURCE_DIR}/scripts/* ${SOURCE_DIR}/cmake/*.cmake ${SOURCE_DIR}/.ci/run)
    list(APPEND files ${SOURCE_DIR}/CMakeLists.txt ${scripts})
  endif()
  foreach(file ${files})
    file(STRINGS ${file} head LIMIT_COUNT 3)
    if(NOT head MATCHES "SPDX-License-Identifier: GPL-3\\.0-or-later")
      file(RELATIVE_PATH name ${SOURCE_DIR} ${file})
      list(APPEND missing ${name})
    endif()
  endforeach()
endforeach()
if(missing)
  list(LENGTH missing count)
  list(JOIN missing "\n  " missing)
  message(FATAL_ERROR "${count} files have no \"SPDX-License-Identifier: GPL-3.0-or-later\" in their first lines:\n  ${missing}")
endif()
