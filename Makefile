# Two commands on a fresh Debian 12 machine:
#   make run    installs what is missing, builds in Release and starts the program
#   make test   installs what is missing, builds and runs every test, then builds everything again
#               with AddressSanitizer, LeakSanitizer and UBSan and runs every test once more
# and for deeper runs:
#   make fuzz   the number rules under libFuzzer (clang) for FUZZ_SECONDS
PACKAGES := cmake ninja-build g++ qt6-base-dev libgl-dev libgtest-dev \
            fonts-hosny-amiri fonts-liberation fonts-dejavu-core fonts-dejavu-extra \
            xvfb xauth imagemagick poppler-utils
FUZZ_PACKAGES := clang libclang-rt-14-dev
FUZZ_SECONDS ?= 300
SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)

.PHONY: run test deps fuzz-deps screenshots fuzz

deps fuzz-deps: PACKAGES += $(if $(filter fuzz-deps,$@),$(FUZZ_PACKAGES))
deps fuzz-deps:
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

# Runs libFuzzer on a copy of the committed corpus; inputs that break a rule land in build/fuzz/findings.
fuzz: fuzz-deps
	cmake -S . -B build/fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
	    -DZEMORA_FUZZ=ON
	cmake --build build/fuzz --target number_rules_fuzzer
	mkdir -p build/fuzz/corpus build/fuzz/findings && cp -n tests/fuzz/corpus/* build/fuzz/corpus/
	cd build/fuzz && ./tests/fuzz/number_rules_fuzzer -max_total_time=$(FUZZ_SECONDS) \
	    -artifact_prefix=findings/ -print_final_stats=1 corpus

# Pictures of every screen into docs/screens/ (offscreen, no display needed).
screenshots: deps
	cmake -S . -B build/test -G Ninja -DCMAKE_BUILD_TYPE=Debug -DZEMORA_WERROR=ON
	cmake --build build/test --target screenshots
	QT_QPA_PLATFORM=offscreen ./build/test/screenshots docs/screens
	tools/printed-pages-to-png.sh docs/screens
