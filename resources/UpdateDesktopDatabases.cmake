# Run by cmake --install after the desktop entry and the file types are in
# place: updates the MIME database and the desktop entries' MIME cache of the
# prefix, so that the desktop offers Orvalis for its files at once. A staged
# install (DESTDIR set, as packages build) leaves that to the package's own
# triggers.

if(NOT "$ENV{DESTDIR}" STREQUAL "")
  return()
endif()

set(data "${CMAKE_INSTALL_PREFIX}/${ORVALIS_DATA_DIR}")
foreach(tool_and_folder IN ITEMS "update-mime-database;mime" "update-desktop-database;applications")
  list(GET tool_and_folder 0 tool)
  list(GET tool_and_folder 1 folder)
  unset(tool_path)
  find_program(tool_path ${tool} NO_CACHE)
  if(NOT tool_path)
    message(STATUS "${tool} not found, ${data}/${folder} not updated")
    continue()
  endif()
  message(STATUS "Updating: ${data}/${folder}")
  execute_process(COMMAND ${tool_path} "${data}/${folder}" RESULT_VARIABLE result OUTPUT_QUIET)
  if(NOT result EQUAL 0)
    message(WARNING "${tool} failed for ${data}/${folder}")
  endif()
endforeach()
