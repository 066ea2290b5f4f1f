# SPDX-License-Identifier: MIT
# Removes the files listed in MANIFEST (install_manifest.txt), then each folder
# that held them once it is empty, walking up towards the install prefix. The
# prefix itself is kept.
if(NOT EXISTS "${MANIFEST}")
  message(FATAL_ERROR "Nothing to uninstall: ${MANIFEST} is missing (install first).")
endif()
file(STRINGS "${MANIFEST}" installed)

# The prefix is the folder above the bin/ folder that holds the program.
set(prefix "")
foreach(file IN LISTS installed)
  if(file MATCHES "^(.*)/${BINDIR}/kelvory$")
    set(prefix "${CMAKE_MATCH_1}")
  endif()
endforeach()

set(queue)
foreach(file IN LISTS installed)
  if(EXISTS "${file}" OR IS_SYMLINK "${file}")
    message(STATUS "Removing ${file}")
    file(REMOVE "${file}")
  endif()
  get_filename_component(folder "${file}" DIRECTORY)
  list(APPEND queue "${folder}")
endforeach()

# rmdir removes only empty folders; a folder still holding anything stays, and
# its parents with it. A parent tried too early is tried again after its child.
while(queue)
  list(POP_FRONT queue folder)
  string(FIND "${folder}/" "${prefix}/" at)
  if(prefix STREQUAL "" OR folder STREQUAL prefix OR NOT at EQUAL 0 OR NOT IS_DIRECTORY "${folder}")
    continue()
  endif()
  execute_process(COMMAND rmdir "${folder}" RESULT_VARIABLE failed ERROR_QUIET)
  if(NOT failed)
    message(STATUS "Removing ${folder}/")
    get_filename_component(parent "${folder}" DIRECTORY)
    list(APPEND queue "${parent}")
  endif()
endwhile()
file(REMOVE "${MANIFEST}")
