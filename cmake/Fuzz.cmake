# Fuzz build (clang with libFuzzer, address and undefined-behaviour checks):
# the whole portable logic and the fakes, built the same way, and one
# executable per tests/fuzz/*Fuzz.cpp. Not part of `make test`; `make fuzz`
# builds it. Taking every portable source (not a hand-picked list) keeps the
# build whole when a fuzzed file gains a dependency.
set(ORVANE_FUZZ_FLAGS -fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)

find_package(GTest REQUIRED)

add_library(orvane_logic STATIC ${ORVANE_PORTABLE_SOURCES})
target_include_directories(orvane_logic PUBLIC ${CMAKE_SOURCE_DIR}/src)
target_compile_options(orvane_logic PUBLIC ${ORVANE_FUZZ_FLAGS} PRIVATE ${ORVANE_WARNINGS} -fsanitize=fuzzer-no-link)
target_link_options(orvane_logic PUBLIC ${ORVANE_FUZZ_FLAGS})

# The fakes' scripted dialogs report through GoogleTest, so it is linked too.
file(GLOB ORVANE_FAKE_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/fakes/*.cpp)
add_library(orvane_fakes STATIC ${ORVANE_FAKE_SOURCES})
target_include_directories(orvane_fakes PUBLIC ${CMAKE_SOURCE_DIR}/tests)
target_link_libraries(orvane_fakes PUBLIC orvane_logic GTest::gtest)
target_compile_options(orvane_fakes PRIVATE ${ORVANE_WARNINGS} -fsanitize=fuzzer-no-link)

file(GLOB ORVANE_FUZZ_TARGETS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/fuzz/*Fuzz.cpp)
foreach(source IN LISTS ORVANE_FUZZ_TARGETS)
  get_filename_component(name ${source} NAME_WE)
  add_executable(${name} ${source})
  target_link_libraries(${name} PRIVATE orvane_fakes)
  target_compile_options(${name} PRIVATE ${ORVANE_WARNINGS} -fsanitize=fuzzer)
  target_link_options(${name} PRIVATE -fsanitize=fuzzer)
endforeach()
