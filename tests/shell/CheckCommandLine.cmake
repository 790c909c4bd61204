# cmake -D PROGRAM=path/to/orvalis -P CheckCommandLine.cmake
#
# Runs the program without any display, as from a terminal on a machine
# without a desktop: --help and --version print and end with 0, a wrong
# command line prints the usage on standard error and ends with 2, and a start
# that needs windows ends with one line on standard error and exit code 1
# instead of Qt's abort, naming the cause: no display, or a platform plugin
# that is not there.

cmake_minimum_required(VERSION 3.25)

set(failures "")

# run(<expected exit code> <stdout regex> <stderr regex> <arguments>...), on
# the Qt platform ${platform}.
set(platform xcb)
function(run expected_code out_pattern err_pattern)
  execute_process(
    COMMAND ${CMAKE_COMMAND} -E env --unset=DISPLAY --unset=WAYLAND_DISPLAY
            --unset=XDG_SESSION_TYPE QT_QPA_PLATFORM=${platform} ${PROGRAM} ${ARGN}
    RESULT_VARIABLE code OUTPUT_VARIABLE out ERROR_VARIABLE err TIMEOUT 30)
  if(NOT code STREQUAL expected_code OR NOT out MATCHES "${out_pattern}" OR
     NOT err MATCHES "${err_pattern}")
    string(APPEND failures
      "orvalis ${ARGN}: exit ${code} (expected ${expected_code})\n"
      "stdout:\n${out}\nstderr:\n${err}\n")
    set(failures "${failures}" PARENT_SCOPE)
  endif()
endfunction()

set(usage "Usage: orvalis \\[options\\] \\[FILE\\]\n.*--version.*FILE")
set(no_display "^orvalis: cannot open a window: [^\n]*DISPLAY[^\n]*\n$")

run(0 "^Orvalis 2\\.0\n$" "^$" --version)
run(0 "^Orvalis 2\\.0\n$" "^$" -platform offscreen -v)
run(0 "^${usage}" "^$" --help)
run(2 "^$" "^orvalis: Unknown option 'bogus'\\.\n\n${usage}" --bogus)
run(2 "^$" "^orvalis: Only one FILE can be opened\\.\n\n${usage}" eins.lxm zwei.lxm)
run(1 "^$" "${no_display}")
run(1 "^$" "${no_display}" muster.lxm)
set(platform nosuchplugin)
run(1 "^$" "^orvalis: cannot open a window: the Qt platform plugin \"nosuchplugin\" is not installed \\(installed: [^\n]*xcb[^\n]*\\)\n$")

if(failures)
  message(FATAL_ERROR "${failures}")
endif()
