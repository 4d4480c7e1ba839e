# The two everyday commands: `make run` and `make test`. Both install what is missing first.
BUILD ?= build
JOBS ?= 2

.PHONY: run test build deps clean

run: build
	cd $(BUILD)/app && ./nuboro

test: build
	ctest --test-dir $(BUILD) --output-on-failure -j$(JOBS)

build: deps
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Release
	cmake --build $(BUILD) -j$(JOBS)

deps:
	./scripts/install-deps

clean:
	rm -rf $(BUILD)
