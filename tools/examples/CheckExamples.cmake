# Regenerates the sample tracks and fails when any differs from the committed one.
file(REMOVE_RECURSE "${SCRATCH}")
file(MAKE_DIRECTORY "${SCRATCH}")
# EMULATOR runs a cross-built generator (Wine for the Windows build); empty otherwise.
execute_process(COMMAND ${EMULATOR} "${GENERATOR}" "${SCRATCH}" RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "make-examples failed")
endif()
foreach(name lakeside.trk quarry.trk)
  execute_process(COMMAND "${CMAKE_COMMAND}" -E compare_files "${SCRATCH}/${name}" "${COMMITTED}/${name}"
                  RESULT_VARIABLE differs)
  if(differs)
    message(FATAL_ERROR "examples/${name} differs from what make-examples writes; "
                        "regenerate it with: make-examples examples")
  endif()
endforeach()
