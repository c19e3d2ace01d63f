# Run by CPack after the Debian packages are built: each package is unpacked and built again by
# dpkg-deb, as Debian builds its own. CPack's packages carry the times their files were built,
# and give a package with a shared library a postinst and a postrm that call ldconfig
# themselves. dpkg-deb takes the package's times from SOURCE_DATE_EPOCH, when set, and every
# file's time is set to it first, so that two builds of one commit give the same bytes; Debian
# runs ldconfig through the package's trigger instead (Debian.cmake adds it), so those scripts go.
foreach(package IN LISTS CPACK_PACKAGE_FILES)
  set(tree ${package}.tree)
  file(REMOVE_RECURSE ${tree})
  execute_process(COMMAND dpkg-deb -R ${package} ${tree} COMMAND_ERROR_IS_FATAL ANY)
  if(EXISTS ${tree}/DEBIAN/triggers)
    file(REMOVE ${tree}/DEBIAN/postinst ${tree}/DEBIAN/postrm)
  endif()
  # The folders CPack made follow the umask of the build; in a package none is group-writable.
  execute_process(COMMAND chmod -R go-w ${tree} COMMAND_ERROR_IS_FATAL ANY)
  if(DEFINED ENV{SOURCE_DATE_EPOCH})
    execute_process(COMMAND find ${tree} -exec touch -h -d @$ENV{SOURCE_DATE_EPOCH} {} +
                    COMMAND_ERROR_IS_FATAL ANY)
  endif()
  execute_process(COMMAND dpkg-deb --root-owner-group -Zgzip -b ${tree} ${package}
                  OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)
  file(REMOVE_RECURSE ${tree})
endforeach()
