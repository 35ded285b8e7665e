# Install layout: the plug-in and its pkg-config file under the multiarch library folder,
# the public header, the three programs, the example kiosk and the documentation.
if(NOT DEFINED CMAKE_INSTALL_LIBDIR AND CMAKE_LIBRARY_ARCHITECTURE)
  # GNUInstallDirs picks the multiarch folder only for /usr; hosts look for it under any prefix.
  set(CMAKE_INSTALL_LIBDIR lib/${CMAKE_LIBRARY_ARCHITECTURE} CACHE PATH "Object code libraries")
endif()
include(GNUInstallDirs)
# Installed files get their modes from the rules below, never from the source tree's or the
# umask's: a tree checked out or unpacked group-writable installs as any other.
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
  OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

# An installed kiosk-host finds the installed plug-in beside it, whatever the prefix.
file(RELATIVE_PATH plugin_from_bindir ${CMAKE_INSTALL_FULL_BINDIR}
  ${CMAKE_INSTALL_FULL_LIBDIR}/libinvoiceview.so.${PROJECT_VERSION_MAJOR})
target_compile_definitions(kiosk-host PRIVATE IV_INSTALLED_PLUGIN="${plugin_from_bindir}")

install(TARGETS invoiceview LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR})
install(FILES ${PROJECT_SOURCE_DIR}/include/invoiceview/host_services.h
  DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/invoiceview)
install(TARGETS kiosk-host invoice-render kiosk-check RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# The log folders stay, empty: the plug-in writes into them.
install(DIRECTORY ${PROJECT_SOURCE_DIR}/examples/kiosk/
  DESTINATION ${CMAKE_INSTALL_DATADIR}/invoiceview/examples/kiosk
  REGEX "/(Log|ErrorLog)/." EXCLUDE)
# The documentation keeps the repository's layout, so its links and pictures work installed.
install(FILES ${PROJECT_SOURCE_DIR}/README.md DESTINATION ${CMAKE_INSTALL_DOCDIR})
install(DIRECTORY ${PROJECT_SOURCE_DIR}/docs/ DESTINATION ${CMAKE_INSTALL_DOCDIR}/docs
  PATTERN man EXCLUDE)
# Manual pages are installed compressed, as man and Debian expect them.
foreach(page kiosk-host.1 invoice-render.1 kiosk-check.1)
  set(source ${PROJECT_SOURCE_DIR}/docs/man/${page})
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${source})
  execute_process(COMMAND gzip -9nc ${source} OUTPUT_FILE ${PROJECT_BINARY_DIR}/${page}.gz)
  install(FILES ${PROJECT_BINARY_DIR}/${page}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endforeach()

# The prefix is only known at install time (cmake --install --prefix), so the .pc file is
# made then and installed like any other file; everything else is filled in now.
set(IV_PC_PREFIX "@CMAKE_INSTALL_PREFIX@")
configure_file(${PROJECT_SOURCE_DIR}/cmake/invoiceview.pc.in ${PROJECT_BINARY_DIR}/invoiceview.pc.in @ONLY)
# It is made in a folder of its own for each install, since installs may run side by side.
install(CODE "
  string(RANDOM LENGTH 12 staging)
  set(staging \"${PROJECT_BINARY_DIR}/pkgconfig-\${staging}\")
  configure_file(\"${PROJECT_BINARY_DIR}/invoiceview.pc.in\" \"\${staging}/invoiceview.pc\" @ONLY)
  file(INSTALL \"\${staging}/invoiceview.pc\"
    DESTINATION \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_LIBDIR}/pkgconfig\"
    PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
  file(REMOVE_RECURSE \"\${staging}\")")

include(${CMAKE_CURRENT_LIST_DIR}/Package.cmake)
