# The two everyday commands: `make run` and `make test`.
BUILD      := build
TEST_BUILD := build-test
JOBS       := $(shell nproc)
CMAKE_FLAGS ?=

.PHONY: run test assets build deps bench sim clean

deps:
	@scripts/install-deps

TOOLS_BUILD := build-tools

build: deps
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Release $(CMAKE_FLAGS) >/dev/null
	@cmake --build $(BUILD) -j $(JOBS) --target orbitrove

run: build
	./$(BUILD)/orbitrove

test: deps
	@cmake -S . -B $(TEST_BUILD) -DCMAKE_BUILD_TYPE=Debug -DORBITROVE_SANITIZE=ON -DORBITROVE_BUILD_TOOLS=ON \
		$(CMAKE_FLAGS) >/dev/null
	@cmake --build $(TEST_BUILD) -j $(JOBS)
	cd $(TEST_BUILD) && LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp:print_suppressions=0 \
		ctest --output-on-failure -j $(JOBS)

# The simulator, for scripted runs of the game (see README).
sim: deps
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Release $(CMAKE_FLAGS) >/dev/null
	@cmake --build $(BUILD) -j $(JOBS) --target orbitrove-sim

# The generators build only here and for the tests, never for `make run`.
assets: deps
	@cmake -S . -B $(TOOLS_BUILD) -DCMAKE_BUILD_TYPE=Release -DORBITROVE_BUILD_TOOLS=ON $(CMAKE_FLAGS) >/dev/null
	@cmake --build $(TOOLS_BUILD) -j $(JOBS) --target assets

bench: build
	@cmake --build $(BUILD) -j $(JOBS) --target orbitrove-bench
	./$(BUILD)/bench/orbitrove-bench

clean:
	rm -rf $(BUILD) $(TEST_BUILD) $(TOOLS_BUILD)
