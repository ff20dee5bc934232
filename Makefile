# make test: set up what is missing, build, and run every test under Wine.
# make run:  set up, build, and start quav.exe under Wine.
BUILD ?= build
JOBS ?= 2

.PHONY: all deps build test fuzz run clean

all: build

deps:
	@bash scripts/setup-deps.sh

$(BUILD)/CMakeCache.txt: | deps
	cmake -S . -B $(BUILD) -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake -DCMAKE_BUILD_TYPE=Release

build: deps $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j $(JOBS)

test: build
	@bash scripts/test.sh $(BUILD)
	@bash scripts/native-test.sh

# The native sanitizer tests, then each fuzz target for 300 s (QUAV_FUZZ_SECONDS).
fuzz: deps
	@QUAV_FUZZ_SECONDS=$${QUAV_FUZZ_SECONDS:-300} bash scripts/native-test.sh

run: build
	@bash scripts/run.sh $(BUILD)

clean:
	rm -rf $(BUILD)
