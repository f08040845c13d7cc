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

# --- hardening: sanitizer build and fuzzing ------------------------------------------------
# `make test-asan` builds everything with AddressSanitizer (leak checks included) and
# UndefinedBehaviorSanitizer in build-asan/ and runs the whole suite there; any report fails it.
# `make fuzz` builds the fuzz targets with clang in build-fuzz/ and runs each FUZZ_SECONDS long.
ASAN_BUILD   ?= build-asan
FUZZ_BUILD   ?= build-fuzz
FUZZ_SECONDS ?= 60
SANITIZER_ENV = ASAN_OPTIONS=detect_leaks=1 \
                UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

.PHONY: test-asan fuzz fuzz-seeds

test-asan: deps
	@cmake -S . -B $(ASAN_BUILD) -DQUORVEL_SANITIZE=ON -DCMAKE_DISABLE_FIND_PACKAGE_benchmark=ON >/dev/null
	@cmake --build $(ASAN_BUILD) -j $(JOBS)
	@cd $(ASAN_BUILD) && $(SANITIZER_ENV) ctest --output-on-failure -j $(JOBS)

fuzz: deps
	@cmake -S fuzz -B $(FUZZ_BUILD) -DCMAKE_CXX_COMPILER=clang++-14 >/dev/null
	@cmake --build $(FUZZ_BUILD) -j $(JOBS)
	@fuzz/run.sh $(FUZZ_BUILD) $(FUZZ_SECONDS)

# Rewrites the committed seed corpus in fuzz/corpus/ from its generator.
fuzz-seeds: deps
	@cmake -S fuzz -B $(FUZZ_BUILD) -DCMAKE_CXX_COMPILER=clang++-14 >/dev/null
	@cmake --build $(FUZZ_BUILD) -j $(JOBS) --target quorvel-fuzz-seeds
	@$(FUZZ_BUILD)/quorvel-fuzz-seeds fuzz/corpus
