# GoogleTest from Debian's source package, built with the cross compiler.
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
set(gtest_disable_pthreads OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
include(GoogleTest)

# corvatto_add_test(NAME SOURCES... LIBS ...): a GoogleTest exe whose cases CTest runs under Wine.
function(corvatto_add_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE corvatto_options GTest::gtest GTest::gmock GTest::gtest_main ${ARG_LIBS})
  gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 60
    PROPERTIES ENVIRONMENT "CORVATTO_TEST_DATA=${CMAKE_CURRENT_SOURCE_DIR}")
endfunction()
