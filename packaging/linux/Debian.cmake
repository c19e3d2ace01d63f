# The Debian packages: `cpack -G DEB` in a build with the Qt window gives one package for each
# install component, their library dependencies found by dpkg-shlibdeps:
#   tarmaxion-converter_<version>_<arch>.deb    the window and trkconv (component converter),
#   libtarmaxion-track1_<version>_<arch>.deb     the C library's runtime (library),
#   libtarmaxion-track-dev_<version>_<arch>.deb  what building against it takes (development).
# The programs link the core statically and need no package of the library.
set(CPACK_PACKAGE_NAME tarmaxion-converter)
set(CPACK_PACKAGE_VENDOR "Tarmaxion Converter developers")
set(CPACK_PACKAGE_CONTACT ${TARMAXION_MAINTAINER})
set(CPACK_GENERATOR DEB)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL converter)
if(TARGET tarmaxion_track_library)
  list(APPEND CPACK_COMPONENTS_ALL library development)
endif()
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The package installs under /usr, as every Debian package does.
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)

set(CPACK_DEBIAN_CONVERTER_PACKAGE_NAME tarmaxion-converter)
set(CPACK_DEBIAN_CONVERTER_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_CONVERTER_DESCRIPTION "show Tarmaxion tracks and save them for version 1.05
Tarmaxion Converter opens the track files of the racing game Tarmaxion
(versions 1.05 and 1.10) in a window: it lists their header and record fields,
draws a map of the terrain, water and placed objects, and writes a copy that
declares version 1.05.

The package also holds trkconv, which lists, converts and draws tracks from
the command line.")

set(library_about "libtarmaxion-track reads the track files of the racing game Tarmaxion
(versions 1.05 and 1.10) for other programs, through a small C interface: it
lists a track's fields as text or JSON, makes its version-1.05 copy and draws
its map as pixels or PNG, as the Tarmaxion Converter does.")
# Named after the soname, libtarmaxion-track.so.1.
set(CPACK_DEBIAN_LIBRARY_PACKAGE_NAME libtarmaxion-track1)
set(CPACK_DEBIAN_LIBRARY_PACKAGE_SECTION libs)
set(CPACK_DEBIAN_LIBRARY_DESCRIPTION "read, convert and draw Tarmaxion tracks - shared library
${library_about}

This package holds the shared library.")
# A shlibs file, so that a package built against the library depends on this version or a
# later one of the same soname.
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS ON)
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS_POLICY ">=")
# ldconfig runs through Debian's trigger; CPack's own scripts that would call it are dropped.
file(WRITE ${CMAKE_CURRENT_BINARY_DIR}/library/triggers "activate-noawait ldconfig\n")
set(CPACK_DEBIAN_LIBRARY_PACKAGE_CONTROL_EXTRA ${CMAKE_CURRENT_BINARY_DIR}/library/triggers)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_POST_BUILD_SCRIPTS ${CMAKE_CURRENT_SOURCE_DIR}/RebuildWithDpkg.cmake)

set(CPACK_DEBIAN_DEVELOPMENT_PACKAGE_NAME libtarmaxion-track-dev)
set(CPACK_DEBIAN_DEVELOPMENT_PACKAGE_SECTION libdevel)
set(CPACK_DEBIAN_DEVELOPMENT_PACKAGE_DEPENDS
    "${CPACK_DEBIAN_LIBRARY_PACKAGE_NAME} (= ${PROJECT_VERSION})")
set(CPACK_DEBIAN_DEVELOPMENT_DESCRIPTION "read, convert and draw Tarmaxion tracks - development files
${library_about}

This package holds the header <tarmaxion/track.h>, the link to the library,
a pkg-config file and a CMake package (find_package(tarmaxion-track)).")
include(CPack)
