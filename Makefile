# Two commands on a fresh machine:
#   make run    installs what is missing, builds, generates data/ in the build
#               tree and starts the game
#   make test   the same set-up, then every test (with its own Xvfb)
BUILD_DIR ?= build
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
# The build runs make again below cmake; its directory messages say nothing here.
MAKEFLAGS += --no-print-directory

.PHONY: all deps configure build run test clean

all: build

deps:
	@scripts/install-deps.sh

configure: deps
	@cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo > /dev/null

build: configure
	@cmake --build $(BUILD_DIR) -j $(JOBS)

# Without a display there is nothing to build for: one line says so (make
# expands the whole recipe, and so this check, before running any of it).
run:
	$(if $(DISPLAY),,$(error quirtal: no display (DISPLAY is not set); start it on an X display, or under Xvfb: xvfb-run -s '-screen 0 1024x768x24' make run))
	@$(MAKE) build
	@scripts/run-game.sh $(BUILD_DIR)/quirtal

test: build
	@scripts/with-xvfb.sh ctest --test-dir $(BUILD_DIR) --output-on-failure -j $(JOBS)

clean:
	rm -rf $(BUILD_DIR)

# Long soak in a sanitizer build, benchmarks, and installation under PREFIX.
ASAN_DIR ?= build-asan
BENCH_DIR ?= build-bench
PREFIX ?= /usr/local

.PHONY: soak bench install

soak: build
	@cmake -S . -B $(ASAN_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUIRTAL_SANITIZE=ON > /dev/null
	@cmake --build $(ASAN_DIR) --target quirtal_soak quirtal -j $(JOBS)
	@scripts/run-soak.sh $(BUILD_DIR) $(ASAN_DIR)/tests/soak/quirtal_soak $(ASAN_DIR)/quirtal

bench: build
	@cmake -S . -B $(BENCH_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUIRTAL_BENCH=ON -DBUILD_TESTING=OFF > /dev/null
	@cmake --build $(BENCH_DIR) -j $(JOBS)
	@scripts/with-xvfb.sh bench/run-bench.sh $(BENCH_DIR)

install: build
	@cmake --install $(BUILD_DIR) --prefix $(PREFIX)

# Longer fuzzing of the BMP, TGA, JPEG and 3DS readers (FUZZ_SECONDS each).
FUZZ_SECONDS ?= 600
.PHONY: fuzz
fuzz: deps
	@scripts/fuzz.sh seconds $(FUZZ_SECONDS)
