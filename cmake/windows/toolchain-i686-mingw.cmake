# 32-bit Windows with Debian's MinGW-w64 cross compiler (g++-mingw-w64-i686-posix).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)

set(triple i686-w64-mingw32)
set(CMAKE_C_COMPILER ${triple}-gcc-posix)
set(CMAKE_CXX_COMPILER ${triple}-g++-posix)
set(CMAKE_RC_COMPILER ${triple}-windres)

# Libraries and headers come from the cross root and the cross-built dependencies only. The
# folder is spelt one way (no "..") in every path the build writes, since the release's link map
# and notices recognise the libraries by it.
get_filename_component(deps_prefix "${CMAKE_CURRENT_LIST_DIR}/../../build/windows-deps/prefix" ABSOLUTE)
set(IV_WINDOWS_DEPS_PREFIX "${deps_prefix}" CACHE PATH "Cross-built libxml2, libjpeg-turbo and libpng")
set(CMAKE_FIND_ROOT_PATH /usr/${triple} ${IV_WINDOWS_DEPS_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# The C and C++ runtimes and winpthread go into every binary, so the plug-in imports
# system DLLs only.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static")
set(CMAKE_MODULE_LINKER_FLAGS_INIT "-static")

# Test programs run under wine.
find_program(IV_WINE wine)
if(IV_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${IV_WINE})
endif()
