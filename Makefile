# Jovitrack: the two commands a user needs are `make run` and `make test`.
BUILD      ?= build
SAN_BUILD  ?= build-sanitize
JOBS       ?= $(shell nproc)
CMAKE_GEN  := -G Ninja
# A compiler cache speeds up rebuilds where one is installed; nothing depends on it.
CCACHE     := $(shell command -v ccache 2>/dev/null)
ifneq ($(CCACHE),)
CMAKE_GEN  += -DCMAKE_CXX_COMPILER_LAUNCHER=$(CCACHE) -DCMAKE_C_COMPILER_LAUNCHER=$(CCACHE)
endif

.PHONY: run test bench build deps sanitize clean web web-core web-page web-run web-test web-bench web-dist

deps:
	@bash scripts/setup-deps.sh

$(BUILD)/build.ninja: | deps
	cmake -S . -B $(BUILD) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Release

build: deps $(BUILD)/build.ninja
	cmake --build $(BUILD) -j $(JOBS)

run: build
	@bash scripts/launch.sh $(BUILD)/bin/jovitrack

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)
	$(MAKE) --no-print-directory sanitize
	$(MAKE) --no-print-directory web-test

# The core and its tests once more under AddressSanitizer and UndefinedBehaviorSanitizer.
sanitize: deps
	cmake -S . -B $(SAN_BUILD) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Debug \
	      -DJOVI_SANITIZE=ON -DJOVI_WITH_UI=OFF -DJOVI_WITH_BENCH=OFF
	cmake --build $(SAN_BUILD) -j $(JOBS)
	cd $(SAN_BUILD) && ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
	      UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 ctest --output-on-failure -j $(JOBS)

