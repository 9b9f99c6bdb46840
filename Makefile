# Two commands on a fresh Debian 12 machine:
#   make run    installs what is missing, builds in Release and starts the program
#   make test   installs what is missing, builds and runs every test
#   make bench  installs what is missing, builds in Release and prints the performance table
PACKAGES := cmake ninja-build g++ qt6-base-dev libgl-dev libgtest-dev libbenchmark-dev \
            fonts-hosny-amiri fonts-liberation fonts-dejavu-core fonts-dejavu-extra \
            xvfb xauth imagemagick poppler-utils
SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)

.PHONY: run test bench deps screenshots

deps:
	@missing=$$(for p in $(PACKAGES); do \
	    dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q 'ok installed' || echo $$p; done); \
	if [ -n "$$missing" ]; then \
	    echo "Installing:" $$missing; \
	    $(SUDO) apt-get update -qq && \
	    DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y -qq $$missing; \
	fi

run: deps
	@if [ -z "$$DISPLAY$$WAYLAND_DISPLAY" ]; then \
	    echo "No display to show the program on: run 'xvfb-run make run', or run 'make run' on a desktop."; \
	    exit 1; fi
	cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF
	cmake --build build/release --target zemora
	./build/release/zemora

test: deps
	cmake -S . -B build/test -G Ninja -DCMAKE_BUILD_TYPE=Debug -DZEMORA_WERROR=ON
	cmake --build build/test
	cd build/test && QT_QPA_PLATFORM=offscreen ctest --output-on-failure

# Every figure next to its floor, measured in the same run (docs/performance.md says how to read it).
bench: deps
	cmake -S . -B build/bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF -DZEMORA_BENCH=ON
	cmake --build build/bench --target zemora_bench
	./build/bench/bench/zemora_bench

# Pictures of every screen into docs/screens/ (offscreen, no display needed).
screenshots: deps
	cmake -S . -B build/test -G Ninja -DCMAKE_BUILD_TYPE=Debug -DZEMORA_WERROR=ON
	cmake --build build/test --target screenshots
	QT_QPA_PLATFORM=offscreen ./build/test/screenshots docs/screens
	tools/printed-pages-to-png.sh docs/screens
