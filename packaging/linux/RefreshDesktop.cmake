# Run by `cmake --install`: an install into a live system (no DESTDIR) rebuilds the databases a
# desktop reads, so the track file type, "open with" and the icons work at once. A package build
# stages its files under DESTDIR and leaves this to Debian's triggers on the user's machine.
if(NOT "$ENV{DESTDIR}" STREQUAL "")
  return()
endif()
set(share "${CMAKE_INSTALL_PREFIX}/${TARMAXION_DATADIR}")
foreach(step
    "update-mime-database;${share}/mime"
    "update-desktop-database;-q;${share}/applications"
    "gtk-update-icon-cache;-q;-f;-t;${share}/icons/hicolor")
  list(POP_FRONT step tool)
  find_program(tool_path ${tool})
  if(tool_path)
    string(JOIN " " arguments ${step})
    message(STATUS "Refreshing: ${tool} ${arguments}")
    execute_process(COMMAND ${tool_path} ${step} RESULT_VARIABLE failed)
    if(failed)
      message(WARNING "${tool} failed; the desktop may learn of the new files only after a new login")
    endif()
  else()
    message(STATUS "Not refreshed: ${tool} is not installed")
  endif()
  unset(tool_path CACHE)
endforeach()
