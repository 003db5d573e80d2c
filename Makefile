# The two commands of the README: `make run` and `make test`.
BUILD_DIR ?= build
BUILD_TYPE ?= RelWithDebInfo
JOBS ?= $(shell nproc)

.PHONY: all deps configure build run test bench install package clean

all: build

deps:
	@scripts/install-deps.sh

configure: deps
	@test -f $(BUILD_DIR)/build.ninja || \
		cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=$(BUILD_TYPE)

build: configure
	@cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	./$(BUILD_DIR)/rvpdf $(if $(FILE),"$(FILE)")

test: build
	@scripts/run-tests.sh $(BUILD_DIR)

bench: build
	@scripts/bench.sh $(BUILD_DIR)
	@scripts/bench-startup.sh $(BUILD_DIR) 20

# DESTDIR=/some/root installs below that root.
install: build
	@cmake --install $(BUILD_DIR) --prefix $(or $(PREFIX),/usr/local)

# A Debian package of the build, in $(BUILD_DIR).
package: build
	@cd $(BUILD_DIR) && cpack -G DEB

clean:
	rm -rf $(BUILD_DIR)
