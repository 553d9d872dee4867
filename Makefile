# Set-up, build, run and test on Debian 12. Every target installs what is missing first.

# Build tools and Qt; fonts for the screens; an X server, a window manager and
# X input and screenshot tools for the whole-program tests.
PACKAGES := cmake g++ make qt6-base-dev fonts-dejavu-core fonts-liberation2 \
            xvfb xauth openbox xdotool xclip x11-utils imagemagick
# Benchmarks, and the fuzzer with its sanitizers (clang).
PACKAGES += libbenchmark-dev clang-14 libclang-rt-14-dev
# Checking the installed desktop files and building the Debian package.
PACKAGES += appstream desktop-file-utils dpkg-dev file

.PHONY: all deps configure build run test clean bench fuzz test-asan screenshots package

all: build

deps:
	@missing=""; \
	for p in $(PACKAGES); do \
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

configure: deps
	cmake --preset default

build: configure
	cmake --build --preset default

run: build
	./build/ordelio

test: build
	ctest --preset default

# PNGs of the four screens in docs/screenshots/, taken along the whole-program tests' road.
screenshots: build
	scripts/screenshots.sh build docs/screenshots

# The Debian package, build/ordelio_<version>_<arch>.deb.
package: build
	cd build && cpack -G DEB

# Speed and memory against their floors, outside the tests.
bench: deps
	cmake --preset bench
	cmake --build --preset bench
	./build-bench/bench/bench_ordelio

# The number services under libFuzzer, for FUZZ_SECONDS; new inputs go to
# build-fuzz/corpus, the seeds in fuzz/corpus stay as they are.
FUZZ_SECONDS ?= 60
fuzz: deps
	cmake --preset fuzz
	cmake --build --preset fuzz --target fuzz_numeri
	mkdir -p build-fuzz/corpus
	./build-fuzz/fuzz/fuzz_numeri -max_total_time=$(FUZZ_SECONDS) -max_len=4096 -timeout=10 \
	    -print_final_stats=1 -artifact_prefix=build-fuzz/ -dict=fuzz/numeri.dict build-fuzz/corpus fuzz/corpus

# Every test under AddressSanitizer and UndefinedBehaviorSanitizer.
test-asan: deps
	cmake --preset asan
	cmake --build --preset asan
	ctest --preset asan

clean:
	rm -rf build
