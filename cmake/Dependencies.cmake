# Every dependency comes from Debian's packages; ./run installs them. The Windows build takes
# libxml2, libjpeg-turbo and libpng from build/windows-deps (cmake/windows/deps.sh) and zlib
# from the MinGW cross root, all static; it draws with GDI and presents with Win32 instead of
# FreeType, fontconfig and SDL.
find_package(Threads REQUIRED)
if(WIN32)
  # The C runtime's localtime_r, as on POSIX.
  add_compile_definitions(_POSIX_THREAD_SAFE_FUNCTIONS)
  set(ZLIB_LIBRARY /usr/i686-w64-mingw32/lib/libz.a CACHE FILEPATH "Static zlib of the cross root")
  find_package(JPEG REQUIRED)
  find_package(PNG REQUIRED)
  # The package's own configuration carries LIBXML_STATIC for the static library.
  find_package(LibXml2 REQUIRED CONFIG)
else()
  find_package(PkgConfig REQUIRED)
  find_package(JPEG REQUIRED)
  find_package(PNG REQUIRED)
  find_package(LibXml2 REQUIRED)
  pkg_check_modules(FREETYPE REQUIRED IMPORTED_TARGET freetype2)
  pkg_check_modules(FONTCONFIG REQUIRED IMPORTED_TARGET fontconfig)
  pkg_check_modules(SDL2 REQUIRED IMPORTED_TARGET sdl2)
endif()
if(IV_BUILD_TESTS AND WIN32)
  # GoogleTest's sources from libgtest-dev, built with the cross compiler; the test programs
  # are listed when ctest runs them under wine, not while building.
  set(IV_GOOGLETEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest sources (libgtest-dev)")
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  add_subdirectory(${IV_GOOGLETEST_SOURCE} ${PROJECT_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
  # Its own targets (GTest::gtest, ...) are not held to the project's warning options.
  foreach(library gtest gtest_main gmock gmock_main)
    set_target_properties(${library} PROPERTIES COMPILE_OPTIONS -w)
  endforeach()
  set(CMAKE_GTEST_DISCOVER_TESTS_DISCOVERY_MODE PRE_TEST)
elseif(IV_BUILD_TESTS)
  find_package(GTest REQUIRED)
endif()
if(IV_BUILD_BENCH)
  find_package(benchmark REQUIRED)
  pkg_check_modules(SDL2_TTF REQUIRED IMPORTED_TARGET SDL2_ttf)
endif()
