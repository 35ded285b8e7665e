# Where Linux and Windows differ, <name>_posix.cpp and <name>_win32.cpp sit beside each other
# behind one header; Windows has no SDL back end. Removes the other system's files from a list.
function(iv_keep_platform_sources list_name)
  set(sources ${${list_name}})
  if(WIN32)
    list(FILTER sources EXCLUDE REGEX "(_posix\\.cpp|/sdl_[^/]*\\.cpp)$")
  else()
    list(FILTER sources EXCLUDE REGEX "_win32\\.cpp$")
  endif()
  set(${list_name} ${sources} PARENT_SCOPE)
endfunction()

# iv_module(<target> [DEPS <libs>...]): one static library from every .cpp below the
# calling folder, for this system. Headers are included by their path from the project root.
function(iv_module target)
  cmake_parse_arguments(M "" "" "DEPS" ${ARGN})
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  iv_keep_platform_sources(sources)
  add_library(${target} STATIC ${sources})
  target_include_directories(${target} PUBLIC ${PROJECT_SOURCE_DIR} ${PROJECT_SOURCE_DIR}/include)
  target_link_libraries(${target} PUBLIC ${M_DEPS})
endfunction()

# iv_test(<name> [LIBS <libs>...] [PROPERTIES <ctest properties>...]): one GoogleTest program
# from every .cpp in the calling folder, registered with CTest with the given properties. Tests
# run with the calling folder's data under tests/data.
function(iv_test name)
  cmake_parse_arguments(T "" "" "LIBS;PROPERTIES" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  iv_keep_platform_sources(sources)
  add_executable(${name} ${sources})
  target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest GTest::gmock GTest::gtest_main)
  target_compile_definitions(${name} PRIVATE
    IV_TEST_DATA="${PROJECT_SOURCE_DIR}/tests/data"
    IV_SOURCE_DIR="${PROJECT_SOURCE_DIR}"
    IV_BINARY_DIR="${PROJECT_BINARY_DIR}")
  include(GoogleTest)
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60 PROPERTIES TIMEOUT 300 ${T_PROPERTIES})
endfunction()
