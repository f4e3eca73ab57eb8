# Set-up and everyday commands. Each target installs missing Debian packages first.
BUILD     ?= build
JOBS      ?= $(shell nproc)
PACKAGES  := build-essential cmake ninja-build qt6-base-dev libgl-dev libgtest-dev libgmock-dev \
             libbenchmark-dev fonts-liberation poppler-utils
SAN_PACKAGES := clang-14 libclang-rt-14-dev
LINT_PACKAGES := clang-format clang-tidy-14
# What building and checking the Debian package needs beyond the build itself.
PACKAGE_PACKAGES := dpkg-dev file fakeroot desktop-file-utils appstream lintian shared-mime-info xdg-utils \
                    xvfb xauth x11-utils
# WERROR=1 turns every compiler warning into an error (CI sets it); WERROR=0 turns that off again.
WERROR    ?=
WERROR_ARG = $(if $(WERROR),-DVANTREL_WERROR=$(if $(filter 1 ON on yes,$(WERROR)),ON,OFF))
SUDO      := $(shell [ "$$(id -u)" = 0 ] || echo sudo)

.PHONY: deps build run test screenshots package bench bench-startup sanitize fuzz format format-check tidy clean

deps:
	@missing=""; for p in $(PACKAGES) $(EXTRA_PACKAGES); do \
	  dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q "ok installed" || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	  echo "Installing:$$missing"; \
	  $(SUDO) apt-get update && DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y $$missing; \
	fi

$(BUILD)/build.ninja:
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Release $(WERROR_ARG) $(CMAKE_ARGS)

# An existing build folder takes a WERROR given on the command line as well.
build: deps $(BUILD)/build.ninja
	$(if $(WERROR),cmake -S . -B $(BUILD) $(WERROR_ARG) >/dev/null)
	cmake --build $(BUILD) -j $(JOBS)

# Only the program: the test suites take minutes on a new machine and are not needed to run it.
run: deps $(BUILD)/build.ninja
	cmake --build $(BUILD) -j $(JOBS) --target vantrel
	./$(BUILD)/vantrel $(ARGS)

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

# Pictures of every window into SHOTS (offscreen unless a display is set), for a look by eye.
SHOTS ?= $(BUILD)/screenshots
screenshots: deps $(BUILD)/build.ninja
	cmake --build $(BUILD) -j $(JOBS) --target vantrel_screenshots
	$(if $(DISPLAY)$(WAYLAND_DISPLAY),,QT_QPA_PLATFORM=offscreen) ./$(BUILD)/tools/screenshots/vantrel_screenshots $(SHOTS)

# The Debian package $(BUILD)/vantrel_<version>_<arch>.deb, built from the Release build folder (only the
# program and its icons are built for it); its dependencies come from the shared-library scan.
package:
	$(MAKE) deps EXTRA_PACKAGES="$(PACKAGE_PACKAGES)"
	$(MAKE) $(BUILD)/build.ninja
	cmake --build $(BUILD) -j $(JOBS) --target vantrel vantrel_package_files
	rm -f $(BUILD)/vantrel_*.deb
	cd $(BUILD) && cpack -G DEB
	@ls $(BUILD)/vantrel_*.deb

# Medians of five repetitions (BENCH_ARGS=--benchmark_filter=... for a subset), then the memory figures.
bench:
	$(MAKE) build BUILD=build-bench CMAKE_ARGS="-DVANTREL_BENCH=ON"
	QT_QPA_PLATFORM=offscreen ./build-bench/bench/vantrel_bench --benchmark_repetitions=5 \
	  --benchmark_report_aggregates_only=true $(BENCH_ARGS)
	QT_QPA_PLATFORM=offscreen ./build-bench/bench/vantrel_memory

# Start-up: instructions (callgrind) of Vantrel to its window shown and to every page built, against the
# empty and the text yardstick windows, then the times (BM_StartUp). COUNTS=folder keeps the callgrind files.
bench-startup:
	$(MAKE) deps EXTRA_PACKAGES=valgrind
	$(MAKE) build-bench/build.ninja BUILD=build-bench CMAKE_ARGS="-DVANTREL_BENCH=ON"
	cmake --build build-bench -j $(JOBS) --target vantrel_bench
	sh bench/count_startup.sh build-bench $(COUNTS)
	QT_QPA_PLATFORM=offscreen ./build-bench/bench/vantrel_bench --benchmark_filter=BM_StartUp

