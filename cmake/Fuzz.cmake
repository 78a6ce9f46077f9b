# Fuzz build (clang with libFuzzer, address and undefined-behaviour checks):
# the parts of the logic that read untrusted text, and one executable per
# tests/fuzz/*Fuzz.cpp. Not part of `make test`; `make fuzz` builds it.
set(ORVANE_FUZZ_FLAGS -fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)

orvane_sources(ORVANE_UI_SOURCES ui)
set(ORVANE_FUZZED_SOURCES ${ORVANE_UI_SOURCES})
foreach(name ActionText SystemKeys DescribeAction ActionForm ActionFormDescription)
  list(APPEND ORVANE_FUZZED_SOURCES ${CMAKE_SOURCE_DIR}/src/actions/${name}.cpp)
endforeach()
add_library(orvane_fuzzed STATIC ${ORVANE_FUZZED_SOURCES})
target_include_directories(orvane_fuzzed PUBLIC ${CMAKE_SOURCE_DIR}/src)
target_compile_options(orvane_fuzzed PUBLIC ${ORVANE_FUZZ_FLAGS} PRIVATE ${ORVANE_WARNINGS} -fsanitize=fuzzer-no-link)
target_link_options(orvane_fuzzed PUBLIC ${ORVANE_FUZZ_FLAGS})

file(GLOB ORVANE_FUZZ_TARGETS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/fuzz/*Fuzz.cpp)
foreach(source IN LISTS ORVANE_FUZZ_TARGETS)
  get_filename_component(name ${source} NAME_WE)
  add_executable(${name} ${source})
  target_link_libraries(${name} PRIVATE orvane_fuzzed)
  target_compile_options(${name} PRIVATE ${ORVANE_WARNINGS} -fsanitize=fuzzer)
  target_link_options(${name} PRIVATE -fsanitize=fuzzer)
endforeach()
