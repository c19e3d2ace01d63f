# CLI11 and nlohmann-json for a cross build. Both are header-only and the same for every target,
# but the target's system has no package of them. The host's copies are linked into a folder of
# their own, so the cross compiler sees these two libraries and no other host header.
set(TARMAXION_HOST_HEADERS ${CMAKE_BINARY_DIR}/host-headers)
file(MAKE_DIRECTORY ${TARMAXION_HOST_HEADERS})
foreach(folder CLI nlohmann)
  if(NOT IS_DIRECTORY /usr/include/${folder})
    message(FATAL_ERROR "/usr/include/${folder} is missing: run scripts/install-deps windows")
  endif()
  file(CREATE_LINK /usr/include/${folder} ${TARMAXION_HOST_HEADERS}/${folder} SYMBOLIC)
endforeach()

add_library(tarmaxion_host_header_only INTERFACE)
target_include_directories(tarmaxion_host_header_only SYSTEM INTERFACE ${TARMAXION_HOST_HEADERS})
add_library(CLI11::CLI11 ALIAS tarmaxion_host_header_only)
add_library(nlohmann_json::nlohmann_json ALIAS tarmaxion_host_header_only)
