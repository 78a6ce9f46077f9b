# Windows build: orvane.exe, the Win32 platform tests and the test doubles, all
# 32-bit and statically linked so that they run under Wine with nothing else.
set(CMAKE_EXE_LINKER_FLAGS "${CMAKE_EXE_LINKER_FLAGS} -static -static-libgcc -static-libstdc++")
add_compile_definitions(WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0501 WINVER=0x0501)

file(GLOB ORVANE_WIN32_SOURCES CONFIGURE_DEPENDS
  ${CMAKE_SOURCE_DIR}/src/platform/win32/*.cpp
  ${CMAKE_SOURCE_DIR}/src/ui/win32/*.cpp)
add_library(orvane_win32 STATIC ${ORVANE_WIN32_SOURCES})
target_link_libraries(orvane_win32 PUBLIC orvane_logic user32 gdi32 advapi32 shell32 comctl32 comdlg32 ws2_32 winmm)
target_compile_options(orvane_win32 PRIVATE ${ORVANE_WARNINGS})

file(GLOB ORVANE_APP_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/app/*.cpp)
add_executable(orvane WIN32 ${ORVANE_APP_SOURCES})
target_link_libraries(orvane PRIVATE orvane_win32)
target_compile_options(orvane PRIVATE ${ORVANE_WARNINGS})
# The program ships without its symbol table: it is a third of the file.
target_link_options(orvane PRIVATE -s)
# The program's code is built for size: each function and datum in a section
# of its own, so that the linker leaves out what nothing calls. The scan that
# recognises a code runs on every press, so it keeps its speed.
foreach(target IN ITEMS orvane_logic orvane_win32 orvane)
  target_compile_options(${target} PRIVATE $<$<CONFIG:Release>:-Os -ffunction-sections -fdata-sections>)
endforeach()
set_source_files_properties(${CMAKE_SOURCE_DIR}/src/input/Recognition.cpp TARGET_DIRECTORY orvane_logic
  PROPERTIES COMPILE_OPTIONS $<$<CONFIG:Release>:-O3>)
target_link_options(orvane PRIVATE -Wl,--gc-sections)

# GoogleTest from Debian's source package, built for Windows so that the Win32
# implementations are tested under Wine with the same tool as the native code.
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
include_directories(BEFORE ${CMAKE_SOURCE_DIR}/cmake/gtest-mingw)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

file(GLOB_RECURSE ORVANE_WIN32_TESTS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/win32/*.cpp)
add_executable(orvane_win32_tests ${ORVANE_WIN32_TESTS} ${ORVANE_CONTRACT_TESTS})
target_link_libraries(orvane_win32_tests PRIVATE orvane_win32 orvane_fakes gtest gtest_main)
target_compile_options(orvane_win32_tests PRIVATE ${ORVANE_WARNINGS})
add_test(NAME win32.platform COMMAND orvane_win32_tests --gtest_brief=1)

# Test doubles: small Windows programs that play the peers of end-to-end tests.
file(GLOB ORVANE_DOUBLES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/doubles/*.cpp)
foreach(src IN LISTS ORVANE_DOUBLES)
  get_filename_component(name ${src} NAME_WE)
  add_executable(${name} ${src})
  target_link_libraries(${name} PRIVATE user32 gdi32)
  target_compile_options(${name} PRIVATE ${ORVANE_WARNINGS})
endforeach()
# The hostile probe rewrites access lists.
target_link_libraries(keyhook-intruder PRIVATE advapi32)

# The BestBuy card's "grappler.dll", scripted by a file beside it. Built into
# a folder of its own: a test copies it beside orvane.exe when it wants it.
add_library(orvane_grappler SHARED
  ${CMAKE_SOURCE_DIR}/tests/doubles/grappler/grappler.cpp
  ${CMAKE_SOURCE_DIR}/tests/doubles/grappler/grappler.def)
set_target_properties(orvane_grappler PROPERTIES OUTPUT_NAME grappler PREFIX "" IMPORT_PREFIX ""
  RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/doubles)
target_compile_options(orvane_grappler PRIVATE ${ORVANE_WARNINGS})
target_link_options(orvane_grappler PRIVATE -static)

# End-to-end tests: shell scripts that start orvane.exe under Wine.
file(GLOB ORVANE_E2E_TESTS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/e2e/test-*.sh)
foreach(script IN LISTS ORVANE_E2E_TESTS)
  get_filename_component(name ${script} NAME_WE)
  string(REGEX REPLACE "^test-" "" name ${name})
  add_test(NAME e2e.${name} COMMAND bash ${script})
  set_tests_properties(e2e.${name} PROPERTIES
    ENVIRONMENT "ORVANE_BIN=${CMAKE_BINARY_DIR};ORVANE_SOURCE=${CMAKE_SOURCE_DIR}"
    RESOURCE_LOCK wineprefix TIMEOUT 120)
endforeach()
# Two starts of the program, one of them over an audio server of its own.
set_tests_properties(e2e.layouts-and-editor PROPERTIES TIMEOUT 240)
# Two starts of the program beside a hostile program, with typing each time.
set_tests_properties(e2e.keyhook-guard PROPERTIES TIMEOUT 300)
# COM1 mapped through a restart of the Wine server, a wake-up's wait and greeting.
set_tests_properties(e2e.sleep-resume PROPERTIES TIMEOUT 240)

# ---- Keyboard hook library ---------------------------------------------------
# keyhook.dll: the system loads it into every process that receives keys, so
# it carries no runtime at all (only kernel32, user32 and advapi32) and cannot throw.
# The .def file gives the stdcall exports their plain names.
add_library(orvane_keyhook SHARED
  ${CMAKE_SOURCE_DIR}/src/keyhook/KeyHook.cpp
  ${CMAKE_SOURCE_DIR}/src/keyhook/KeyHook.def)
set_target_properties(orvane_keyhook PROPERTIES OUTPUT_NAME keyhook PREFIX "" IMPORT_PREFIX "")
target_compile_options(orvane_keyhook PRIVATE ${ORVANE_WARNINGS}
  -fno-exceptions -fno-rtti -fno-asynchronous-unwind-tables)
target_link_options(orvane_keyhook PRIVATE -nostdlib -static-libgcc -s -Wl,--entry,_DllMain@12)
target_link_libraries(orvane_keyhook PRIVATE kernel32 user32 advapi32 gcc)

# orvane.exe carries keyhook.dll inside itself, as the main window's stored
# file data (length and bytes) in a data resource, and writes it out to a
# temporary file at start. The Win32 tests carry it too, to read it back.
enable_language(RC)
set(ORVANE_KEYHOOK_FILE_DATA ${CMAKE_BINARY_DIR}/keyhook.filedata)
add_custom_command(OUTPUT ${ORVANE_KEYHOOK_FILE_DATA}
  COMMAND bash ${CMAKE_SOURCE_DIR}/scripts/file-data.sh $<TARGET_FILE:orvane_keyhook> ${ORVANE_KEYHOOK_FILE_DATA}
  DEPENDS orvane_keyhook ${CMAKE_SOURCE_DIR}/scripts/file-data.sh
  COMMENT "Storing keyhook.dll as file data"
  VERBATIM)
add_custom_target(orvane_keyhook_file_data DEPENDS ${ORVANE_KEYHOOK_FILE_DATA})
set(ORVANE_KEYHOOK_RC ${CMAKE_SOURCE_DIR}/src/app/KeyHookFileSrc.rc)
# The resource compiler sees no dependency on the data file by itself.
set_source_files_properties(${ORVANE_KEYHOOK_RC} PROPERTIES
  OBJECT_DEPENDS ${ORVANE_KEYHOOK_FILE_DATA}
  INCLUDE_DIRECTORIES ${CMAKE_BINARY_DIR})
foreach(target IN ITEMS orvane orvane_win32_tests)
  target_sources(${target} PRIVATE ${ORVANE_KEYHOOK_RC})
  add_dependencies(${target} orvane_keyhook_file_data)
endforeach()

# ---- The executable's icons, version and manifest ------------------------------
# The icons are drawn by the tray logo's own code, built for the build machine
# (src/app/icons/MakeIcons.cpp). The version comes from project() alone; the
# installer and the portable zip read it from orvane-version.txt.
set(ORVANE_PUBLISHER "Orvane")
set(ORVANE_DESCRIPTION "Orvane: drive the PC with a remote control")
find_program(ORVANE_HOST_CXX NAMES c++ g++ REQUIRED)
set(ORVANE_ICONS ${CMAKE_BINARY_DIR}/orvane.ico ${CMAKE_BINARY_DIR}/orvane-document.ico)
add_custom_command(OUTPUT ${ORVANE_ICONS}
  COMMAND ${ORVANE_HOST_CXX} -std=c++20 -O1 ${ORVANE_WARNINGS} -I${CMAKE_SOURCE_DIR}/src
    ${CMAKE_SOURCE_DIR}/src/app/icons/MakeIcons.cpp ${CMAKE_SOURCE_DIR}/src/feedback/TrayLogos.cpp
    -o ${CMAKE_BINARY_DIR}/make-icons
  COMMAND ${CMAKE_BINARY_DIR}/make-icons ${ORVANE_ICONS}
  DEPENDS ${CMAKE_SOURCE_DIR}/src/app/icons/MakeIcons.cpp ${CMAKE_SOURCE_DIR}/src/feedback/TrayLogos.cpp
    ${CMAKE_SOURCE_DIR}/src/feedback/TrayLogos.h
  COMMENT "Drawing the program's icons"
  VERBATIM)
set(ORVANE_MANIFEST ${CMAKE_SOURCE_DIR}/src/app/orvane.exe.manifest)
set(ORVANE_RC ${CMAKE_BINARY_DIR}/Orvane.rc)
configure_file(${CMAKE_SOURCE_DIR}/src/app/Orvane.rc.in ${ORVANE_RC} @ONLY)
file(WRITE ${CMAKE_BINARY_DIR}/orvane-version.txt "${PROJECT_VERSION}\n")
set_source_files_properties(${ORVANE_RC} PROPERTIES
  OBJECT_DEPENDS "${ORVANE_ICONS};${ORVANE_MANIFEST}"
  INCLUDE_DIRECTORIES ${CMAKE_BINARY_DIR})
# One target makes the icons, so two executables built at once do not race to.
add_custom_target(orvane_icons DEPENDS ${ORVANE_ICONS})
target_sources(orvane PRIVATE ${ORVANE_RC})
add_dependencies(orvane orvane_icons)

# ---- Demo forms for the end-to-end tests of the native controls --------------
file(GLOB ORVANE_DEMO_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/demo/*.cpp)
add_executable(orvane-demo WIN32 ${ORVANE_DEMO_SOURCES})
target_link_libraries(orvane-demo PRIVATE orvane_win32)
target_compile_options(orvane-demo PRIVATE ${ORVANE_WARNINGS})

# ---- Serial port tests over a pseudo-terminal pair mapped to COM5 and COM6 ----
# The script sets up socat and Wine's port mapping around the serial tests of
# orvane_win32_tests, which skip themselves in the plain run above.
add_test(NAME win32.serial COMMAND bash ${CMAKE_SOURCE_DIR}/tests/win32/serial/run.sh)
set_tests_properties(win32.serial PROPERTIES
  ENVIRONMENT "ORVANE_BIN=${CMAKE_BINARY_DIR}"
  RESOURCE_LOCK wineprefix TIMEOUT 120)

# ---- Form gallery: each of the program's forms on its own, for a look --------
file(GLOB ORVANE_GALLERY_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/gallery/*.cpp)
add_executable(orvane-gallery WIN32 ${ORVANE_GALLERY_SOURCES})
target_link_libraries(orvane-gallery PRIVATE orvane_win32)
target_compile_options(orvane-gallery PRIVATE ${ORVANE_WARNINGS})
# The program's resources, manifest included, so the forms look as in the program.
target_sources(orvane-gallery PRIVATE ${ORVANE_RC})
add_dependencies(orvane-gallery orvane_icons)

# ---- Mixer tests over Wine's real mixer, with and without a PulseAudio server --
# The script starts its own daemon with a null sink and stops it; the tests
# skip themselves in the plain run above.
add_test(NAME win32.mixer COMMAND bash ${CMAKE_SOURCE_DIR}/tests/win32/mixer/run.sh)
set_tests_properties(win32.mixer PROPERTIES
  ENVIRONMENT "ORVANE_BIN=${CMAKE_BINARY_DIR}"
  RESOURCE_LOCK wineprefix TIMEOUT 120)
