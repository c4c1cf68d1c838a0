# Thin wrapper over the CMake presets. CI runs `make test`, then `make check-clang`.
JOBS ?= $(shell nproc)

.PHONY: deps build app run test check-source check-asan check-clang check-package install uninstall package bench bench-short icon-sheet format translations clean

PREFIX ?= /usr/local
# What `install` and `package` take: the app alone (its own packages, no
# tests); check-package points it at the release build it has already.
APP_BUILD ?= build/app

deps:
	@scripts/install-deps test

build: deps
	cmake --preset release
	cmake --build --preset release -j $(JOBS)

# The app alone: installs and builds only what it needs, no test packages,
# no tests, warnings not errors.
app:
ifeq ($(APP_BUILD),build/app)
	@scripts/install-deps run
	cmake --preset app
	cmake --build --preset app -j $(JOBS)
endif

# Starts the app in the current desktop session.
run: app
	build/app/src/app/torvelbar

test: build
	$(MAKE) --no-print-directory check-source
	scripts/run-ctest release $(JOBS)
	$(MAKE) --no-print-directory check-package
	$(MAKE) --no-print-directory bench-short
	$(MAKE) --no-print-directory check-asan

# The source itself: formatting, the layer table's includes, clang-tidy.
check-source: build
	scripts/check-format
	scripts/check-layers
	scripts/check-tidy build/release $(JOBS)

# A second compiler over the whole tree, warnings as errors (CI runs it).
check-clang: deps
	cmake --preset clang
	cmake --build --preset clang -j $(JOBS)

check-asan: deps
	cmake --preset asan
	cmake --build --preset asan -j $(JOBS)
	scripts/run-ctest asan $(JOBS)

# Installs under PREFIX, stripped, and remembers what it wrote (files and
# the folders it made), for `make uninstall`.
install: app
	scripts/install-into $(APP_BUILD) $(PREFIX)

uninstall:
	cmake -DMANIFEST=build/installed-files.txt -DFOLDERS=build/installed-folders.txt \
	    -P cmake/uninstall.cmake

# $(APP_BUILD)/torvelbar_<version>_amd64.deb, stripped.
package: app
	cd $(APP_BUILD) && cpack -G DEB

# Installs into a throw-away prefix and a throw-away root from the .deb,
# validates what was installed and starts it under Xvfb with a tray.
check-package: build
	$(MAKE) --no-print-directory package APP_BUILD=build/release
	scripts/check-package

# The performance report: torvelbar against a bare Qt tray icon, then the
# Google Benchmark figures. bench-short only checks that it still runs.
bench: build
	bench/perf_report build/release

bench-short: build
	bench/perf_report --short build/release

# Redraws docs/tray-icons.png, the sheet of tray icons the README shows.
icon-sheet: build
	QT_QPA_PLATFORM=offscreen build/release/tests/app/tray_icon_sheet docs/tray-icons.png

# Brings every catalogue in translations/ up to date with the sources'
# texts (new ones to translate, vanished ones dropped).
translations: build
	cmake --build build/release --target update_translations

format:
	find src tests bench -name '*.cpp' -o -name '*.h' | xargs clang-format -i

clean:
	rm -rf build
