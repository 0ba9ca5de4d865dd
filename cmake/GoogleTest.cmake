# GoogleTest from Debian's source package (googletest), built with the same compiler and flags as
# the code under test, so that the Windows test programs are built the same way as the native ones.
set(QUELLMOOR_GTEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest source tree")
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
set(gtest_disable_pthreads OFF CACHE BOOL "" FORCE)
add_subdirectory(${QUELLMOOR_GTEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)

# The unit tests: portable tests (*_test.cpp) run natively and, cross-built, under Wine; tests of
# Windows-only code (*_win_test.cpp) run only under Wine. Each subsystem adds its test files.
add_executable(quellmoor_tests)
quellmoor_defaults(quellmoor_tests)
# The tests reach every folder, their shared helpers (common/tests/...) included.
target_include_directories(quellmoor_tests PRIVATE ${PROJECT_SOURCE_DIR})
target_link_libraries(quellmoor_tests PRIVATE quellmoor_core quellmoor_app GTest::gtest_main)
if(NOT WIN32)
  include(GoogleTest)
  gtest_discover_tests(quellmoor_tests DISCOVERY_TIMEOUT 60)
endif()
