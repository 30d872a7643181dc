# The whole set-up on Debian 12: `make run` starts the calculator, `make test` runs every test.
# Both install what is missing first (scripts/install-deps, needs root or sudo).
JOBS ?= $(shell nproc)
FUZZ_SECONDS ?= 60
CMAKE_FLAGS ?=

.PHONY: all deps deps-build build run test test-asan bench fuzz package test-package test-reproducible clean

all: build

# Everything the tests need too (speech and print servers, Xvfb, LibreOffice, ...).
deps:
	@scripts/install-deps

# Only what building and running the calculator needs.
deps-build:
	@scripts/install-deps build run

build: deps-build
	@cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CMAKE_FLAGS) >/dev/null
	@cmake --build build -j $(JOBS)

run: build
	./build/ferrolin

test: deps build
	scripts/run-tests build

test-asan: deps
	@cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DFERROLIN_SANITIZE=ON $(CMAKE_FLAGS) >/dev/null
	@cmake --build build-asan -j $(JOBS)
	scripts/run-tests build-asan

# The Debian source and binary packages (debian/), built by dpkg-buildpackage from a copy of the
# tree with the distribution's flags, tests included, into build/package/.
package: deps-build
	@scripts/install-deps package
	scripts/build-package build/package

# Builds the packages, runs lintian (pedantic) and autopkgtest, installs the package with apt,
# runs it, and removes it again (root).
test-package: deps-build
	@scripts/install-deps package package-test
	scripts/test-package build/package

# Builds the packages a second time elsewhere and compares the .deb files with build/package/'s.
test-reproducible: package
	@scripts/install-deps package-test
	scripts/check-reproducible build/package

bench: build
	scripts/run-bench build

fuzz: deps-build
	@CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DFERROLIN_FUZZ=ON >/dev/null
	@cmake --build build-fuzz -j $(JOBS)
	scripts/run-fuzz build-fuzz $(FUZZ_SECONDS)

clean:
	rm -rf build build-asan build-fuzz
