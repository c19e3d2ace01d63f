# The Debian package: `cpack -G DEB` in a build with the Qt window gives
# tarmaxion-converter_<version>_<arch>.deb, its library dependencies found by dpkg-shlibdeps.
set(CPACK_PACKAGE_NAME tarmaxion-converter)
set(CPACK_PACKAGE_VENDOR "Tarmaxion Converter developers")
set(CPACK_PACKAGE_CONTACT ${TARMAXION_MAINTAINER})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "show Tarmaxion tracks and save them for version 1.05")
set(CPACK_PACKAGE_DESCRIPTION
    "Tarmaxion Converter opens the track files of the racing game Tarmaxion
(versions 1.05 and 1.10) in a window: it lists their header and record fields,
draws a map of the terrain, water and placed objects, and writes a copy that
declares version 1.05.

The package also holds trkconv, which lists, converts and draws tracks from
the command line.")
set(CPACK_GENERATOR DEB)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The package installs under /usr, as every Debian package does.
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
include(CPack)
