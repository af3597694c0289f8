# Veltrane: `make run` opens the editor on a demo mix; `make test` runs every test.
BUILD := build

.PHONY: run test build deps test-deps clean

run: build
	@bash scripts/run-demo.sh $(BUILD)

test: test-deps
	@bash scripts/test.sh

build: deps
	@[ -f $(BUILD)/CMakeCache.txt ] || cmake -S . -B $(BUILD) >/dev/null
	@cmake --build $(BUILD) -j2

deps:
	@bash scripts/install-deps.sh run

test-deps:
	@bash scripts/install-deps.sh test

clean:
	rm -rf $(BUILD) build-san
