# The two commands a newcomer needs: `make run` and `make test`.
# Both install missing Debian packages first, then configure and build in build/.
BUILD  ?= build
JOBS   ?= $(shell nproc)
CMAKE_FLAGS ?=

.PHONY: all deps configure build run test bench clean

all: build

deps:
	@tools/install-deps.sh

configure: deps
	@cmake -S . -B $(BUILD) $(CMAKE_FLAGS) >/dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

# The program reads its pictures from the working directory.
run: build
	@cd assets && ../$(BUILD)/ui/quorvel

test: build
	@cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

bench: build
	@$(BUILD)/bench/quorvel-bench-core

clean:
	rm -rf $(BUILD)

# The Debian package: $(BUILD)/quorvel_<version>_<arch>.deb, installed with
# `sudo apt install ./$(BUILD)/quorvel_*.deb`.
.PHONY: package
package: build
	@cmake --build $(BUILD) --target package
