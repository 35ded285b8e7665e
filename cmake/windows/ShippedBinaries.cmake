# What every Windows binary carries: the oldest Windows it runs on, symbols for crash reports, and
# nothing of the folders or the time it was built in, so that two builds of one commit in two
# folders give the same bytes.

# Windows Vista (6.0): the oldest Windows whose system DLLs export every function the binaries
# import (GetTickCount64 is the youngest); the PE header tells the loader, the win32 README people.
set(IV_WINDOWS_MINIMUM_MAJOR 6)
set(IV_WINDOWS_MINIMUM_MINOR 0)
add_link_options(
  -Wl,--major-subsystem-version,${IV_WINDOWS_MINIMUM_MAJOR},--minor-subsystem-version,${IV_WINDOWS_MINIMUM_MINOR}
  -Wl,--major-os-version,${IV_WINDOWS_MINIMUM_MAJOR},--minor-os-version,${IV_WINDOWS_MINIMUM_MINOR}
  # The header's time stamp is left 0.
  -Wl,--no-insert-timestamp)

# Line tables and function names (the release packaging moves them into invoiceview.dll.debug):
# enough to turn a crash address into a function and line, at little cost to the build.
add_compile_options(-g1)

# Debug information and __FILE__ name the sources, the build and the dependencies by folder names
# of their own: invoiceview/platform/..., invoiceview/build/windows, windows-deps. GCC tries the
# last map first and compares plain text: the build lies inside the sources, and its name
# (build/windows) begins that of the dependencies' folder (build/windows-deps/prefix).
file(RELATIVE_PATH build_folder ${PROJECT_SOURCE_DIR} ${PROJECT_BINARY_DIR})
add_compile_options(-ffile-prefix-map=${PROJECT_SOURCE_DIR}=invoiceview
                    -ffile-prefix-map=${PROJECT_BINARY_DIR}=invoiceview/${build_folder}
                    -ffile-prefix-map=${IV_WINDOWS_DEPS_PREFIX}=windows-deps)
# Compiled without ccache: its objects came out naming the dependencies' folder through the source
# map alone (invoiceview/build/windows-deps/...), where the compiler run by hand applies the
# dependencies' map, and it hands back objects made under other maps, as it leaves the maps out of
# its key.
set(CMAKE_C_COMPILER_LAUNCHER "")
set(CMAKE_CXX_COMPILER_LAUNCHER "")

# A link map beside each binary (invoiceview.dll.map: the address of every function), which the
# release ships beside the DLL. The linker writes it in the language of the builder's locale:
# English for every builder.
add_link_options(-Wl,-Map=%.map)
set(CMAKE_C_LINKER_LAUNCHER ${CMAKE_COMMAND} -E env LC_ALL=C)
set(CMAKE_CXX_LINKER_LAUNCHER ${CMAKE_COMMAND} -E env LC_ALL=C)
