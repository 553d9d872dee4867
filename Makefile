# SPDX-License-Identifier: GPL-3.0-or-later
# Set-up, build, run and test on Debian 12 and 13 alike. Every target installs what it
# is missing first, and only what it needs: each set below is named in the README's table.

# Building and running: the compiler, CMake, Qt, the faces the screens use and Qt's own
# texts in Italian.
RUN_PACKAGES := cmake g++ make qt6-base-dev fonts-dejavu-core fonts-liberation2 qt6-translations-l10n
# The tests: an X server, a window manager, X input and screenshot tools for the
# whole-program tests; rendering the icon, checking the desktop files and the package.
TEST_PACKAGES := $(RUN_PACKAGES) xvfb xauth openbox xdotool x11-utils xclip poppler-utils imagemagick librsvg2-bin \
                 appstream desktop-file-utils dpkg-dev file lintian
BENCH_PACKAGES := $(RUN_PACKAGES) libbenchmark-dev
# The release's own clang, whatever its version.
FUZZ_PACKAGES := $(RUN_PACKAGES) clang libclang-rt-dev
PACKAGE_PACKAGES := $(RUN_PACKAGES) dpkg-dev file lintian
FRESH_PACKAGES := debootstrap git
# The Windows program: the MinGW-w64 cross-compiler, what cross-builds Qt from Debian's
# source, the icon and the guide's page, the zip; Wine and the test set for its road.
WINDOWS_PACKAGES := $(TEST_PACKAGES) g++-mingw-w64-x86-64-posix ninja-build dpkg-dev xz-utils \
                    cmark-gfm zip wine wine64
# The program for the browser: debootstrap for a Debian 13 root where the release is
# older (web.sh installs emscripten there, or on Debian 13 itself), python3 to serve the
# page; the desktops' road in Debian's Chromium, and node for the dots.
WEB_PACKAGES := python3 $(shell . /etc/os-release && [ "$$VERSION_CODENAME" = trixie ] || echo debootstrap)
WEB_TEST_PACKAGES := $(WEB_PACKAGES) $(TEST_PACKAGES) chromium nodejs
# The same road on other desktops: an X11 window manager more, and Wayland compositors
# (with XWayland, and Qt's Wayland platform for the program).
# mutter 49 on runs no more nested, but in its devkit, whose viewer shows mutter's screen
# through PipeWire: where the release has it.
DEVKIT_PACKAGES := $(shell apt-cache show mutter-dev-bin >/dev/null 2>&1 && echo mutter-dev-bin pipewire wireplumber)
DESKTOP_PACKAGES := $(TEST_PACKAGES) mutter weston kwin-wayland xwayland qt6-wayland dbus-daemon $(DEVKIT_PACKAGES)

.PHONY: all build run test test-desktop test-fresh clean bench fuzz test-asan screenshots package \
        windows test-windows web serve-web test-web

all: build

# Installs the packages of a set that are not installed yet, as root; anyone else is
# told the one command to run.
define installa
	@missing=""; \
	for p in $(1); do \
	  dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q 'install ok installed' || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	  if [ "$$(id -u)" -eq 0 ]; then \
	    echo "Installing:$$missing"; \
	    apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends $$missing; \
	  else \
	    echo "Missing packages. Run: sudo apt-get install$$missing"; exit 1; \
	  fi; \
	fi
endef

define compila
	cmake --preset default
	cmake --build --preset default
endef

build:
	$(call installa,$(RUN_PACKAGES))
	$(compila)

run: build
	./build/ordelio

# The tests also prove the build free of warnings on this release's compiler: the preset
# `test` is `default` with warnings as errors, in build-test/, so that going from one to
# the other never builds everything again.
test:
	$(call installa,$(TEST_PACKAGES))
	cmake --preset test
	cmake --build --preset test
	ctest --preset test

# The whole-program road under mutter (X11) and under weston, mutter and kwin as
# Wayland sessions, each with and without XWayland. REPEAT=N runs each row N times.
test-desktop:
	$(call installa,$(DESKTOP_PACKAGES))
	$(compila)
	REPEAT=$(REPEAT) ctest --preset desktop

# The README's `make test` in a new Debian root that has nothing but make and git:
# DEBIAN=12 (the default), 13 (with `make test-desktop` too) or testing.
DEBIAN ?= 12
test-fresh:
	$(call installa,$(FRESH_PACKAGES))
	scripts/test-fresh.sh $(DEBIAN)

