# cmake -D ORVALIS=... -D ORVALIS_CLI=... -D MAN_DIR=... -P CheckManPages.cmake
#
# Each man page names the same options as its program's --help, and
# orvalis-cli's page the same commands: a new option or command needs its
# description there, and a dropped one must leave the page.

cmake_minimum_required(VERSION 3.25)

set(failures "")

# The sorted option names ("--grid") and commands ("orvalis-cli run") in text;
# --help is left out, since the usage it prints need not name itself.
function(names_in text out)
  string(REGEX MATCHALL "--[a-z][a-z-]*|orvalis-cli [a-z]+" names "${text}")
  list(REMOVE_DUPLICATES names)
  list(REMOVE_ITEM names "--help")
  list(SORT names)
  set(${out} "${names}" PARENT_SCOPE)
endfunction()

foreach(program_and_page IN ITEMS "${ORVALIS}|orvalis.1" "${ORVALIS_CLI}|orvalis-cli.1")
  string(REPLACE "|" ";" program_and_page "${program_and_page}")
  list(GET program_and_page 0 program)
  list(GET program_and_page 1 page)
  execute_process(COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen ${program} --help
                  RESULT_VARIABLE code OUTPUT_VARIABLE help ERROR_VARIABLE help TIMEOUT 30)
  if(NOT code EQUAL 0)
    string(APPEND failures "${program} --help ended with ${code}:\n${help}\n")
    continue()
  endif()
  file(READ "${MAN_DIR}/${page}" roff)
  string(REPLACE "\\-" "-" roff "${roff}")
  names_in("${help}" in_help)
  names_in("${roff}" in_page)
  if(NOT in_help)
    string(APPEND failures "${program} --help names no options:\n${help}\n")
  endif()
  if(NOT in_help STREQUAL in_page)
    string(APPEND failures "${page} names ${in_page}\n  --help of ${program} names ${in_help}\n")
  endif()
endforeach()

if(failures)
  message(FATAL_ERROR "${failures}")
endif()
