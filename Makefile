# Two commands on a fresh Debian 12 machine:
#   make run    installs what is missing, builds in Release and starts the program
#   make test   installs what is missing, builds and runs every test, then builds everything again
#               with AddressSanitizer, LeakSanitizer and UBSan and runs every test once more
# the quick loop for daily work:
#   make check  builds the plain Debug tree and runs every test, in parallel (make test without
#               the sanitizer pass)
# the Debian package:
#   make package  builds build/package/zemora_<version>_amd64.deb and checks it with lintian
# and for deeper runs:
#   make bench  builds in Release and prints the performance table; BASE=<commit> adds start-up
#               against that commit's program, built in a temporary worktree and started in turn
#   make fuzz   the number rules under libFuzzer (clang) for FUZZ_SECONDS
#   make soak   long monkey walks and thousands of screen openings, with and without the sanitizers
# Windows, built here with Debian's MinGW and a static Qt for Windows that the first run builds from
# Debian's source (half an hour) into ~/.cache/zemora, where later runs find it:
#   make windows       build/windows/zemora-<version>-setup.exe, the installer (build/windows/zemora.exe in it)
#   make windows-test  the tests under Wine, then the installer installed, used and removed in a fresh
#                      Wine prefix
PACKAGES := cmake ninja-build g++ qt6-base-dev libgl-dev libcups2-dev libgtest-dev libbenchmark-dev \
            fonts-hosny-amiri fonts-liberation fonts-dejavu-core fonts-dejavu-extra qt6-translations-l10n \
            librsvg2-bin desktop-file-utils appstream xvfb xauth imagemagick poppler-utils \
            qt6-l10n-tools cups printer-driver-cups-pdf qt6-wayland weston libxcb1-dev
FUZZ_PACKAGES := clang libclang-rt-14-dev
PACKAGE_PACKAGES := dpkg-dev file lintian
WINDOWS_PACKAGES := g++-mingw-w64-x86-64-posix wine wine64 nsis googletest dpkg-dev xdotool
FUZZ_SECONDS ?= 300
SOAK_ACTIONS ?= 200000
SOAK_ROUNDS ?= 1000
SOAK_SEED ?= $(shell date +%s)
SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)
JOBS := $(shell nproc)

.PHONY: run check test package bench deps fuzz-deps package-deps windows-deps screenshots fuzz soak \
        windows windows-test

deps fuzz-deps package-deps windows-deps: PACKAGES += $(if $(filter fuzz-deps,$@),$(FUZZ_PACKAGES)) \
                                         $(if $(filter package-deps,$@),$(PACKAGE_PACKAGES)) \
                                         $(if $(filter windows-deps,$@),$(WINDOWS_PACKAGES))
deps fuzz-deps package-deps windows-deps:
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

check: deps
	cmake -S . -B build/test -G Ninja -DCMAKE_BUILD_TYPE=Debug -DZEMORA_WERROR=ON
	cmake --build build/test
	cd build/test && QT_QPA_PLATFORM=offscreen ctest -j$(JOBS) --output-on-failure

test: check
	cmake -S . -B build/asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DZEMORA_WERROR=ON -DZEMORA_SANITIZE=ON
	cmake --build build/asan
	cd build/asan && QT_QPA_PLATFORM=offscreen ctest -j$(JOBS) --output-on-failure

# Release with Debian's hardening flags; CPack computes the library dependencies, lintian must find no error.
HARDENING := DEB_BUILD_MAINT_OPTIONS=hardening=+all
package: package-deps
	cmake -S . -B build/package -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF \
	    -DCMAKE_CXX_FLAGS="$$($(HARDENING) dpkg-buildflags --get CPPFLAGS) $$($(HARDENING) dpkg-buildflags --get CXXFLAGS)" \
	    -DCMAKE_EXE_LINKER_FLAGS="$$($(HARDENING) dpkg-buildflags --get LDFLAGS)"
	cmake --build build/package
	cd build/package && cpack
	lintian --fail-on error build/package/zemora_*.deb

