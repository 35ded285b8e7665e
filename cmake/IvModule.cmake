# iv_platform_sources(<list> [LINUX <files>...] [WINDOWS <files>...]): where the systems differ,
# each back end (SDL, FreeType, iconv, inotify ... on Linux; Win32, GDI on Windows) is named
# here, relative to the calling folder, under the system it is built for. The files of the
# other system are taken out of <list>, the sources found in the folder; the rest stay common.
function(iv_platform_sources list_name)
  cmake_parse_arguments(P "" "" "LINUX;WINDOWS" ${ARGN})
  foreach(system LINUX WINDOWS)
    list(TRANSFORM P_${system} PREPEND ${CMAKE_CURRENT_SOURCE_DIR}/)
    foreach(file ${P_${system}})
      if(NOT EXISTS ${file})
        message(FATAL_ERROR "${file}: listed as a ${system} source, but there is no such file")
      endif()
    endforeach()
  endforeach()
  set(sources ${${list_name}})
  list(REMOVE_ITEM sources ${P_LINUX} ${P_WINDOWS})
  if(WIN32)
    list(APPEND sources ${P_WINDOWS})
  else()
    list(APPEND sources ${P_LINUX})
  endif()
  set(${list_name} ${sources} PARENT_SCOPE)
endfunction()

# iv_module(<target> [LINUX <files>...] [WINDOWS <files>...] [PUBLIC <libs>...]
#           [PRIVATE <libs>...]): one static library from every .cpp below the calling folder,
# for this system (see iv_platform_sources). Headers are included by their path from the
# project root; PUBLIC are the modules and libraries its headers include, PRIVATE those only
# its sources do. Which module may include which is checked by tests/layers.
function(iv_module target)
  cmake_parse_arguments(M "" "" "LINUX;WINDOWS;PUBLIC;PRIVATE" ${ARGN})
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  iv_platform_sources(sources LINUX ${M_LINUX} WINDOWS ${M_WINDOWS})
  add_library(${target} STATIC ${sources})
  target_include_directories(${target} PUBLIC ${PROJECT_SOURCE_DIR})
  target_link_libraries(${target} PUBLIC ${M_PUBLIC} PRIVATE ${M_PRIVATE})
endfunction()

# iv_test(<name> [LIBS <libs>...] [PROPERTIES <ctest properties>...]): one GoogleTest program
# from every .cpp in the calling folder, registered with CTest with the given properties. Tests
# run with the calling folder's data under tests/data.
function(iv_test name)
  cmake_parse_arguments(T "" "" "LIBS;PROPERTIES" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  add_executable(${name} ${sources})
  target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest GTest::gmock GTest::gtest_main)
  target_compile_definitions(${name} PRIVATE
    IV_TEST_DATA="${PROJECT_SOURCE_DIR}/tests/data"
    IV_SOURCE_DIR="${PROJECT_SOURCE_DIR}"
    IV_BINARY_DIR="${PROJECT_BINARY_DIR}")
  include(GoogleTest)
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60 PROPERTIES TIMEOUT 300 ${T_PROPERTIES})
endfunction()
