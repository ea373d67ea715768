# The two everyday commands: `make run` and `make test`.
BUILD         := build
TEST_BUILD    := build-test
TOOLS_BUILD   := build-tools
PACKAGE_BUILD := build-package
WEB_BUILD     := build-web-sim
SITE_BUILD    := build-web
WEB_PORT      ?= 8000
JOBS          := $(shell nproc)
CMAKE_FLAGS ?=
# The builds below are make's children: without this each one says which
# folder it enters and leaves.
MAKEFLAGS += --no-print-directory

.PHONY: run test assets build deps test-deps bench sim web-sim web web-run web-bench package clean

deps:
	@scripts/install-deps

test-deps:
	@scripts/install-deps --tests

build: deps
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Release $(CMAKE_FLAGS) >/dev/null
	@cmake --build $(BUILD) -j $(JOBS) --target orbitrove

run: build
	./$(BUILD)/orbitrove

# The sanitizers' leak check cannot follow the thread-local blocks of
# libraries unloaded before the end (the video library is): it crashes in
# them, so the sanitized tests do not track such blocks.
test: web-sim web
	@cmake -S . -B $(TEST_BUILD) -DCMAKE_BUILD_TYPE=Debug -DORBITROVE_SANITIZE=ON -DORBITROVE_BUILD_TOOLS=ON \
		$(CMAKE_FLAGS) >/dev/null
	@cmake --build $(TEST_BUILD) -j $(JOBS)
	cd $(TEST_BUILD) && LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp:print_suppressions=0 \
		ASAN_OPTIONS=intercept_tls_get_addr=0 ctest --output-on-failure -j $(JOBS)

# The simulator, for scripted runs of the game (see README).
sim: deps
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Release $(CMAKE_FLAGS) >/dev/null
	@cmake --build $(BUILD) -j $(JOBS) --target orbitrove-sim

# The simulator as WebAssembly for Node (orbitrove-sim.js), with Emscripten
# (a test dependency): the tests compare it with the same program built
# natively. Emscripten's optimiser needs Node to find Debian's JavaScript
# modules.
web-sim: test-deps
	@export NODE_PATH=/usr/share/nodejs; \
	emcmake cmake -S . -B $(WEB_BUILD) -DORBITROVE_WEB=ON -DCMAKE_BUILD_TYPE=Release >/dev/null && \
	cmake --build $(WEB_BUILD) -j $(JOBS)

# The game as a static site (build-web/site/: the page, the program as
# WebAssembly and its data), built with Emscripten like the web simulator;
# web-run serves it on this machine and says where.
web: test-deps
	@export NODE_PATH=/usr/share/nodejs; \
	emcmake cmake -S . -B $(SITE_BUILD) -DORBITROVE_WEB=ON -DCMAKE_BUILD_TYPE=Release >/dev/null && \
	cmake --build $(SITE_BUILD) -j $(JOBS) --target site

web-run: web
	@echo "Orbitrove is served at http://127.0.0.1:$(WEB_PORT)/ (Ctrl+C stops it)"
	@python3 -m http.server $(WEB_PORT) --bind 127.0.0.1 --directory $(SITE_BUILD)/site

# The site's size, start-up and CPU in headless Chromium (bench/README.md);
# WEB_BENCH_FLAGS="--seconds 10" for a quick look.
WEB_BENCH_FLAGS ?=
web-bench: web
	node bench/web/web_bench.mjs $(WEB_BENCH_FLAGS) $(SITE_BUILD)/site

# The generators build only here and for the tests, never for `make run`.
assets: deps
	@cmake -S . -B $(TOOLS_BUILD) -DCMAKE_BUILD_TYPE=Release -DORBITROVE_BUILD_TOOLS=ON $(CMAKE_FLAGS) >/dev/null
	@cmake --build $(TOOLS_BUILD) -j $(JOBS) --target assets

bench: build test-deps
	@cmake --build $(BUILD) -j $(JOBS) --target orbitrove-bench orbitrove-game-bench
	./$(BUILD)/bench/orbitrove-bench
	./$(BUILD)/bench/orbitrove-game-bench

# The Debian package: a release build of the game with Debian's hardening
# flags, packed by CPack and checked by lintian.
package: test-deps
	@export DEB_BUILD_MAINT_OPTIONS=hardening=+all; \
	CXXFLAGS="$$(dpkg-buildflags --get CXXFLAGS) $$(dpkg-buildflags --get CPPFLAGS)" \
	LDFLAGS="$$(dpkg-buildflags --get LDFLAGS)" \
	cmake -S . -B $(PACKAGE_BUILD) -DCMAKE_BUILD_TYPE=Release -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON $(CMAKE_FLAGS) >/dev/null
	@cmake --build $(PACKAGE_BUILD) -j $(JOBS) --target orbitrove orbitrove-docs
	@cd $(PACKAGE_BUILD) && cpack
	lintian --fail-on error,warning $(PACKAGE_BUILD)/orbitrove_*.deb

clean:
	rm -rf $(BUILD) $(TEST_BUILD) $(TOOLS_BUILD) $(PACKAGE_BUILD) $(WEB_BUILD) $(SITE_BUILD)
