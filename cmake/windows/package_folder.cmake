# The Windows release's folder, what the win32 zip holds, laid out from a windows build. Used by
# windows_package and by the tests that run the release as an integrator would.
# cmake -DSOURCE=<source folder> -DBUILD=<build/windows> -DSTAGE=<folder> -P package_folder.cmake
cmake_minimum_required(VERSION 3.25)
set(tools i686-w64-mingw32)
file(REMOVE_RECURSE ${STAGE})
file(MAKE_DIRECTORY ${STAGE}/include/invoiceview ${STAGE}/docs ${STAGE}/examples/windows)
file(STRINGS ${BUILD}/CMakeCache.txt deps_prefix REGEX "^IV_WINDOWS_DEPS_PREFIX:")
string(REGEX REPLACE "^[^=]*=" "" deps_prefix "${deps_prefix}")

# strip and objcopy stamp the PE headers they write with this time: 0, as the linker leaves it.
set(ENV{SOURCE_DATE_EPOCH} 0)

# At the top: the DLL and the programs; what a host links against; the README and demo.bat.
file(COPY ${BUILD}/plugin/invoiceview.dll ${BUILD}/host/kiosk-host.exe ${BUILD}/tools/invoice-render.exe
          ${BUILD}/tools/kiosk-check.exe DESTINATION ${STAGE})
# The DLL's debug information moves to invoiceview.dll.debug, which the DLL names (a GNU debug
# link, with its checksum) for gdb and addr2line; its link map goes beside it as invoiceview.map,
# with the folders named as the debug information names them.
execute_process(COMMAND ${tools}-objcopy --only-keep-debug invoiceview.dll invoiceview.dll.debug
                COMMAND_ERROR_IS_FATAL ANY WORKING_DIRECTORY ${STAGE})
execute_process(COMMAND ${tools}-strip invoiceview.dll kiosk-host.exe invoice-render.exe kiosk-check.exe
                COMMAND_ERROR_IS_FATAL ANY WORKING_DIRECTORY ${STAGE})
execute_process(COMMAND ${tools}-objcopy --add-gnu-debuglink=invoiceview.dll.debug invoiceview.dll
                COMMAND_ERROR_IS_FATAL ANY WORKING_DIRECTORY ${STAGE})
file(READ ${BUILD}/plugin/invoiceview.dll.map map)
string(REPLACE "${deps_prefix}/" "windows-deps/" map "${map}")
string(REPLACE "${SOURCE}/" "invoiceview/" map "${map}")
file(WRITE ${STAGE}/invoiceview.map "${map}")
file(COPY ${SOURCE}/plugin/invoiceview.def ${BUILD}/plugin/invoiceview.lib ${BUILD}/plugin/libinvoiceview.dll.a
     DESTINATION ${STAGE})
file(GLOB top ${SOURCE}/cmake/windows/zip/*)
file(COPY ${top} DESTINATION ${STAGE})
# The licences of what the binaries' link maps say they contain.
execute_process(COMMAND ${SOURCE}/cmake/windows/notices.sh ${deps_prefix} ${BUILD}/plugin/invoiceview.dll.map
                        ${BUILD}/host/kiosk-host.exe.map ${BUILD}/tools/invoice-render.exe.map
                        ${BUILD}/tools/kiosk-check.exe.map
                OUTPUT_FILE ${STAGE}/NOTICES.txt COMMAND_ERROR_IS_FATAL ANY)

# The header, with its Pascal (Delphi) and C# declarations.
file(GLOB declarations ${SOURCE}/include/invoiceview/*)
file(COPY ${declarations} DESTINATION ${STAGE}/include/invoiceview)
file(GLOB guides ${SOURCE}/docs/*.md)
file(COPY ${guides} ${SOURCE}/docs/images ${SOURCE}/docs/template-data DESTINATION ${STAGE}/docs)
file(COPY ${SOURCE}/examples/kiosk DESTINATION ${STAGE}/examples PATTERN .gitignore EXCLUDE)
file(COPY ${SOURCE}/examples/windows/mini_host.c DESTINATION ${STAGE}/examples/windows)
# The sample kiosk starts with empty logs, whatever a run in the source folder left there.
file(GLOB logs ${STAGE}/examples/kiosk/Log/* ${STAGE}/examples/kiosk/ErrorLog/*)
if(logs)
  file(REMOVE ${logs})
endif()

# Text files end their lines in CR LF, as Windows editors and cmd expect (the kiosk's readers take
# either); only line feeds are touched, so a file's last line stays as it is.
file(GLOB_RECURSE texts ${STAGE}/*.md ${STAGE}/*.txt ${STAGE}/*.bat ${STAGE}/*.c ${STAGE}/*.h ${STAGE}/*.pas
     ${STAGE}/*.cs ${STAGE}/*.def ${STAGE}/*.map ${STAGE}/*.ini ${STAGE}/*.xml)
execute_process(COMMAND perl -pi -e "s/\\r?\\n/\\r\\n/" ${texts} COMMAND_ERROR_IS_FATAL ANY)
