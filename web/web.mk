# The browser edition: the core, the game layer and the batch compiled with Debian's emscripten,
# bound to the page with embind, and inlined with the page's script, styles, texts and pictures
# into one file.
#   make -f web/web.mk [OUT=build-web]      (from the repository's top folder; `make web` does it)
OUT  ?= build-web
EMXX ?= em++
NODE ?= node

# emscripten's own JavaScript tools find their modules there only where a Node.js from outside
# Debian comes first on the PATH; Debian's Node.js looks there anyway.
export NODE_PATH := /usr/share/nodejs

CXXFLAGS := -std=c++20 -O2 -Wall -Wextra -Wpedantic -Icore -Igame -Ibatch -Iweb
# The wasm is handed to the module by the page (no fetch, no file beside it); the chart's record
# grows with the game, so the memory does too.
LDFLAGS  := -O2 --bind -sMODULARIZE=1 -sEXPORT_NAME=createQuorvel -sENVIRONMENT=web,worker -sFILESYSTEM=0 \
            -sALLOW_MEMORY_GROWTH=1

SOURCES := $(wildcard core/*.cpp game/*.cpp batch/*.cpp web/*.cpp)
OBJECTS := $(SOURCES:%.cpp=$(OUT)/obj/%.o)
PAGE_PARTS := web/tools/make-page.js $(wildcard web/*.js web/*.css web/*.html assets/web/*) \
              translations/quorvel_en.ts

$(OUT)/quorvel.html: $(OUT)/quorvel-wasm.js $(PAGE_PARTS)
	$(NODE) web/tools/make-page.js $(OUT)/quorvel-wasm.js $(OUT)/quorvel-wasm.wasm $@

$(OUT)/quorvel-wasm.js: $(OBJECTS)
	$(EMXX) $(LDFLAGS) $^ -o $@

$(OUT)/obj/%.o: %.cpp
	@mkdir -p $(@D)
	$(EMXX) $(CXXFLAGS) -MMD -MP -c $< -o $@

# The batch engine's round tests both sides with | on purpose: no branch.
$(OUT)/obj/batch/%.o: CXXFLAGS += -Wno-bitwise-instead-of-logical

-include $(OBJECTS:.o=.d)
