# Thin wrapper over CMake. `make run` builds and starts the program, `make test` builds and tests.
BUILD ?= build
DATA ?= $(HOME)/.local/share/palvor
JOBS ?= $(shell nproc)

.PHONY: all deps build run test bench clean

all: build

deps:
	./scripts/install-deps

$(BUILD)/build.ninja:
	cmake -S . -B $(BUILD) -G Ninja

build: deps $(BUILD)/build.ninja
	cmake --build $(BUILD) -j $(JOBS)

run: build
	@$(BUILD)/palvorctl init "$(DATA)" >/dev/null
	cd "$(DATA)" && exec "$(CURDIR)/$(BUILD)/palvor"

test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

bench: build
	./bench/run "$(BUILD)"

clean:
	rm -rf $(BUILD)
