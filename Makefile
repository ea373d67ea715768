# The two everyday commands: `make run` and `make test`.
BUILD      := build
TEST_BUILD := build-test
JOBS       := $(shell nproc)
CMAKE_FLAGS ?=

.PHONY: run test assets build deps bench clean

deps:
	@scripts/install-deps

build: deps
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Release $(CMAKE_FLAGS) >/dev/null
	@cmake --build $(BUILD) -j $(JOBS)

run: build
	./$(BUILD)/orbitrove

test: deps
	@cmake -S . -B $(TEST_BUILD) -DCMAKE_BUILD_TYPE=Debug -DORBITROVE_SANITIZE=ON $(CMAKE_FLAGS) >/dev/null
	@cmake --build $(TEST_BUILD) -j $(JOBS)
	cd $(TEST_BUILD) && LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp:print_suppressions=0 \
		ctest --output-on-failure -j $(JOBS)

assets: build
	@cmake --build $(BUILD) --target assets

bench: build
	./$(BUILD)/bench/orbitrove-bench

clean:
	rm -rf $(BUILD) $(TEST_BUILD)
