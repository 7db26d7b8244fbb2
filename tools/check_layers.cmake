# SPDX-License-Identifier: GPL-3.0-or-later
# cmake -DUI_DIR=ui -P check_layers.cmake
# Fails when a file of ui/ outside ui/qt/ includes a Qt header: the windows'
# behaviour stays free of the toolkit.
file(GLOB_RECURSE sources "${UI_DIR}/*.cpp" "${UI_DIR}/*.h")
set(found "")
foreach(source ${sources})
  file(RELATIVE_PATH relative "${UI_DIR}" "${source}")
  if(relative MATCHES "^qt/")
    continue()
  endif()
  file(STRINGS "${source}" lines REGEX "^[ \t]*#[ \t]*include[ \t]*<Q")
  if(lines)
    list(APPEND found "${relative}")
  endif()
endforeach()
if(found)
  message(FATAL_ERROR "Qt headers outside ui/qt/: ${found}")
endif()
message(STATUS "layers: no Qt header outside ui/qt/")
