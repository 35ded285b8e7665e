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

install(TARGETS invoiceview EXPORT invoiceview-targets LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR})
install(FILES ${PROJECT_SOURCE_DIR}/include/invoiceview/host_services.h
  DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/invoiceview)
install(TARGETS kiosk-host invoice-render kiosk-check RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# The log folders stay, empty: the plug-in writes into them. Beside the kiosk: the guide's C
# host with its CMake project, and the systemd unit of a Linux kiosk (not enabled).
install(DIRECTORY ${PROJECT_SOURCE_DIR}/examples/
  DESTINATION ${CMAKE_INSTALL_DATADIR}/invoiceview/examples
  REGEX "/kiosk/(Log|ErrorLog)/." EXCLUDE)
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

# find_package(invoiceview CONFIG): the imported target and the plug-in's folder, relative to
# wherever the prefix ends up.
target_include_directories(invoiceview INTERFACE $<INSTALL_INTERFACE:${CMAKE_INSTALL_INCLUDEDIR}>)
set(cmake_package_dir ${CMAKE_INSTALL_LIBDIR}/cmake/invoiceview)
install(EXPORT invoiceview-targets NAMESPACE invoiceview:: DESTINATION ${cmake_package_dir})
include(CMakePackageConfigHelpers)
configure_package_config_file(${CMAKE_CURRENT_LIST_DIR}/invoiceview-config.cmake.in
  ${PROJECT_BINARY_DIR}/invoiceview-config.cmake INSTALL_DESTINATION ${cmake_package_dir}
  PATH_VARS CMAKE_INSTALL_LIBDIR)
write_basic_package_version_file(${PROJECT_BINARY_DIR}/invoiceview-config-version.cmake
  COMPATIBILITY SameMajorVersion)
install(FILES ${PROJECT_BINARY_DIR}/invoiceview-config.cmake ${PROJECT_BINARY_DIR}/invoiceview-config-version.cmake
  DESTINATION ${cmake_package_dir})

# pkg-config's convention for a library not yet installed: PKG_CONFIG_PATH=<build folder>
# pkg-config invoiceview-uninstalled gives the source tree's header and the built plug-in.
set(IV_PC_INCLUDEDIR ${PROJECT_SOURCE_DIR}/include)
set(IV_PC_LIBDIR $<TARGET_FILE_DIR:invoiceview>)
configure_file(${PROJECT_SOURCE_DIR}/cmake/invoiceview-uninstalled.pc.in
  ${PROJECT_BINARY_DIR}/invoiceview-uninstalled.pc.in @ONLY)
file(GENERATE OUTPUT ${PROJECT_BINARY_DIR}/invoiceview-uninstalled.pc
  INPUT ${PROJECT_BINARY_DIR}/invoiceview-uninstalled.pc.in)

include(${CMAKE_CURRENT_LIST_DIR}/Package.cmake)
