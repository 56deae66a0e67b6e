# The two commands of the README: "make run" and "make test".
BUILD ?= build
JOBS ?= $(shell nproc 2>/dev/null || echo 2)

.PHONY: all deps configure build test run clean

all: build

deps:
	@scripts/install-deps --check >/dev/null 2>&1 || scripts/install-deps

configure: deps
	@test -f $(BUILD)/CMakeCache.txt || cmake -S . -B $(BUILD) -G "$(shell command -v ninja >/dev/null 2>&1 && echo Ninja || echo 'Unix Makefiles')"

build: configure
	cmake --build $(BUILD) -j $(JOBS)

test: build
	QT_QPA_PLATFORM=offscreen ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)

run: build
	@scripts/run-kzobaan $(BUILD)

clean:
	rm -rf $(BUILD)
