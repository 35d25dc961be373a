# Two commands do all the set-up: `make run` and `make test`.
BUILD   ?= build
PREFIX  ?= $(HOME)/.local/share/velmorat
JOBS    ?= $(shell nproc)

.PHONY: deps configure build program run test install bench clean

deps:
	./scripts/install-deps

configure: deps
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo

build: configure
	cmake --build $(BUILD) -j $(JOBS)

# The program, its tools and its shipped files, without the tests.
program: configure
	cmake --build $(BUILD) -j $(JOBS) --target programa

install: program
	cmake -DPREFIX="$(PREFIX)" -DBUILD_DIR="$(BUILD)" -DSOURCE_DIR="$(CURDIR)" -P scripts/install.cmake

run: install
	"$(PREFIX)/velmorat"

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

bench: configure
	cmake --build $(BUILD) -j $(JOBS) --target benchmarks

clean:
	rm -rf $(BUILD)
