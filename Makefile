# make test:  set up what is missing, build both programs (64-bit in build/,
#             32-bit in build-win32/) and run every suite under Wine.
# make run:   set up, build, and start the 64-bit quav.exe under Wine.
# make dist:  build both and pack the release zips into dist/.
# make bench: set up, build, and time quav.exe under Wine (build/bench.csv).
# make screenshots: set up, build, and picture the main window in Chinese and
#             in English for the README (doc/quav-main-zh.png, -en.png).
BUILD ?= build
BUILD32 ?= build-win32
JOBS ?= 2
TOOLCHAIN = -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake -DCMAKE_BUILD_TYPE=Release
RESULTS = $(BUILD)/test-results

.PHONY: all deps build build32 test fuzz run dist bench screenshots clean

all: build build32

deps:
	@bash scripts/setup-deps.sh

$(BUILD)/CMakeCache.txt: | deps
	cmake -S . -B $(BUILD) $(TOOLCHAIN)

$(BUILD32)/CMakeCache.txt: | deps
	cmake -S . -B $(BUILD32) $(TOOLCHAIN) -DQUAV_ARCH=i686

build: deps $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j $(JOBS)

build32: deps $(BUILD32)/CMakeCache.txt
	cmake --build $(BUILD32) -j $(JOBS)

# One line per suite (run-suite.sh records its counts); the last line of the
# output sums their runs: "Tests: N passed, M failed, K skipped".
test: build build32
	@rm -rf $(RESULTS)
	@bash scripts/run-suite.sh $(RESULTS)/win64 $(BUILD)/ctest.log bash scripts/test.sh $(BUILD)
	@bash scripts/run-suite.sh $(RESULTS)/win32 $(BUILD32)/ctest.log bash scripts/test.sh $(BUILD32)
	@bash scripts/run-suite.sh $(RESULTS)/native build-native/ctest.log bash scripts/native-test.sh build-native
	@bash scripts/test-summary.sh $(RESULTS)

# The native sanitizer tests, then each fuzz target for 300 s (QUAV_FUZZ_SECONDS).
fuzz: deps
	@QUAV_FUZZ_SECONDS=$${QUAV_FUZZ_SECONDS:-300} bash scripts/native-test.sh build-native

run: build
	@bash scripts/run.sh $(BUILD)

dist: build build32
	@bash scripts/dist.sh $(BUILD) $(BUILD32)

bench: build
	@bash scripts/bench.sh $(BUILD)

screenshots: build
	@bash scripts/screenshots.sh $(BUILD)

clean:
	rm -rf $(BUILD) $(BUILD32) dist
