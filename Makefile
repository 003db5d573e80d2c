# The two commands of the README: `make run` and `make test`.
BUILD_DIR ?= build
BUILD_TYPE ?= RelWithDebInfo
JOBS ?= $(shell nproc)
# Extra CMake options for a new build folder, e.g. CMAKE_ARGS=-DRVPDF_WERROR=ON
CMAKE_ARGS ?=

.PHONY: all deps configure build run test test-repeat test-asan fuzz bench install package clean

all: build

deps:
	@scripts/install-deps.sh

configure: deps
	@test -f $(BUILD_DIR)/build.ninja || \
		cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) $(CMAKE_ARGS)

build: configure
	@cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	./$(BUILD_DIR)/rvpdf $(if $(FILE),"$(FILE)")

test: build
	@scripts/run-tests.sh $(BUILD_DIR)

# One test run again and again until it fails: make test-repeat TEST=tst_journey TIMES=20
TEST ?= tst_journey
TIMES ?= 20
test-repeat: build
	@scripts/run-tests.sh $(BUILD_DIR) -R '^$(TEST)$$' --repeat until-fail:$(TIMES)

# The whole suite built with AddressSanitizer and UndefinedBehaviorSanitizer.
ASAN_BUILD_DIR ?= build-asan
test-asan: deps
	@test -f $(ASAN_BUILD_DIR)/build.ninja || \
		cmake -S . -B $(ASAN_BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) -DRVPDF_SANITIZE=address,undefined
	@cmake --build $(ASAN_BUILD_DIR) -j $(JOBS)
	@scripts/run-sanitized-tests.sh $(ASAN_BUILD_DIR)

# Each fuzz target for FUZZ_SECONDS on its seeds; a fault found is saved
# under tests/fuzz/regressions/ and fails the run.
FUZZ_BUILD_DIR ?= build-fuzz
FUZZ_SECONDS ?= 60
fuzz: deps
	@test -f $(FUZZ_BUILD_DIR)/build.ninja || \
		cmake -S . -B $(FUZZ_BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) \
			-DCMAKE_CXX_COMPILER=clang++-15 -DRVPDF_FUZZ=ON
	@cmake --build $(FUZZ_BUILD_DIR) -j $(JOBS) --target rvpdf_fuzzers
	@scripts/fuzz.sh $(FUZZ_BUILD_DIR) $(FUZZ_SECONDS)

bench: build
	@scripts/install-deps.sh bench
	@scripts/bench.sh $(BUILD_DIR)
	@scripts/bench-startup.sh $(BUILD_DIR) 20

# DESTDIR=/some/root installs below that root.
install: build
	@cmake --install $(BUILD_DIR) --prefix $(or $(PREFIX),/usr/local)

# A Debian package, built as distributions build it (no in-app sign-in or
# update check), in $(PACKAGE_BUILD_DIR).
PACKAGE_BUILD_DIR ?= build-package
package: deps
	@test -f $(PACKAGE_BUILD_DIR)/build.ninja || \
		cmake -S . -B $(PACKAGE_BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) -DRVPDF_DISTRIBUTION=ON $(CMAKE_ARGS)
	@cmake --build $(PACKAGE_BUILD_DIR) -j $(JOBS) --target rvpdf rvpdf_docs
	@cd $(PACKAGE_BUILD_DIR) && cpack -G DEB

clean:
	rm -rf $(BUILD_DIR) $(ASAN_BUILD_DIR) $(FUZZ_BUILD_DIR) $(PACKAGE_BUILD_DIR)
