# SPDX-License-Identifier: GPL-3.0-or-later
# The whole set-up on Debian 12: `make run` starts the calculator, `make test` runs every test.
# Both install what is missing first (scripts/install-deps, needs root or sudo): `make run` only
# what building and running the programs needs, `make test` and `make bench` also the test and
# benchmark tools.
JOBS ?= $(shell nproc)
FUZZ_SECONDS ?= 60
CMAKE_FLAGS ?=
PROGRAMS = ferrolin ferrolin-eval ferrolin-history
# $(call configure,FOLDER,BUILD_TYPE,OPTIONS): the one configure line of every build folder.
configure = cmake -S . -B $(1) -G Ninja -DCMAKE_BUILD_TYPE=$(2) $(3) $(CMAKE_FLAGS) >/dev/null
# A build folder that `make test` configured keeps its tests; a new one is configured without
# them, so that GoogleTest and Google Benchmark are not needed for the programs alone.
CONFIGURE_PROGRAMS = if [ -f build/CMakeCache.txt ]; then $(call configure,build,RelWithDebInfo); \
	else $(call configure,build,RelWithDebInfo,-DFERROLIN_TESTS=OFF -DFERROLIN_BENCH=OFF); fi

.PHONY: all deps deps-build build run test test-asan bench fuzz package test-package test-reproducible clean

all: build

# Everything the tests need too (speech and print servers, Xvfb, LibreOffice, ...).
deps:
	@scripts/install-deps
	@scripts/generate-locales

# Only what building and running the calculator needs.
deps-build:
	@scripts/install-deps build run

# The programs alone.
build: deps-build
	@$(CONFIGURE_PROGRAMS)
	@cmake --build build -j $(JOBS) --target $(PROGRAMS)

run: build
	./build/ferrolin

test: deps
	@$(call configure,build,RelWithDebInfo,-DFERROLIN_TESTS=ON -DFERROLIN_BENCH=ON)
	@cmake --build build -j $(JOBS)
	scripts/run-tests build

test-asan: deps
	@$(call configure,build-asan,Debug,-DFERROLIN_SANITIZE=ON)
	@cmake --build build-asan -j $(JOBS)
	scripts/run-tests build-asan

# The Debian source and binary packages (debian/), built by dpkg-buildpackage from a copy of the
# tree with the distribution's flags, tests included, into build/package/.
package: deps-build
	@scripts/install-deps package-files test-build package
	scripts/build-package build/package

# Builds the packages, runs lintian (pedantic) and autopkgtest, installs the package with apt,
# runs it, and removes it again (root).
test-package: deps-build
	@scripts/install-deps package-files test-build package package-test
	scripts/test-package build/package

# Builds the packages a second time elsewhere and compares the .deb files with build/package/'s.
test-reproducible: package
	@scripts/install-deps package-test
	scripts/check-reproducible build/package

bench: deps
	@$(call configure,build,RelWithDebInfo,-DFERROLIN_BENCH=ON)
	@cmake --build build -j $(JOBS)
	scripts/run-bench build

fuzz: deps-build
	@scripts/install-deps test-build
	@CXX=clang++ $(call configure,build-fuzz,RelWithDebInfo,-DFERROLIN_FUZZ=ON)
	@cmake --build build-fuzz -j $(JOBS)
	scripts/run-fuzz build-fuzz $(FUZZ_SECONDS)

clean:
	rm -rf build build-asan build-fuzz
