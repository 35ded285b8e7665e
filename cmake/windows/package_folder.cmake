# The Windows release's folder, what the win32 zip holds, laid out from a windows build. Used by
# windows_package and by the tests that run the release as an integrator would.
# cmake -DSOURCE=<source folder> -DBUILD=<build/windows> -DSTAGE=<folder> -DSTRIP=<strip> -P package_folder.cmake
cmake_minimum_required(VERSION 3.25)
file(REMOVE_RECURSE ${STAGE})
file(MAKE_DIRECTORY ${STAGE}/include/invoiceview ${STAGE}/docs ${STAGE}/examples/windows)

# At the top: the DLL and the programs; what a host links against; the README and demo.bat.
file(COPY ${BUILD}/plugin/invoiceview.dll ${BUILD}/host/kiosk-host.exe ${BUILD}/tools/invoice-render.exe
          ${BUILD}/tools/kiosk-check.exe DESTINATION ${STAGE})
execute_process(COMMAND ${STRIP} ${STAGE}/invoiceview.dll ${STAGE}/kiosk-host.exe ${STAGE}/invoice-render.exe
                        ${STAGE}/kiosk-check.exe COMMAND_ERROR_IS_FATAL ANY)
file(COPY ${SOURCE}/plugin/invoiceview.def ${BUILD}/plugin/invoiceview.lib ${BUILD}/plugin/libinvoiceview.dll.a
     DESTINATION ${STAGE})
file(GLOB top ${SOURCE}/cmake/windows/zip/*)
file(COPY ${top} DESTINATION ${STAGE})

file(COPY ${SOURCE}/include/invoiceview/host_services.h DESTINATION ${STAGE}/include/invoiceview)
file(GLOB guides ${SOURCE}/docs/*.md)
file(COPY ${guides} ${SOURCE}/docs/images ${SOURCE}/docs/template-data DESTINATION ${STAGE}/docs)
file(COPY ${SOURCE}/examples/kiosk DESTINATION ${STAGE}/examples PATTERN .gitignore EXCLUDE)
file(COPY ${SOURCE}/examples/windows/mini_host.c DESTINATION ${STAGE}/examples/windows)
# The sample kiosk starts with empty logs, whatever a run in the source folder left there.
file(GLOB logs ${STAGE}/examples/kiosk/Log/* ${STAGE}/examples/kiosk/ErrorLog/*)
if(logs)
  file(REMOVE ${logs})
endif()
