# The two commands a newcomer needs: `make run` and `make test`.
# Each target first installs the Debian packages its purpose needs (tools/install-deps.sh, one list
# per purpose), then configures and builds in build/ only what it uses: `make run` the program
# alone, `make test` everything.
BUILD  ?= build
JOBS   ?= $(shell nproc)
CMAKE_FLAGS ?=

# Configures $(1) from $(2) with the flags $(3). CMake's own report is kept back while it succeeds
# quietly and printed in full when it fails or warns.
define configure
	@log=$$(mktemp); \
	if cmake -S $(2) -B $(1) $(3) >"$$log" 2>&1; then \
	  if grep -q "CMake.*Warning" "$$log"; then cat "$$log" >&2; fi; rm -f "$$log"; \
	else cat "$$log" >&2; rm -f "$$log"; echo "make: configuring $(1) failed (output above)" >&2; exit 1; fi
endef

.PHONY: all run test bench clean package web

all: build

# The program reads its pictures from the working directory.
run:
	@tools/install-deps.sh run
	$(call configure,$(BUILD),.,$(CMAKE_FLAGS))
	@cmake --build $(BUILD) -j $(JOBS) --target quorvel
	@cd assets && ../$(BUILD)/ui/quorvel

# `make` alone: everything, the tests included, with what they need installed.
.PHONY: build
build:
	@tools/install-deps.sh test web
	$(call configure,$(BUILD),.,-DQUORVEL_TESTS=ON $(CMAKE_FLAGS))
	@cmake --build $(BUILD) -j $(JOBS)

test: build
	@cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

bench:
	@tools/install-deps.sh bench
	$(call configure,$(BUILD),.,$(CMAKE_FLAGS))
	@cmake --build $(BUILD) -j $(JOBS) --target quorvel-bench-core
	@$(BUILD)/bench/quorvel-bench-core

clean:
	rm -rf $(BUILD) $(WEB_BUILD)

# The browser edition: $(WEB_BUILD)/quorvel.html, one file that runs offline in any browser. Needs
# emscripten and Node.js, not Qt.
WEB_BUILD ?= build-web
web:
	@tools/install-deps.sh web
	@$(MAKE) --no-print-directory -f web/web.mk OUT=$(WEB_BUILD)

# The Debian package: $(BUILD)/quorvel_<version>_<arch>.deb, installed with
# `sudo apt install ./$(BUILD)/quorvel_*.deb`. Builds the two programs it holds, not the tests.
package:
	@tools/install-deps.sh package
	$(call configure,$(BUILD),.,$(CMAKE_FLAGS))
	@cmake --build $(BUILD) -j $(JOBS) --target quorvel quorvel-sim
	@cd $(BUILD) && cpack --config CPackConfig.cmake

# --- hardening: sanitizer build and fuzzing ------------------------------------------------
# `make test-asan` builds everything with AddressSanitizer (leak checks included) and
# UndefinedBehaviorSanitizer in build-asan/ and runs the whole suite there; any report fails it.
# `make fuzz` builds the fuzz targets with clang in build-fuzz/ and runs each FUZZ_SECONDS long.
ASAN_BUILD   ?= build-asan
FUZZ_BUILD   ?= build-fuzz
FUZZ_SECONDS ?= 60
SANITIZER_ENV = ASAN_OPTIONS=detect_leaks=1 \
                UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
FUZZ_FLAGS    = -DCMAKE_CXX_COMPILER=clang++-14

.PHONY: test-asan fuzz fuzz-seeds

test-asan:
	@tools/install-deps.sh test asan
	$(call configure,$(ASAN_BUILD),.,-DQUORVEL_TESTS=ON -DQUORVEL_SANITIZE=ON -DCMAKE_DISABLE_FIND_PACKAGE_benchmark=ON)
	@cmake --build $(ASAN_BUILD) -j $(JOBS)
	@cd $(ASAN_BUILD) && $(SANITIZER_ENV) ctest --output-on-failure -j $(JOBS)

fuzz:
	@tools/install-deps.sh fuzz
	$(call configure,$(FUZZ_BUILD),fuzz,$(FUZZ_FLAGS))
	@cmake --build $(FUZZ_BUILD) -j $(JOBS)
	@fuzz/run.sh $(FUZZ_BUILD) $(FUZZ_SECONDS)

# Rewrites the committed seed corpus in fuzz/corpus/ from its generator.
fuzz-seeds:
	@tools/install-deps.sh fuzz
	$(call configure,$(FUZZ_BUILD),fuzz,$(FUZZ_FLAGS))
	@cmake --build $(FUZZ_BUILD) -j $(JOBS) --target quorvel-fuzz-seeds
	@$(FUZZ_BUILD)/quorvel-fuzz-seeds fuzz/corpus
