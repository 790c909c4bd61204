# cmake -D BUILD_DIR=... -D PREFIX=... -D WITH_CLI=0|1 -P CheckInstalledTree.cmake
#
# Installs the build at BUILD_DIR into PREFIX, emptied first, and checks that
# the tree holds the programs and what a desktop needs to offer Orvalis: the
# desktop entry, the icon and the AppStream metainfo, each valid and naming
# files that were installed.

cmake_minimum_required(VERSION 3.25)

function(fail message)
  message(FATAL_ERROR "${message}")
endfunction()

function(run_checked what)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
  if(NOT result EQUAL 0)
    fail("${what} failed (${result}):\n${output}")
  endif()
  message(STATUS "${what}: ok")
endfunction()

function(expect_file path)
  if(NOT EXISTS "${PREFIX}/${path}" OR IS_DIRECTORY "${PREFIX}/${path}")
    fail("not installed: ${path}")
  endif()
endfunction()

# The value of key in a desktop entry or the text of an XML element.
function(read_value file pattern out)
  file(STRINGS "${file}" lines REGEX "${pattern}")
  list(LENGTH lines count)
  if(NOT count EQUAL 1)
    fail("${file}: expected one line matching ${pattern}, found ${count}")
  endif()
  string(REGEX REPLACE ".*${pattern}.*" "\\1" value "${lines}")
  set(${out} "${value}" PARENT_SCOPE)
endfunction()

file(REMOVE_RECURSE "${PREFIX}")
run_checked("cmake --install" "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${PREFIX}")

set(programs orvalis)
if(WITH_CLI)
  list(APPEND programs orvalis-cli)
endif()
foreach(program IN LISTS programs)
  expect_file("bin/${program}")
  run_checked("bin/${program} is executable" test -x "${PREFIX}/bin/${program}")
endforeach()

set(desktop_entry "share/applications/orvalis.desktop")
set(icon "share/icons/hicolor/48x48/apps/orvalis.png")
set(metainfo "share/metainfo/io.github.orvalis.Orvalis.metainfo.xml")
foreach(path IN ITEMS "${desktop_entry}" "${icon}" "share/icons/hicolor/scalable/apps/orvalis.svg"
                      "${metainfo}")
  expect_file("${path}")
endforeach()

# A PNG whose header says 48 by 48 pixels.
file(READ "${PREFIX}/${icon}" header HEX LIMIT 24)
if(NOT header MATCHES "^89504e470d0a1a0a0000000d4948445200000030" OR
   NOT header MATCHES "00000030$")
  fail("${icon} is not a 48 x 48 PNG: ${header}")
endif()

# The entry starts the installed program and shows the installed icon.
read_value("${PREFIX}/${desktop_entry}" "^Exec=([^ ]+)" exec)
read_value("${PREFIX}/${desktop_entry}" "^Icon=(.+)$" icon_name)
if(NOT exec IN_LIST programs)
  fail("${desktop_entry} runs '${exec}', which is not installed")
endif()
if(NOT EXISTS "${PREFIX}/share/icons/hicolor/48x48/apps/${icon_name}.png")
  fail("${desktop_entry} names the icon '${icon_name}', which is not installed")
endif()

# The metainfo launches the installed desktop entry.
read_value("${PREFIX}/${metainfo}" "<launchable type=\"desktop-id\">([^<]+)</launchable>" launchable)
if(NOT EXISTS "${PREFIX}/share/applications/${launchable}")
  fail("${metainfo} launches '${launchable}', which is not installed")
endif()

find_program(DESKTOP_FILE_VALIDATE desktop-file-validate)
if(DESKTOP_FILE_VALIDATE)
  run_checked("desktop-file-validate" "${DESKTOP_FILE_VALIDATE}" "${PREFIX}/${desktop_entry}")
else()
  message(STATUS "desktop-file-validate not found, desktop entry not validated")
endif()

find_program(APPSTREAMCLI appstreamcli)
if(APPSTREAMCLI)
  run_checked("appstreamcli validate" "${APPSTREAMCLI}" validate --no-net "${PREFIX}/${metainfo}")
else()
  message(STATUS "appstreamcli not found, metainfo not validated")
endif()
