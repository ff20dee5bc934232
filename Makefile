# make test: set up what is missing, build, and run every test under Wine.
# make run:  set up, build, and start quav.exe under Wine.
# make bench: set up, build, and time quav.exe under Wine (build/bench.csv).
BUILD ?= build
JOBS ?= 2

.PHONY: all deps build test run bench clean

all: build

deps:
	@bash scripts/setup-deps.sh

$(BUILD)/CMakeCache.txt: | deps
	cmake -S . -B $(BUILD) -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake -DCMAKE_BUILD_TYPE=Release

build: deps $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j $(JOBS)

test: build
	@bash scripts/test.sh $(BUILD)

run: build
	@bash scripts/run.sh $(BUILD)

bench: build
	@bash scripts/bench.sh $(BUILD)

clean:
	rm -rf $(BUILD)
