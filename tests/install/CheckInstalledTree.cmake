# cmake -D BUILD_DIR=... -D PREFIX=... -D WITH_CLI=0|1 -P CheckInstalledTree.cmake
#
# Installs the build at BUILD_DIR into PREFIX, emptied first, and checks that
# the tree holds the programs, their man pages and completion, and what a
# desktop needs to offer Orvalis: the desktop entry, the icon, the AppStream
# metainfo and the file types, each valid and naming files and types that
# were installed, and that the install made the prefix's MIME database, in
# which pattern files are Orvalis's.

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

find_program(UPDATE_MIME_DATABASE update-mime-database)
if(NOT UPDATE_MIME_DATABASE)
  fail("update-mime-database (Debian package shared-mime-info) is needed to check the file types")
endif()

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
                      "${metainfo}" "share/mime/packages/orvalis.xml"
                      "share/man/man1/orvalis.1.gz" "share/man/man1/orvalis-cli.1.gz"
                      "share/bash-completion/completions/orvalis-cli")
  expect_file("${path}")
endforeach()

# A PNG whose header says 48 by 48 pixels.
file(READ "${PREFIX}/${icon}" header HEX LIMIT 24)
if(NOT header MATCHES "^89504e470d0a1a0a0000000d4948445200000030" OR
   NOT header MATCHES "00000030$")
  fail("${icon} is not a 48 x 48 PNG: ${header}")
endif()

# The entry starts the installed program with the file to open and shows the
# installed icon.
read_value("${PREFIX}/${desktop_entry}" "^Exec=([^ ]+) %f$" exec)
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

# The install made the prefix's MIME database: the names of pattern files
# lead to Orvalis's types, the LifeXML root element is known as their magic,
# and every type the entry offers to open is defined there or by the system.
foreach(made IN ITEMS globs2 magic types)
  expect_file("share/mime/${made}")
endforeach()
file(STRINGS "${PREFIX}/share/mime/globs2" globs REGEX "^[0-9]+:")
foreach(pattern_and_type IN ITEMS "lxm=application/x-orvalis-lifexml" "lif=application/x-orvalis-life")
  string(REPLACE "=" ";" pattern_and_type "${pattern_and_type}")
  list(GET pattern_and_type 0 extension)
  list(GET pattern_and_type 1 type)
  set(matching ${globs})
  list(FILTER matching INCLUDE REGEX ":\\*\\.${extension}$")
  if(NOT matching MATCHES "^[0-9]+:${type}:\\*\\.${extension}$")
    fail("*.${extension} is '${matching}' in the installed MIME database, not ${type}")
  endif()
endforeach()
file(STRINGS "${PREFIX}/share/mime/magic" magic REGEX "application/x-orvalis-lifexml|<Orvalis")
if(NOT magic MATCHES "\\[80:application/x-orvalis-lifexml\\];.*<Orvalis")
  fail("the installed MIME magic does not know the LifeXML root element: ${magic}")
endif()
read_value("${PREFIX}/${desktop_entry}" "^MimeType=(.+)$" offered)
string(REPLACE "\\;" ";" offered "${offered}")  # file(STRINGS) escapes the separators
list(REMOVE_ITEM offered "")
file(STRINGS "${PREFIX}/share/mime/types" known)
if(EXISTS /usr/share/mime/types)
  file(STRINGS /usr/share/mime/types system_types)
  list(APPEND known ${system_types})
endif()
foreach(type IN LISTS offered)
  if(NOT type IN_LIST known)
    fail("${desktop_entry} offers to open ${type}, which no MIME database defines")
  endif()
endforeach()
# The desktop finds the entry for the types without reading every entry.
expect_file("share/applications/mimeinfo.cache")
file(STRINGS "${PREFIX}/share/applications/mimeinfo.cache" handlers REGEX "^application/x-orvalis")
if(NOT handlers MATCHES "application/x-orvalis-lifexml=orvalis.desktop")
  fail("share/applications/mimeinfo.cache does not name orvalis.desktop: ${handlers}")
endif()
message(STATUS "MIME types: ok")

# As the desktop sees files by name and content, where GLib's gio is there.
find_program(GIO gio)
if(GIO)
  set(samples "${PREFIX}/samples")
  file(MAKE_DIRECTORY "${samples}" "${PREFIX}/empty-home")
  set(lifexml "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n\r\n<Orvalis>\r\n</Orvalis>\r\n")
  file(WRITE "${samples}/muster.lxm" "${lifexml}")
  file(WRITE "${samples}/muster" "${lifexml}")
  file(WRITE "${samples}/muster.lif" "binary")
  foreach(sample_and_type IN ITEMS "muster.lxm=application/x-orvalis-lifexml"
                                   "muster=application/x-orvalis-lifexml"
                                   "muster.lif=application/x-orvalis-life")
    string(REPLACE "=" ";" sample_and_type "${sample_and_type}")
    list(GET sample_and_type 0 sample)
    list(GET sample_and_type 1 type)
    execute_process(
      COMMAND ${CMAKE_COMMAND} -E env "XDG_DATA_HOME=${PREFIX}/empty-home"
              "XDG_DATA_DIRS=${PREFIX}/share:/usr/share"
              ${GIO} info -a standard::content-type "${samples}/${sample}"
      OUTPUT_VARIABLE info ERROR_VARIABLE info)
    if(NOT info MATCHES "standard::content-type: ${type}\n")
      fail("gio takes ${sample} for something else than ${type}:\n${info}")
    endif()
  endforeach()
  message(STATUS "gio content types: ok")
else()
  message(STATUS "gio not found, content types not checked as the desktop sees them")
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
