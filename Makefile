# Front door for building, running and testing Spurline.
#   make run     build in Release and start Spurline on the example site
#   make test    build with sanitizers and run every test
#   make bench   build and run the benchmarks
#   make fuzz    build the fuzz targets with clang and run each for FUZZ_SECONDS (default 120)
#   make format  clang-format the sources
#   make format-check  fail when a source is not clang-formatted
#   make werror  build the program and spurline-calc (Release, no tests) with warnings as errors,
#                with g++ and with clang++-14
#   make package build in Release for /usr and make the Debian package build/package/spurline_*.deb

JOBS ?= $(shell nproc 2>/dev/null || echo 2)
RELEASE_DIR := build/release
DEBUG_DIR := build/debug
BENCH_DIR := build/bench
FUZZ_DIR := build/fuzz
FUZZ_SECONDS ?= 120
WERROR_GCC_DIR := build/werror-gcc
WERROR_CLANG_DIR := build/werror-clang
PACKAGE_DIR := build/package
# ccache, where installed, keeps repeated CI builds short.
LAUNCHER := $(if $(shell command -v ccache 2>/dev/null),-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)

.PHONY: deps run build test bench fuzz format format-check werror package clean

deps:
	@scripts/install-deps

build: deps
	cmake -S . -B $(RELEASE_DIR) -DCMAKE_BUILD_TYPE=Release -DSPURLINE_TESTS=OFF
	cmake --build $(RELEASE_DIR) -j $(JOBS)

run: build
	$(RELEASE_DIR)/src/spurline examples/north-ridge.frq

test: deps
	cmake -S . -B $(DEBUG_DIR) -DCMAKE_BUILD_TYPE=Debug -DSPURLINE_SANITIZE=ON -DSPURLINE_TESTS=ON -DSPURLINE_BENCH=ON
	cmake --build $(DEBUG_DIR) -j $(JOBS)
	cd $(DEBUG_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS) --timeout 600

bench: deps
	cmake -S . -B $(BENCH_DIR) -DCMAKE_BUILD_TYPE=Release -DSPURLINE_TESTS=OFF -DSPURLINE_BENCH=ON
	cmake --build $(BENCH_DIR) -j $(JOBS)
	@for b in $(BENCH_DIR)/bench/*_bench; do [ -x "$$b" ] && "$$b"; done

fuzz: deps
	cmake -S . -B $(FUZZ_DIR) -DCMAKE_CXX_COMPILER=clang++-14 -DCMAKE_BUILD_TYPE=RelWithDebInfo \
		-DSPURLINE_FUZZ=ON -DSPURLINE_GUI=OFF -DSPURLINE_TESTS=OFF
	cmake --build $(FUZZ_DIR) -j $(JOBS) --target spurline_fuzzers
	FUZZ_SECONDS=$(FUZZ_SECONDS) fuzz/run $(FUZZ_DIR)

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

format-check: deps
	git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run -Werror

werror: deps
	cmake -S . -B $(WERROR_GCC_DIR) -DCMAKE_CXX_COMPILER=g++ -DCMAKE_BUILD_TYPE=Release \
		-DSPURLINE_TESTS=OFF -DSPURLINE_WERROR=ON $(LAUNCHER)
	cmake --build $(WERROR_GCC_DIR) -j $(JOBS)
	cmake -S . -B $(WERROR_CLANG_DIR) -DCMAKE_CXX_COMPILER=clang++-14 -DCMAKE_BUILD_TYPE=Release \
		-DSPURLINE_TESTS=OFF -DSPURLINE_WERROR=ON $(LAUNCHER)
	cmake --build $(WERROR_CLANG_DIR) -j $(JOBS)

# Debian's hardening flags (stack protector, fortified functions, read-only relocations bound at
# start), as a package built by Debian's own tools would have them.
package: deps
	cmake -S . -B $(PACKAGE_DIR) -DCMAKE_BUILD_TYPE=Release -DSPURLINE_TESTS=OFF \
		-DCMAKE_INSTALL_PREFIX=/usr $(LAUNCHER) \
		-DCMAKE_CXX_FLAGS="$$(dpkg-buildflags --get CXXFLAGS) $$(dpkg-buildflags --get CPPFLAGS)" \
		-DCMAKE_EXE_LINKER_FLAGS="$$(DEB_BUILD_MAINT_OPTIONS=hardening=+bindnow dpkg-buildflags --get LDFLAGS)"
	cmake --build $(PACKAGE_DIR) -j $(JOBS)
	cd $(PACKAGE_DIR) && cpack
	@ls $(PACKAGE_DIR)/spurline_*.deb

clean:
	rm -rf build
