# Veltrane: `make run` opens the editor on a demo mix; `make test` runs every test.
# `make install` installs it under $(PREFIX); `make package` builds a Debian package in build/.
BUILD := build
PREFIX ?= /usr/local
# A build folder is configured once; later builds reuse it.
CONFIGURE = [ -f $(BUILD)/CMakeCache.txt ] || cmake -S . -B $(BUILD) >/dev/null

.PHONY: run test build deps test-deps install package package-deps clean

run: build
	@bash scripts/run-demo.sh $(BUILD)

test: test-deps
	@bash scripts/test.sh

build: deps
	@$(CONFIGURE)
	@cmake --build $(BUILD) -j2

install: build
	@cmake --install $(BUILD) --prefix "$(PREFIX)"

# Builds only what the package holds, not the tests.
package: package-deps
	@$(CONFIGURE)
	@cmake --build $(BUILD) -j2 --target package_contents
	@bash scripts/package.sh $(BUILD)

deps:
	@bash scripts/install-deps.sh run

test-deps:
	@bash scripts/install-deps.sh test

package-deps:
	@bash scripts/install-deps.sh package

clean:
	rm -rf $(BUILD) build-san