# build-windows/ordelio.exe, one self-contained Windows program, and the release zip
# beside it. Qt for Windows is cross-built from Debian's source the first time (13 minutes
# on two idle cores) and kept in /var/cache/ordelio-qt-windows.
# CMake reads a toolchain only when it first configures, so a build made against another
# Qt starts afresh; Qt's toolchain loads the MinGW one of this checkout, wherever Qt was built.
windows:
	$(call installa,$(WINDOWS_PACKAGES))
	qt=$$(bash scripts/windows/qt.sh) && toolchain=$$qt/lib/cmake/Qt6/qt.toolchain.cmake && \
	fresco=$$(grep -qsxF "CMAKE_TOOLCHAIN_FILE:FILEPATH=$$toolchain" build-windows/CMakeCache.txt || echo --fresh) && \
	cmake --preset windows $$fresco -DCMAKE_TOOLCHAIN_FILE=$$toolchain \
	    -DQT_CHAINLOAD_TOOLCHAIN_FILE=$(CURDIR)/scripts/windows/mingw.cmake
	cmake --build --preset windows

# The whole-program road under Wine, in Italian and in English, the DLLs it imports, and
# its dots beside the Linux build's.
test-windows: windows
	cmake --preset default >/dev/null
	cmake --build --preset default --target punti
	cmake --build --preset windows --target punti
	bash tests/program/windows.sh build-windows/ordelio.exe build/punti build-windows/punti.exe

# build-web/: the page ordelio.html with the program, Qt's loader, the icon, the
# instructions and the licence, and the same in a zip. Qt for WebAssembly is built from
# Debian 13's source the first time (7 minutes on two idle cores) and kept in
# /var/cache/ordelio-web.
web:
	$(call installa,$(WEB_PACKAGES))
	scripts/web/web.sh

# build-web/ on http://localhost:$(PORT)/ordelio.html, for a try in this machine's browser.
PORT ?= 8080
serve-web:
	@test -f build-web/ordelio.html || { echo "build-web/ordelio.html is missing: run make web first"; exit 1; }
	/usr/bin/python3 scripts/web/servi.py build-web $(PORT)

# The dots of many curves beside the Linux build's, then the whole-program road in
# Chromium under openbox, in Italian and in English. REPEAT=N walks it N times in each.
test-web:
	$(call installa,$(WEB_TEST_PACKAGES))
	scripts/web/web.sh all punti
	cmake --preset default >/dev/null
	cmake --build --preset default --target punti
	build/punti >build/punti.txt && node build-web/punti.js | cmp -s - build/punti.txt && echo "dots: the same as on Linux" || \
	    { echo "FAIL: the browser's dots differ from Linux's"; exit 1; }
	LINGUA=it REPEAT=$(REPEAT) bash tests/program/desktop.sh build-web chromium; esito=$$?; \
	LINGUA=en REPEAT=$(REPEAT) bash tests/program/desktop.sh build-web chromium && exit $$esito

# PNGs of the four screens in docs/screenshots/, taken along the typical road.
screenshots:
	$(call installa,$(TEST_PACKAGES))
	$(compila)
	scripts/screenshots.sh build docs/screenshots

# The Debian package, build/ordelio_<version>_<arch>.deb.
package: build
	$(call installa,$(PACKAGE_PACKAGES))
	cd build && cpack -G DEB

# Speed and memory against their goals, outside the tests; fails if any figure misses
# its goal or is missing.
bench:
	$(call installa,$(BENCH_PACKAGES))
	cmake --preset bench
	cmake --build --preset bench
	./build-bench/bench/bench_ordelio

# The number services, then the lesson reader, under libFuzzer, for half of FUZZ_SECONDS
# each; new inputs go to build-fuzz/corpus and build-fuzz/corpus-lezione, the seeds in
# fuzz/ stay as they are.
FUZZ_SECONDS ?= 60
fuzz:
	$(call installa,$(FUZZ_PACKAGES))
	cmake --preset fuzz
	cmake --build --preset fuzz --target fuzz_numeri fuzz_lezione
	mkdir -p build-fuzz/corpus build-fuzz/corpus-lezione
	./build-fuzz/fuzz/fuzz_numeri -max_total_time=$$(( ($(FUZZ_SECONDS) + 1) / 2 )) -max_len=4096 -timeout=10 \
	    -print_final_stats=1 -artifact_prefix=build-fuzz/ -dict=fuzz/numeri.dict build-fuzz/corpus fuzz/corpus
	./build-fuzz/fuzz/fuzz_lezione -max_total_time=$$(( ($(FUZZ_SECONDS) + 1) / 2 )) -max_len=65536 -timeout=10 \
	    -print_final_stats=1 -artifact_prefix=build-fuzz/lezione- -dict=fuzz/lezione.dict \
	    build-fuzz/corpus-lezione fuzz/corpus-lezione

# Every test under AddressSanitizer and UndefinedBehaviorSanitizer.
test-asan:
	$(call installa,$(TEST_PACKAGES))
	cmake --preset asan
	cmake --build --preset asan
	ctest --preset asan

clean:
	rm -rf build build-test build-asan build-bench build-fuzz build-windows build-web