bench: build
	@for b in $(BUILD)/bin/*_bench; do [ -x "$$b" ] && "$$b"; done; true
	$(MAKE) --no-print-directory web-bench

clean:
	rm -rf $(BUILD) $(SAN_BUILD) $(PKG_BUILD) $(WEB_BUILD)

# The browser edition in $(WEB_BUILD)/: the core compiled to WebAssembly by em++ (the module
# for the page in core/, its data in data/, jovitrack-cli.js and the core's tests for node in
# bin/). The data generators run natively: their files come from the native build. `web` is the
# whole edition; the page's build adds itself to it after the core. The pictures the page draws
# are the native build's lossless WebP copies of the desktop's bitmaps (tools/page_pictures).
WEB_BUILD ?= build-web
WEB_CMAKE := $(WEB_BUILD)/cmake
EMCMAKE_GEN := -G Ninja
# Emscripten's JavaScript tools find their node modules (acorn) where Debian puts them, whichever
# node runs them.
WEB_ENV := NODE_PATH=/usr/share/nodejs
ifneq ($(CCACHE),)
EMCMAKE_GEN += -DCMAKE_CXX_COMPILER_LAUNCHER=$(CCACHE) -DCMAKE_C_COMPILER_LAUNCHER=$(CCACHE)
endif

web: web-core web-page

# The page (web/: TypeScript bundled by esbuild) at the site's root, over the module and its data.
web-page: web-core
	cd web && node scripts/build.mjs ../$(WEB_BUILD) ../$(BUILD)/icons

# Serves the site on the loopback; any static web server serves the folder as it is (it needs
# http or https: a page opened from the disk cannot load the WebAssembly core).
WEB_PORT ?= 8000
web-run: web
	@echo "Jovitrack in the browser: http://127.0.0.1:$(WEB_PORT)/"
	python3 -m http.server $(WEB_PORT) --bind 127.0.0.1 --directory $(WEB_BUILD)

# One archive of the site, $(WEB_DIST), for a teacher to unpack on any static web host: what the
# page may ask for and its service worker, without the tools for node and the module's build.
WEB_DIST ?= $(WEB_BUILD)-dist/jovitrack-web.zip
web-dist: web
	cd web && node scripts/dist.mjs ../$(WEB_BUILD) ../$(WEB_DIST)

web-core: deps $(BUILD)/build.ninja
	cmake --build $(BUILD) -j $(JOBS) --target jovi_data jovitrack-cli jovi_page_pictures
	$(WEB_ENV) emcmake cmake -S . -B $(WEB_CMAKE) $(EMCMAKE_GEN) -DCMAKE_BUILD_TYPE=Release \
	      -DJOVI_WEB_DIR=$(abspath $(WEB_BUILD)) -DJOVI_NATIVE_DATA_DIR=$(abspath $(BUILD))/bin \
	      -DJOVI_WITH_UI=OFF -DJOVI_WITH_BENCH=OFF
	$(WEB_ENV) cmake --build $(WEB_CMAKE) -j $(JOBS)

# The core's tests under node, the module's own tests, and jovitrack-cli.js against the native
# tool over a table of commands; then the page's unit tests (node's test runner) and its
# end-to-end tests in Debian's chromium.
web-test: web-core web-page
	cd $(WEB_CMAKE) && ctest --output-on-failure -j $(JOBS)
	cd web && npx tsc --noEmit -p . && node scripts/unit.mjs
	cd web && WEB_BUILD=../$(WEB_BUILD) node tests/e2e/run.mjs

# Scenes per second under node against the native build, and a year of the almanac.
web-bench: web-core web-page
	cmake --build $(BUILD) -j $(JOBS) --target jovi_web_speed
	$(BUILD)/bin/jovi_web_speed native
	node $(WEB_BUILD)/bin/jovi_web_speed.js node
	cd web && WEB_BUILD=../$(WEB_BUILD) node tests/e2e/run.mjs --bench

.PHONY: install pictures-sheet

# Installs the program (as the `jovitrack` launcher), its data, its icon and its menu entry
# under PREFIX. The program finds its installed data through the prefix it was built for, so
# the build is configured for PREFIX first.
PREFIX ?= /usr/local
install: deps $(BUILD)/build.ninja
	cmake -S . -B $(BUILD) -DCMAKE_INSTALL_PREFIX=$(PREFIX)
	cmake --build $(BUILD) -j $(JOBS)
	cmake --install $(BUILD)

# One picture of the generated pictures, for a person to look over.
pictures-sheet: build
	cmake --build $(BUILD) --target jovi_pictures_sheet

.PHONY: fuzz fuzz-deps

# Every reader of the program's files under libFuzzer with AddressSanitizer and
# UndefinedBehaviorSanitizer (clang), FUZZ_SECONDS for each, one after the other, each from its
# seeds in fuzz/corpus/<name>/ (the corpus grows in $(FUZZ_BUILD)/corpus-<name>/). Not part of
# `make test`. FUZZ_TARGETS picks some of them: make fuzz FUZZ_TARGETS="options hotlist".
FUZZ_BUILD   ?= build-fuzz
FUZZ_SECONDS ?= 300
FUZZ_TARGETS ?= measurement_dat measurement_csv options hotlist help_list help_topic reminder \
                leap_seconds coefficients icon_cursor
fuzz-deps: deps
	@bash scripts/setup-fuzz-deps.sh

fuzz: fuzz-deps
	cmake -S fuzz -B $(FUZZ_BUILD) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	      -DCMAKE_CXX_COMPILER=clang++
	cmake --build $(FUZZ_BUILD) -j $(JOBS)
	@for name in $(FUZZ_TARGETS); do \
	  mkdir -p $(FUZZ_BUILD)/corpus-$$name && cp -n fuzz/corpus/$$name/* $(FUZZ_BUILD)/corpus-$$name/; \
	  echo "== $$name reader, $(FUZZ_SECONDS) s"; \
	  $(FUZZ_BUILD)/$${name}_fuzz -max_total_time=$(FUZZ_SECONDS) -max_len=65536 \
	      -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
	      -artifact_prefix=$(FUZZ_BUILD)/$$name- $(FUZZ_BUILD)/corpus-$$name || exit 1; \
	done

.PHONY: package package-check screenshots

# The Debian package build/jovitrack_<version>_<arch>.deb: a Release build for the /usr prefix
# in its own folder (without tests or benchmarks), hardened as Debian builds its packages, and
# packed by CPack (cmake/Packaging.cmake).
PKG_BUILD ?= build-package
package: deps
	cmake -S . -B $(PKG_BUILD) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
	      -DJOVI_WITH_TESTS=OFF -DJOVI_WITH_BENCH=OFF \
	      "-DCMAKE_CXX_FLAGS=-D_FORTIFY_SOURCE=2 -fstack-protector-strong" \
	      "-DCMAKE_EXE_LINKER_FLAGS=-Wl,-z,relro -Wl,-z,now"
	cmake --build $(PKG_BUILD) -j $(JOBS)
	mkdir -p $(BUILD)
	cd $(PKG_BUILD) && cpack -G DEB -D CPACK_OUTPUT_FILE_PREFIX=$(abspath $(BUILD))

# Builds the package, checks it with lintian, installs it, runs both programs from /usr (the
# desktop program under Xvfb, with a screenshot) and removes it again. Not part of `make test`:
# it installs into the system.
package-check: package
	@bash scripts/package-check.sh $(BUILD) $(PKG_BUILD)

# The software centre's screenshots (named in data/desktop/*.metainfo.xml, published on the
# homepage): offscreen captures of the program's own windows, saved by its widget tests.
screenshots: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest -R '^(telescope|analysis|top_view)_test$$' \
	      --output-on-failure
	mkdir -p $(BUILD)/screenshots
	cp $(BUILD)/shots/telescope_100x.png $(BUILD)/screenshots/telescope.png
	cp $(BUILD)/shots/analysis_window.png $(BUILD)/screenshots/analysis.png
	cp $(BUILD)/shots/top_view_light_time.png $(BUILD)/screenshots/top-view.png
