# Tarnolux: `make run` starts the program on the demo machine under Wine,
# `make test` builds everything and runs every test. Both install what
# they need from Debian's packages first (tools/setup.sh).

SHARED   ?= $(abspath ../shared)
BUILD    := build
JOBS     ?= $(shell nproc)
CMAKE    := cmake -DTARNOLUX_SHARED=$(SHARED)
DEMO     := $(BUILD)/demo-prefix
# The Windows tree that runs under Wine here: win32 (what ships) when this
# machine starts 32-bit Wine, else the x86_64 fallback win64. Evaluated
# when a recipe runs, after setup has installed Wine.
WINE_KIND = $(shell tools/wine-kind.sh)
FALLBACK := "wine: 32-bit Wine cannot start on this machine: the shipped i686 programs were NOT run; the x86_64 build of the same sources runs instead"

.PHONY: all setup build native win32 win64 wine-tree test run demo-reset dist clean
.PHONY: screenshots

all: build

setup:
	@tools/setup.sh

$(BUILD)/native/CMakeCache.txt:
	$(CMAKE) -S . -B $(BUILD)/native
$(BUILD)/win32/CMakeCache.txt:
	$(CMAKE) -S . -B $(BUILD)/win32 -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake
$(BUILD)/win64/CMakeCache.txt:
	$(CMAKE) -S . -B $(BUILD)/win64 -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-x86_64.cmake

native: setup $(BUILD)/native/CMakeCache.txt
	cmake --build $(BUILD)/native -j $(JOBS)
win32: setup $(BUILD)/win32/CMakeCache.txt
	cmake --build $(BUILD)/win32 -j $(JOBS)
win64: setup $(BUILD)/win64/CMakeCache.txt
	cmake --build $(BUILD)/win64 -j $(JOBS)

build: native win32

# The native tests; then the i686 tree's tests, the Windows 95/98 checks
# and every Wine test on the shipped programs under 32-bit Wine reporting
# Windows 98; where 32-bit Wine cannot start, the checks alone and the
# Wine tests on the x86_64 tree, with a line that says so.
test: build
	@echo "== native tests (memory store, headless host) =="
	cd $(BUILD)/native && ctest --output-on-failure -j $(JOBS)
	@if [ "$(WINE_KIND)" = win32 ]; then \
	  echo "== the shipped i686 programs: Windows 95/98 checks, and every Wine test under 32-bit Wine (Windows 98) =="; \
	  tools/wine-tests.sh $(BUILD)/win32 -j $(JOBS); \
	else \
	  echo "== the shipped i686 programs: Windows 95/98 checks =="; \
	  (cd $(BUILD)/win32 && ctest --output-on-failure -LE wine) || exit 1; \
	  echo $(FALLBACK); \
	  $(MAKE) --no-print-directory win64 && tools/wine-tests.sh $(BUILD)/win64 -j $(JOBS) || exit 1; \
	  echo $(FALLBACK); \
	fi

wine-tree: setup
	@[ "$(WINE_KIND)" = win32 ] || echo $(FALLBACK)
	@$(MAKE) --no-print-directory $(WINE_KIND)

run: wine-tree
	tools/run-demo.sh $(BUILD)/$(WINE_KIND) $(DEMO)

demo-reset:
	rm -rf $(DEMO)

# What ships, and nothing else: the two programs, their pictures, readme.
dist: win32
	@files="$(BUILD)/win32/Tarnolux.exe $(BUILD)/win32/Uninstall.exe art/pic1.jpg art/pic2.jpg doc/readme.txt"; \
	for f in $$files; do \
	  [ -f "$$f" ] || { echo "dist: $$f is missing" >&2; exit 1; }; \
	done; \
	rm -rf $(BUILD)/dist && mkdir -p $(BUILD)/dist && cp $$files $(BUILD)/dist/ && ls -l $(BUILD)/dist

# Redraws the pictures and the icon (they are committed; builds never do this).
.PHONY: art
art:
	art/make-art.sh

clean:
	rm -rf $(BUILD)

# Every window, English and Dutch, as PNG files under $(BUILD)/screenshots;
# with DPI=120 (Windows 98's "Large Fonts") under $(BUILD)/screenshots-120dpi.
DPI ?= 96
SHOTS := $(BUILD)/screenshots$(if $(filter-out 96,$(DPI)),-$(DPI)dpi)
screenshots: wine-tree
	tools/screenshots.sh $(BUILD)/$(WINE_KIND) $(SHOTS) $(DPI)

# The screenshots README.md shows: each window in English and Dutch (the
# language window has only English), stripped, as 256-colour PNG files.
.PHONY: readme-shots
readme-shots: screenshots
	mkdir -p docs/screenshots && rm -f docs/screenshots/*.png
	for f in $(BUILD)/screenshots/*-en.png $(BUILD)/screenshots/*-nl.png; do \
	  case "$$f" in */testform-*|*/language-nl.png) continue;; esac; \
	  convert "$$f" -strip PNG8:docs/screenshots/$$(basename "$$f"); \
	done
	du -ch docs/screenshots/*.png | tail -1

# Start-up against bare Win32 programs under Wine, the shipped sizes and
# the registry calls of Apply and a preset; fails when a budget is missed.
# Not part of `make test`.
.PHONY: bench
bench: native win32 wine-tree
	tools/bench.sh $(BUILD) $(BUILD)/$(WINE_KIND)
