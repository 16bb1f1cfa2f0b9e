# Front door: `make run` and `make test` install what is missing, build and go.
BUILD ?= build
BUILD_TYPE ?= Release
PREFIX ?= /usr/local
CMAKE_FLAGS ?=

.PHONY: all deps configure build run test bench screenshot assets install deb check-install clean

all: build

deps:
	@./tools/install-deps.sh

configure: deps
	@cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) -DCMAKE_INSTALL_PREFIX=$(PREFIX) $(CMAKE_FLAGS) >/dev/null

build: configure
	@cmake --build $(BUILD)

run: build
	$(BUILD)/bin/pelmora

test: build
	cd $(BUILD) && ctest --output-on-failure

bench: build
	./tools/bench.sh $(BUILD)

screenshot: build
	./tools/screenshot.sh $(BUILD) docs/screenshot.png

# Redraws the committed pictures and sounds from tools/assetgen.
assets: deps
	@cmake -S . -B $(BUILD) -G Ninja -DPELMORA_ASSETGEN=ON >/dev/null
	@cmake --build $(BUILD) --target assets

install: build
	cmake --install $(BUILD) --prefix $(PREFIX)

# A Debian package of the built game, left in $(BUILD).
deb: build
	cd $(BUILD) && cpack -G DEB

# Installs into a scratch folder, makes and unpacks the .deb, checks both.
check-install: build
	./tools/check-install.sh $(BUILD)

clean:
	rm -rf $(BUILD)
