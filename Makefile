# Entry points for a fresh Debian 12 machine. Each target installs what is
# missing first (scripts/install-deps.sh), then configures and builds.
#
#   make test    build, then run the whole test suite, then again under the sanitizers (CI runs this)
#   make demo    build, then run the gallery (screenshots of every page without a display)
#   make test-asan  the test suite under address and undefined-behaviour sanitizers
#   make fuzz    run every libFuzzer target for FUZZ_SECONDS each
#   make bench   build the benchmarks, then print their tables (bench/README.md)
#   make build   configure and build only

BUILD ?= build
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?=

.PHONY: deps build test test-release test-asan fuzz demo bench clean

deps:
	./scripts/install-deps.sh

$(BUILD)/CMakeCache.txt:
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CMAKE_FLAGS)

build: deps $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j $(JOBS)

XVFB = xvfb-run -a -s "-screen 0 1280x1024x24"

# The whole suite, then the same suite again under the sanitizers.
test: test-release test-asan

test-release: build
	cd $(BUILD) && $(XVFB) ctest --output-on-failure -j $(JOBS)

# The same suite built by clang with AddressSanitizer and UndefinedBehaviorSanitizer,
# plus a short run of every libFuzzer target.
ASAN_BUILD = $(BUILD)-asan
$(ASAN_BUILD)/CMakeCache.txt:
	CC=clang CXX=clang++ cmake -S . -B $(ASAN_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DUTIL_UI_SANITIZE=ON -DUTIL_UI_FUZZ=ON -DUTIL_UI_BUILD_GALLERY=OFF

test-asan: deps $(ASAN_BUILD)/CMakeCache.txt
	cmake --build $(ASAN_BUILD) -j $(JOBS)
	cd $(ASAN_BUILD) && $(XVFB) ctest --output-on-failure -j $(JOBS)

# Each fuzz target for FUZZ_SECONDS (default 60).
FUZZ_SECONDS ?= 60
fuzz: deps $(ASAN_BUILD)/CMakeCache.txt
	cmake -B $(ASAN_BUILD) -DFUZZ_SECONDS=$(FUZZ_SECONDS)
	cmake --build $(ASAN_BUILD) -j $(JOBS) --target fuzz

demo: build
	@if [ -n "$$DISPLAY" ]; then \
	  $(BUILD)/examples/gallery/gallery; \
	else \
	  xvfb-run -a -s "-screen 0 1280x1024x24" $(BUILD)/examples/gallery/gallery --screenshots $(BUILD)/screenshots; \
	fi

# The chart benchmarks against the bare VTK chart, QCustomPlot and Qwt (bench/README.md); not part of
# the tests. A Release build of its own, so the figures do not depend on the test build's flags.
BENCH_BUILD = $(BUILD)-benchmarks
bench:
	./scripts/install-deps.sh --bench
	cmake -S . -B $(BENCH_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Release -DUTIL_UI_BUILD_TESTS=OFF \
	  -DUTIL_UI_BUILD_BENCH=ON -DUTIL_UI_BUILD_GALLERY=OFF -DUTIL_UI_BUILD_DESIGNER_PLUGIN=OFF $(CMAKE_FLAGS)
	cmake --build $(BENCH_BUILD) -j $(JOBS) --target bench_chart
	xvfb-run -a -s "-screen 0 1280x1024x24" $(BENCH_BUILD)/bench/bench_chart

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(BENCH_BUILD)
