# Set-up, build, run and test on Debian 12. Every target installs what is missing first.

# Build tools and Qt; fonts for the screens; an X server, a window manager and
# X input and screenshot tools for the whole-program tests.
PACKAGES := cmake g++ make qt6-base-dev fonts-dejavu-core fonts-liberation2 \
            xvfb xauth openbox xdotool xclip x11-utils imagemagick
# Checking the installed desktop files and building the Debian package.
PACKAGES += appstream desktop-file-utils dpkg-dev file

.PHONY: all deps configure build run test clean screenshots package

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

clean:
	rm -rf build