# Runs libFuzzer on a copy of the committed corpus; inputs that break a rule land in build/fuzz/findings.
fuzz: fuzz-deps
	cmake -S . -B build/fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
	    -DZEMORA_FUZZ=ON
	cmake --build build/fuzz --target number_rules_fuzzer
	mkdir -p build/fuzz/corpus build/fuzz/findings && cp -n tests/fuzz/corpus/* build/fuzz/corpus/
	cd build/fuzz && ./tests/fuzz/number_rules_fuzzer -max_total_time=$(FUZZ_SECONDS) \
	    -artifact_prefix=findings/ -print_final_stats=1 corpus

# The plain build walks SOAK_ACTIONS actions and checks resident memory over SOAK_ROUNDS openings of
# every screen; the sanitizer build walks a quarter as far (it is slower) and LeakSanitizer checks
# what the openings leave behind. The seed is printed; set SOAK_SEED to repeat a run.
soak: test
	cd build/test && QT_QPA_PLATFORM=offscreen ZEMORA_MONKEY_SEED=$(SOAK_SEED) \
	    ZEMORA_MONKEY_ACTIONS=$(SOAK_ACTIONS) ZEMORA_SOAK_ROUNDS=$(SOAK_ROUNDS) ./tests/monkey_tests
	cd build/asan && QT_QPA_PLATFORM=offscreen ZEMORA_MONKEY_SEED=$(SOAK_SEED) \
	    ZEMORA_MONKEY_ACTIONS=$$(($(SOAK_ACTIONS) / 4)) ZEMORA_SOAK_ROUNDS=$$(($(SOAK_ROUNDS) / 4)) \
	    ./tests/monkey_tests

# Every figure next to its floor, measured in the same run (docs/performance.md says how to read it);
# with BASE=<commit>, then start-up against that commit's program too, started in turn.
bench: deps
	cmake -S . -B build/bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF -DZEMORA_BENCH=ON
	cmake --build build/bench --target zemora_bench
	./build/bench/bench/zemora_bench
	$(if $(BASE),bench/compare_start.sh $(BASE) build/bench)

# Pictures of every screen into docs/screens/ (offscreen, no display needed).
screenshots: deps
	cmake -S . -B build/test -G Ninja -DCMAKE_BUILD_TYPE=Debug -DZEMORA_WERROR=ON
	cmake --build build/test --target screenshots
	QT_QPA_PLATFORM=offscreen ./build/test/screenshots docs/screens
	QT_QPA_PLATFORM=offscreen QT_SCALE_FACTOR=2 ./build/test/screenshots docs/screens
	tools/printed-pages-to-png.sh docs/screens

# Configured with the Windows Qt's own qt-cmake, which brings the MinGW toolchain and the host's moc,
# rcc and uic; programs the build runs (the picture drawing, the tests) run under Wine.
WINDOWS_QT = $$(packaging/windows/build-libraries.sh)
WINDOWS_CONFIGURE = $(WINDOWS_QT)/bin/qt-cmake -S . -G Ninja \
                    -DCMAKE_CROSSCOMPILING_EMULATOR=$(CURDIR)/packaging/windows/wine-run.sh
windows: windows-deps
	$(WINDOWS_CONFIGURE) -B build/windows -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF
	cmake --build build/windows --target installer
	@echo "make windows: built $$(ls build/windows/zemora-*-setup.exe)"

windows-test: windows
	$(WINDOWS_CONFIGURE) -B build/windows-test -DCMAKE_BUILD_TYPE=Debug -DZEMORA_WERROR=ON
	cmake --build build/windows-test
	cd build/windows-test && xvfb-run -a -s "-screen 0 1280x1024x24" ctest -j$(JOBS) --output-on-failure
	xvfb-run -a -s "-screen 0 1280x1024x24" tests/windows/installer_test.sh build/windows/zemora-*-setup.exe \
	    $$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' build/windows/CMakeCache.txt) build/windows-test
	@echo "make windows-test: the tests passed under Wine, and the installer installed, ran and removed the program"
