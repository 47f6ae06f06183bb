# Native build: the portable core and its unit tests.
find_package(GTest REQUIRED)
include(GoogleTest)

file(GLOB RELANTO_UNIT_TESTS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/unit/*.cpp)
add_executable(relanto_unit_tests ${RELANTO_UNIT_TESTS})
target_include_directories(relanto_unit_tests PRIVATE ${CMAKE_SOURCE_DIR}/tests)
target_link_libraries(relanto_unit_tests PRIVATE relanto_core GTest::gtest GTest::gtest_main GTest::gmock)
# The tests' own code is compiled without optimisation, which halves its compile time and costs their run nothing
# that shows; the code under test keeps the program's flags. GoogleTest's headers are parsed once for all files.
target_compile_options(relanto_unit_tests PRIVATE $<$<CXX_COMPILER_ID:GNU,Clang>:-O0>)
target_precompile_headers(relanto_unit_tests PRIVATE <gtest/gtest.h> <gmock/gmock.h> <functional> <map> <memory>
                          <sstream> <string> <vector>)
gtest_discover_tests(relanto_unit_tests DISCOVERY_TIMEOUT 60)

if(EXISTS ${CMAKE_SOURCE_DIR}/bench/CMakeLists.txt)
  add_subdirectory(bench)
endif()

# The set-up script against stand-in package tools, one row per state a package mirror can be in.
foreach(row EverythingInstalled AnIndexFailsButTheInstallWorks TheInstallGoesThroughPinnedToTheRelease
            APackageCannotBeInstalled NotRootWhileSomethingIsMissing)
  add_test(NAME SetupDeps.${row} COMMAND bash ${CMAKE_SOURCE_DIR}/tests/setup/setup_deps_test.sh ${row})
endforeach()
