# Native build: the logic and the control model against the fakes, with GoogleTest.
find_package(GTest REQUIRED)
include(GoogleTest)

file(GLOB_RECURSE ORVANE_NATIVE_TESTS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/native/*.cpp)
add_executable(orvane_tests ${ORVANE_NATIVE_TESTS} ${ORVANE_CONTRACT_TESTS})
target_link_libraries(orvane_tests PRIVATE orvane_fakes GTest::gtest GTest::gtest_main)
target_compile_options(orvane_tests PRIVATE ${ORVANE_WARNINGS})
# Tests of files the release ships read them from the source tree.
target_compile_definitions(orvane_tests PRIVATE ORVANE_SOURCE_DIR="${CMAKE_SOURCE_DIR}")
# The shipped language files are checked against the windows' keys.
target_compile_definitions(orvane_tests PRIVATE ORVANE_LANG_DIR="${CMAKE_SOURCE_DIR}/lang/")
gtest_discover_tests(orvane_tests DISCOVERY_MODE PRE_TEST)

# Timings of configuration files and recognition, when Google Benchmark is installed. The
# scripted dialogs of the fakes report through GoogleTest, so it is linked too.
find_package(benchmark QUIET)
if(benchmark_FOUND)
  file(GLOB ORVANE_BENCHMARKS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/benchmark/*.cpp)
  add_executable(orvane_benchmarks ${ORVANE_BENCHMARKS})
  target_link_libraries(orvane_benchmarks PRIVATE orvane_fakes GTest::gtest benchmark::benchmark)
  target_compile_options(orvane_benchmarks PRIVATE ${ORVANE_WARNINGS})
endif()
