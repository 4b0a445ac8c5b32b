# Entry points for a fresh Debian 12 machine. Each target installs what is
# missing first (scripts/install-deps.sh), then configures and builds.
#
#   make test    build, then run the whole test suite (the command CI runs)
#   make demo    build, then run the gallery (screenshots of every page without a display)
#   make test-asan  the test suite under address and undefined-behaviour sanitizers
#   make build   configure and build only

BUILD ?= build
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?=

.PHONY: deps build test test-asan demo clean

deps:
	./scripts/install-deps.sh

$(BUILD)/CMakeCache.txt:
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CMAKE_FLAGS)

build: deps $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j $(JOBS)

test: build
	cd $(BUILD) && xvfb-run -a -s "-screen 0 1280x1024x24" ctest --output-on-failure -j $(JOBS)

# The same suite built with AddressSanitizer and UndefinedBehaviorSanitizer.
test-asan: deps
	cmake -S . -B $(BUILD)-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DUTIL_UI_SANITIZE=ON -DUTIL_UI_BUILD_GALLERY=OFF
	cmake --build $(BUILD)-asan -j $(JOBS)
	cd $(BUILD)-asan && xvfb-run -a -s "-screen 0 1280x1024x24" ctest --output-on-failure -j $(JOBS)

demo: build
	@if [ -n "$$DISPLAY" ]; then \
	  $(BUILD)/examples/gallery/gallery; \
	else \
	  xvfb-run -a -s "-screen 0 1280x1024x24" $(BUILD)/examples/gallery/gallery --screenshots $(BUILD)/screenshots; \
	fi

clean:
	rm -rf $(BUILD)
