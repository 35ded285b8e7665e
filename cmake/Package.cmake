# The Debian package: what `cmake --install` installs, under /usr, with its run-time needs worked
# out from the binaries by dpkg-shlibdeps, plus the fonts the kiosk's font names map to.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME invoiceview)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "invoiceview developers <developers@invoiceview.invalid>")
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "invoice screen plug-in for self-service payment kiosks")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "A kiosk host loads libinvoiceview and calls ShowForm: the transaction's invoice
is shown full-screen, laid out from a template file and the host's data and
drawn with anti-aliased text; the customer pages the detail lines, prints the
receipt through the host and leaves.

The package holds the plug-in, its C header and pkg-config file, the
reference host kiosk-host, the template tool invoice-render, the kiosk
checker kiosk-check, a sample kiosk folder and the guides.")
# A cross build is packaged for the machines it was built for (arm64 for aarch64-linux-gnu).
if(CMAKE_CROSSCOMPILING)
  execute_process(COMMAND dpkg-architecture -t ${CMAKE_LIBRARY_ARCHITECTURE} -qDEB_HOST_ARCH
    OUTPUT_VARIABLE CPACK_DEBIAN_PACKAGE_ARCHITECTURE OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET
    COMMAND_ERROR_IS_FATAL ANY)
endif()
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS ON)
# The library lies in a folder ld.so caches: its cache is refreshed by trigger.
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${PROJECT_SOURCE_DIR}/cmake/debian/triggers)
# Control files get the modes Debian's policy asks for, whatever the source tree's are.
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-wqy-zenhei, fonts-arphic-uming, fonts-arphic-ukai, fonts-dejavu-core")

# Every Debian package carries its copyright and changelog in its documentation folder.
set(debian_doc ${PROJECT_BINARY_DIR}/debian-doc)
file(MAKE_DIRECTORY ${debian_doc})
execute_process(COMMAND gzip -9nc ${PROJECT_SOURCE_DIR}/cmake/debian/changelog
  OUTPUT_FILE ${debian_doc}/changelog.gz)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/cmake/debian/changelog)
install(FILES ${PROJECT_SOURCE_DIR}/cmake/debian/copyright ${debian_doc}/changelog.gz
  DESTINATION ${CMAKE_INSTALL_DOCDIR})
include(CPack)
