# Two commands on a fresh machine:
#   make run    installs what is missing, builds, generates data/ and starts the game
#   make test   the same set-up, then every test (with its own Xvfb)
BUILD_DIR ?= build
JOBS ?= $(shell nproc 2>/dev/null || echo 2)

.PHONY: all deps configure build run test clean

all: build

deps:
	@scripts/install-deps.sh

configure: deps
	@cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo > /dev/null

build: configure
	@cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	@scripts/run-game.sh $(BUILD_DIR)/quirtal

test: build
	@scripts/with-xvfb.sh ctest --test-dir $(BUILD_DIR) --output-on-failure -j $(JOBS)

clean:
	rm -rf $(BUILD_DIR)
