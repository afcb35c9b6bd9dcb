# The two commands of the quick start: `make run` and `make test`.
BUILD ?= build
WINDOWS_BUILD ?= build-windows
JOBS ?= $(shell nproc)
RUNTIME_DIR := $(abspath $(BUILD))/xdg-runtime
XVFB := xvfb-run -a -s '-screen 0 1024x768x24'

.PHONY: all deps configure build windows run test test-linux test-windows bench screenshot \
	format clean

all: build

deps:
	@scripts/install-deps

configure: deps
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Release >/dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

# The Windows program, cross-built: $(WINDOWS_BUILD)/parvelo.exe.
windows: deps
	@scripts/windows-jpeg $(WINDOWS_BUILD)/jpeg
	@cmake -S . -B $(WINDOWS_BUILD) -DCMAKE_BUILD_TYPE=Release \
		-DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake \
		-DJPEG_INCLUDE_DIR=$(abspath $(WINDOWS_BUILD))/jpeg/prefix/include \
		-DJPEG_LIBRARY=$(abspath $(WINDOWS_BUILD))/jpeg/prefix/lib/libjpeg.a >/dev/null
	@cmake --build $(WINDOWS_BUILD) -j $(JOBS)

run: build
	@scripts/run-window $(BUILD)/app/parvelo

test: test-linux test-windows

test-linux: build
	@mkdir -p -m 700 $(RUNTIME_DIR)
	@cd $(BUILD) && QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR=$(RUNTIME_DIR) \
		$(XVFB) ctest --output-on-failure -j $(JOBS)

test-windows: windows
	@scripts/with-wine $(WINDOWS_BUILD) ctest --test-dir $(WINDOWS_BUILD) --output-on-failure -j $(JOBS)

bench: build windows
	@$(BUILD)/bench/parvelo_bench
	@bench/windows-cost $(WINDOWS_BUILD)

screenshot: build windows
	@scripts/screenshot docs/window.png --example
	@scripts/screenshot --windows docs/window-windows.png --example

format:
	@git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	@rm -rf $(BUILD) $(WINDOWS_BUILD)
