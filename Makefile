# Two commands on a fresh Debian 12 machine:
#   make run    installs what is missing, builds in Release and starts the program
#   make test   installs what is missing, builds and runs every test, then builds everything again
#               with AddressSanitizer, LeakSanitizer and UBSan and runs every test once more
PACKAGES := cmake ninja-build g++ qt6-base-dev libgl-dev libgtest-dev \
            fonts-hosny-amiri fonts-liberation fonts-dejavu-core fonts-dejavu-extra \
            xvfb xauth imagemagick poppler-utils
SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)

.PHONY: run test deps screenshots

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
	cmake -S . -B build/asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DZEMORA_WERROR=ON -DZEMORA_SANITIZE=ON
	cmake --build build/asan
	cd build/asan && QT_QPA_PLATFORM=offscreen ctest --output-on-failure

# Pictures of every screen into docs/screens/ (offscreen, no display needed).
screenshots: deps
	cmake -S . -B build/test -G Ninja -DCMAKE_BUILD_TYPE=Debug -DZEMORA_WERROR=ON
	cmake --build build/test --target screenshots
	QT_QPA_PLATFORM=offscreen ./build/test/screenshots docs/screens
	tools/printed-pages-to-png.sh docs/screens
