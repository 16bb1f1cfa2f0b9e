# Front door: `make run` and `make test` install what is missing, build and go.
BUILD ?= build
BUILD_TYPE ?= Release
PREFIX ?= /usr/local
CMAKE_FLAGS ?=
# What a target turns on in the build folder's configuration; it stays on
# there. A plain `make build` builds the game alone.
OPTION_FLAGS =

.PHONY: all deps test-deps configure build run test bench screenshot assets install deb check-install clean \
	web web-run web-screenshot web-test-deps

all: build

deps:
	@./tools/install-deps.sh

# What only the tests use, on top: the packager's checkers, a Wayland
# compositor and the screen reader.
test-deps: deps
	@./tools/install-deps.sh tools/debian-test-packages.txt

configure: deps
	@cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) -DCMAKE_INSTALL_PREFIX=$(PREFIX) \
		$(OPTION_FLAGS) $(CMAKE_FLAGS) >/dev/null

build: configure
	@cmake --build $(BUILD)

run: build
	$(BUILD)/bin/pelmora

test: OPTION_FLAGS = -DBUILD_TESTING=ON -DPELMORA_WEB_TESTS=ON
test: build web web-test-deps test-deps
	cd $(BUILD) && ctest --output-on-failure

bench: OPTION_FLAGS = -DPELMORA_BENCH=ON
bench: build web web-test-deps
	./tools/bench.sh $(BUILD)
	./tools/web/bench.sh $(BUILD)
	./tools/measure-sound-costs.sh $(BUILD)

screenshot: OPTION_FLAGS = -DPELMORA_SCREENSHOT=ON
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
check-install: build test-deps
	./tools/check-install.sh $(BUILD)

# The game in the browser: $(BUILD)/web, served by any static web server.
web: configure
	@./tools/web/build.sh $(BUILD)

web-run: web
	@./tools/web/serve.sh $(BUILD)/web

# The page in the scene of docs/screenshot.png, for the README.
web-screenshot: web web-test-deps
	@cmake --build $(BUILD) --target pelmora_rules_transcript >/dev/null
	@NODE_PATH=$(BUILD)/npm/node_modules node tools/web/screenshot.cjs $(BUILD)/web \
		$(BUILD)/bin/pelmora_rules_transcript docs/web-screenshot.png

# The pinned Node packages that drive Chromium in the browser tests.
web-test-deps: deps
	@./tools/web/npm-install.sh $(BUILD)

clean:
	rm -rf $(BUILD)
