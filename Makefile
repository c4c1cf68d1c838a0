# Thin wrapper over the CMake presets. `make test` is what CI runs.
JOBS ?= $(shell nproc)

.PHONY: deps build run test check-asan bench format clean

deps:
	@scripts/install-deps

build: deps
	cmake --preset release
	cmake --build --preset release -j $(JOBS)

# Starts the app in the current desktop session (needs DISPLAY).
run: build
	build/release/src/app/torvelbar

test: build
	ctest --preset release -j $(JOBS)
	$(MAKE) --no-print-directory check-asan

check-asan: deps
	cmake --preset asan
	cmake --build --preset asan -j $(JOBS)
	ctest --preset asan -j $(JOBS)

bench: build
	build/release/bench/torvel_bench

format:
	find src tests bench -name '*.cpp' -o -name '*.h' | xargs clang-format -i

clean:
	rm -rf build
