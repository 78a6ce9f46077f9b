# The README's two commands: `make run` and `make test`. Both install what is
# missing (with apt), configure and build first.
JOBS ?= $(shell nproc 2>/dev/null || echo 2)

.PHONY: all deps native native-asan windows build run test test-native test-native-asan test-windows dist test-dist screenshots fuzz bench clean

all: build

deps:
	@scripts/install-deps.sh

native: deps
	@test -f build/native/CMakeCache.txt || cmake --preset native
	cmake --build --preset native -j $(JOBS)

# The native suite again, with AddressSanitizer and UndefinedBehaviorSanitizer.
native-asan: deps
	@test -f build/native-asan/CMakeCache.txt || cmake --preset native-asan
	cmake --build --preset native-asan --target orvane_tests -j $(JOBS)

windows: deps
	@test -f build/windows/CMakeCache.txt || cmake --preset windows
	cmake --build --preset windows -j $(JOBS)

build: native windows

run: windows
	scripts/run-orvane

test: build native-asan
	$(MAKE) --no-print-directory test-native
	$(MAKE) --no-print-directory test-native-asan
	$(MAKE) --no-print-directory test-windows

# The native GoogleTest suite.
test-native:
	ctest --preset native

# The native suite under AddressSanitizer and UndefinedBehaviorSanitizer.
test-native-asan:
	ctest --preset native-asan

# The Win32 platform tests and the end-to-end tests, under Wine.
test-windows:
	tests/wine/with-wine ctest --preset windows

# The release, from the windows build (Release): dist/orvane-VERSION-setup.exe
# and dist/orvane-VERSION-portable.zip, VERSION being project()'s in CMakeLists.txt.
dist: windows
	@scripts/install-deps.sh dist
	scripts/make-dist.sh

# Installs, runs, upgrades and uninstalls the release under Wine in a fresh
# prefix, and runs the portable zip from a folder of its own.
test-dist: dist
	tests/wine/with-wine tests/dist/test-dist.sh

# The guide's pictures (docs/images), taken under a virtual display.
screenshots: windows
	tests/wine/with-wine scripts/screenshots.sh

# The fuzz targets (tests/fuzz), built with clang and libFuzzer into build/fuzz;
# not part of `make test`. Run one with, for example:
#   build/fuzz/ActionTextFuzz -runs=1000000 build/fuzz/corpus
fuzz:
	@scripts/install-deps.sh fuzz
	@test -f build/fuzz/CMakeCache.txt || cmake --preset fuzz
	cmake --build --preset fuzz -j $(JOBS)

# docs/PERFORMANCE.md: every benchmark and measuring script, each figure beside
# its baseline measured in the same run, in Release; not part of `make test`.
bench: windows
	@scripts/install-deps.sh bench
	@test -f build/bench/CMakeCache.txt || cmake --preset bench
	cmake --build --preset bench -j $(JOBS)
	scripts/bench.sh

# Floods and hostile peers against the real program under Wine (tests/floods):
# the TCP/IP origin, event clients, the serial port, a DDE client and huge
# files; prints a table of the window's answer times, the resident size and
# whether the next code still works. Not part of `make test`.
.PHONY: floods
floods: windows
	tests/floods/run-floods.sh

clean:
	rm -rf build dist
