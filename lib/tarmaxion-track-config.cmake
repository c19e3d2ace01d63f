# find_package(tarmaxion-track) gives the imported target tarmaxion::track.
include(${CMAKE_CURRENT_LIST_DIR}/tarmaxion-track-targets.cmake)
