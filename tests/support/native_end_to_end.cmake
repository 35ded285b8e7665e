# The native build's end-to-end test programs run unchanged against a cross build: the
# environment hands them this build's plug-in and scripts that start this build's programs
# under its emulator (CMAKE_CROSSCOMPILING_EMULATOR). The native stage builds those test
# programs first.
set(IV_NATIVE_TEST_BUILD ${PROJECT_SOURCE_DIR}/build/release CACHE PATH
  "The native build whose end-to-end test programs run against this build")

# iv_native_end_to_end(<prefix> PROGRAMS <target>... TESTS "<folder> <program> <gtest filter>"...)
# Target kiosk-host is handed as IV_TEST_KIOSK_HOST, and so on; its script is
# ${CMAKE_CURRENT_BINARY_DIR}/emulated/kiosk-host. Each test is <prefix>.end_to_end.<folder>.
function(iv_native_end_to_end prefix)
  cmake_parse_arguments(E "" "" "PROGRAMS;TESTS" ${ARGN})
  list(JOIN CMAKE_CROSSCOMPILING_EMULATOR " " emulator)
  set(environment IV_TEST_PLUGIN=$<TARGET_FILE:invoiceview>)
  foreach(program ${E_PROGRAMS})
    file(GENERATE OUTPUT ${CMAKE_CURRENT_BINARY_DIR}/emulated/${program}
      CONTENT "#!/bin/sh\nexec ${emulator} '$<TARGET_FILE:${program}>' \"$@\"\n"
      FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE)
    string(TOUPPER "${program}" variable)
    string(REPLACE "-" "_" variable "${variable}")
    list(APPEND environment IV_TEST_${variable}=${CMAKE_CURRENT_BINARY_DIR}/emulated/${program})
  endforeach()
  foreach(end_to_end ${E_TESTS})
    separate_arguments(end_to_end)
    list(GET end_to_end 0 folder)
    list(GET end_to_end 1 program)
    list(GET end_to_end 2 filter)
    add_test(NAME ${prefix}.end_to_end.${folder}
      COMMAND ${IV_NATIVE_TEST_BUILD}/tests/${folder}/${program} --gtest_filter=${filter})
    set_tests_properties(${prefix}.end_to_end.${folder} PROPERTIES
      ENVIRONMENT "${environment}" TIMEOUT 1200)
  endforeach()
endfunction()
