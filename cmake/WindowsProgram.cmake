# tarmaxion_program_resources(TARGET DESCRIPTION): what every Windows program of ours carries:
# icon 1 (drawn by make_icon.py), the manifest that asks for the version 6 common controls, and
# the version shown in the file's properties and by the uninstall list, taken from the project.
include(${CMAKE_CURRENT_LIST_DIR}/Icon.cmake)
set(TARMAXION_PROGRAM_RC_TEMPLATE ${CMAKE_CURRENT_LIST_DIR}/windows-program.rc.in)
set(TARMAXION_PROGRAM_MANIFEST ${CMAKE_BINARY_DIR}/windows-program.manifest)
configure_file(${CMAKE_CURRENT_LIST_DIR}/windows-program.manifest.in ${TARMAXION_PROGRAM_MANIFEST} @ONLY)

function(tarmaxion_program_resources target description)
  set(TARMAXION_ICON ${CMAKE_CURRENT_BINARY_DIR}/tarmaxion.ico)
  set(TARMAXION_MANIFEST ${TARMAXION_PROGRAM_MANIFEST})
  set(TARMAXION_PROGRAM ${target})
  set(TARMAXION_DESCRIPTION ${description})
  set(resources ${CMAKE_CURRENT_BINARY_DIR}/${target}.rc)
  tarmaxion_draw_icon(${TARMAXION_ICON})
  configure_file(${TARMAXION_PROGRAM_RC_TEMPLATE} ${resources} @ONLY)
  set_source_files_properties(${resources} PROPERTIES OBJECT_DEPENDS "${TARMAXION_ICON};${TARMAXION_MANIFEST}")
  target_sources(${target} PRIVATE ${resources})
endfunction()