# The whole test suite built with clang under AddressSanitizer and UndefinedBehaviorSanitizer, with leak
# detection: every test process reports what it did not free at its exit.
sanitize:
	$(MAKE) deps EXTRA_PACKAGES="$(SAN_PACKAGES)"
	[ -f build-san/build.ninja ] || CC=clang-14 CXX=clang++-14 cmake -S . -B build-san -G Ninja \
	  -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS="-O1 -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer"
	$(if $(WERROR),cmake -S . -B build-san $(WERROR_ARG) >/dev/null)
	cmake --build build-san -j $(JOBS)
	cd build-san && QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
	  ctest --output-on-failure -j $(JOBS)

# libFuzzer on the catalog, design-file and unit-file readers, seeded with real files. FUZZ_SECONDS per target.
FUZZ_SECONDS ?= 60
fuzz:
	$(MAKE) deps EXTRA_PACKAGES="$(SAN_PACKAGES)"
	[ -f build-fuzz/build.ninja ] || CC=clang-14 CXX=clang++-14 cmake -S . -B build-fuzz -G Ninja \
	  -DCMAKE_BUILD_TYPE=Debug -DVANTREL_GUI=OFF -DVANTREL_TESTS=OFF -DVANTREL_FUZZ=ON \
	  -DCMAKE_CXX_FLAGS="-O1 -g -fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer"
	cmake --build build-fuzz -j $(JOBS)
	mkdir -p build-fuzz/corpus/catalog build-fuzz/corpus/design build-fuzz/corpus/blk
	cp data/stuff.plb build-fuzz/corpus/catalog/shipped.plb
	cp tests/data/catalog/stuff.plb build-fuzz/corpus/catalog/test.plb
	for f in tests/data/*/design.vnt; do cp $$f build-fuzz/corpus/design/$$(basename $$(dirname $$f)).vnt; done
	cp fuzz/regressions/catalog/* build-fuzz/corpus/catalog/ 2>/dev/null || true
	cp fuzz/regressions/design/* build-fuzz/corpus/design/ 2>/dev/null || true
	for f in tests/data/blk-*/unit.blk; do cp $$f build-fuzz/corpus/blk/$$(basename $$(dirname $$f)).blk; done
	cp fuzz/regressions/blk/* build-fuzz/corpus/blk/ 2>/dev/null || true
	./build-fuzz/fuzz/fuzz_catalog -max_total_time=$(FUZZ_SECONDS) -max_len=200000 -timeout=10 \
	  -artifact_prefix=build-fuzz/ build-fuzz/corpus/catalog
	./build-fuzz/fuzz/fuzz_design -max_total_time=$(FUZZ_SECONDS) -max_len=200000 -timeout=10 \
	  -artifact_prefix=build-fuzz/ build-fuzz/corpus/design
	./build-fuzz/fuzz/fuzz_blk -max_total_time=$(FUZZ_SECONDS) -max_len=200000 -timeout=10 \
	  -artifact_prefix=build-fuzz/ build-fuzz/corpus/blk

format:
	$(MAKE) deps PACKAGES="$(LINT_PACKAGES)"
	clang-format -i $$(git ls-files '*.cpp' '*.h')

# Fails on any difference from .clang-format.
format-check:
	$(MAKE) deps PACKAGES="$(LINT_PACKAGES)"
	clang-format --dry-run --Werror $$(git ls-files '*.cpp' '*.h')

# The checks of .clang-tidy over src/, read through the compile commands of the build folder; fails on
# any finding. TIDY_FILES narrows it (TIDY_FILES="src/model/*.cpp").
TIDY_FILES ?= $$(git ls-files 'src/*.cpp')
tidy: build
	$(MAKE) deps PACKAGES="$(LINT_PACKAGES)"
	printf '%s\n' $(TIDY_FILES) | xargs -P $(JOBS) -n 1 \
	  clang-tidy-14 -p $(BUILD) --quiet --extra-arg=-Wno-unknown-warning-option

clean:
	rm -rf build build-bench build-san build-fuzz
