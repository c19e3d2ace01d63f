# package-windows: a zip of the Windows programs, the C library and the player's guide, ready to
# hand out, the same bytes from every build of one commit (SOURCE_DATE_EPOCH gives its times).
find_package(Python3 REQUIRED COMPONENTS Interpreter)
set(TARMAXION_PACKAGE_NAME tarmaxion-converter-${PROJECT_VERSION}-windows)
set(TARMAXION_PACKAGE_STAGE ${CMAKE_BINARY_DIR}/package/${TARMAXION_PACKAGE_NAME})
set(TARMAXION_PACKAGE_ZIP ${CMAKE_BINARY_DIR}/${TARMAXION_PACKAGE_NAME}.zip)
set(TARMAXION_PACKAGE_PROGRAMS tarmaxion-converter)
if(TARGET trkconv)
  list(APPEND TARMAXION_PACKAGE_PROGRAMS trkconv)
endif()

# The packing runs inside this folder, so it must exist before the first packing.
file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/package)

set(copy_programs)
foreach(program IN LISTS TARMAXION_PACKAGE_PROGRAMS)
  list(APPEND copy_programs COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:${program}> ${TARMAXION_PACKAGE_STAGE})
endforeach()

# The C library beside the programs, where a program or script that loads it by path finds it;
# its header and import library in sdk/, which only those who build against it need.
set(copy_library)
set(library_target)
if(TARGET tarmaxion_track_library)
  set(library_target tarmaxion_track_library)
  set(sdk ${TARMAXION_PACKAGE_STAGE}/sdk)
  list(APPEND copy_library
    COMMAND ${CMAKE_COMMAND} -E make_directory ${sdk}/lib ${sdk}/include/tarmaxion
    COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:tarmaxion_track_library> ${TARMAXION_PACKAGE_STAGE}
    COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_LINKER_FILE:tarmaxion_track_library> ${sdk}/lib/
    COMMAND ${CMAKE_COMMAND} -E copy ${PROJECT_SOURCE_DIR}/lib/include/tarmaxion/track.h ${TARMAXION_LIBRARY_VERSION_HEADER}
            ${sdk}/include/tarmaxion/)
endif()

add_custom_target(package-windows
  COMMAND ${CMAKE_COMMAND} -E rm -rf ${TARMAXION_PACKAGE_STAGE}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${TARMAXION_PACKAGE_STAGE}
  ${copy_programs}
  ${copy_library}
  COMMAND ${CMAKE_COMMAND} -E copy ${TARMAXION_GUIDE} ${TARMAXION_PACKAGE_STAGE}
  COMMAND Python3::Interpreter ${PROJECT_SOURCE_DIR}/packaging/pack_zip.py ${TARMAXION_PACKAGE_ZIP} ${TARMAXION_PACKAGE_NAME}
  WORKING_DIRECTORY ${CMAKE_BINARY_DIR}/package
  DEPENDS ${TARMAXION_PACKAGE_PROGRAMS} ${library_target}
  COMMENT "Packing ${TARMAXION_PACKAGE_ZIP}"
  VERBATIM)
