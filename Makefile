# The two commands of the quick start: `make run` and `make test`.
BUILD ?= build
WINDOWS_BUILD ?= build-windows
SANITIZE_BUILD ?= build-sanitize
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 600
CLANG := -DCMAKE_C_COMPILER=clang-14 -DCMAKE_CXX_COMPILER=clang++-14
JOBS ?= $(shell nproc)
RUNTIME_DIR := $(abspath $(BUILD))/xdg-runtime
XVFB := xvfb-run -a -s '-screen 0 1024x768x24'

.PHONY: all deps configure build windows windows-package sanitize fuzz-build package run test test-linux \
	test-package test-windows test-sanitize test-fuzz fuzz bench screenshot format clean

all: build

deps:
	@scripts/install-deps

configure: deps
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Release >/dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

# The Windows program, cross-built: $(WINDOWS_BUILD)/parvelo.exe.
windows: deps
	@scripts/jpeg-from-source $(WINDOWS_BUILD)/jpeg windows
	@cmake -S . -B $(WINDOWS_BUILD) -DCMAKE_BUILD_TYPE=Release \
		-DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake \
		-DJPEG_INCLUDE_DIR=$(abspath $(WINDOWS_BUILD))/jpeg/prefix/include \
		-DJPEG_LIBRARY=$(abspath $(WINDOWS_BUILD))/jpeg/prefix/lib/libjpeg.a >/dev/null
	@cmake --build $(WINDOWS_BUILD) -j $(JOBS)

# Every Linux suite again, built by clang with AddressSanitizer and UBSan.
sanitize: deps
	@cmake -S . -B $(SANITIZE_BUILD) $(CLANG) -DCMAKE_BUILD_TYPE=RelWithDebInfo \
		-DPARVELO_SANITIZE=ON >/dev/null
	@cmake --build $(SANITIZE_BUILD) -j $(JOBS)

# The libFuzzer harnesses, over a libjpeg built from source with the same sanitizers.
fuzz-build: deps
	@scripts/jpeg-from-source $(FUZZ_BUILD)/jpeg fuzz
	@cmake -S . -B $(FUZZ_BUILD) $(CLANG) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPARVELO_FUZZ=ON \
		-DJPEG_INCLUDE_DIR=$(abspath $(FUZZ_BUILD))/jpeg/prefix/include \
		-DJPEG_LIBRARY=$(abspath $(FUZZ_BUILD))/jpeg/prefix/lib/libjpeg.a >/dev/null
	@cmake --build $(FUZZ_BUILD) -j $(JOBS)

# The Windows installer and portable zip, beside parvelo.exe.
windows-package: windows
	@ls $(WINDOWS_BUILD)/parvelo-*-setup.exe $(WINDOWS_BUILD)/parvelo-*-windows.zip

# The Debian package: $(BUILD)/parvelo_<version>_amd64.deb.
package: build
	@cd $(BUILD) && cpack >/dev/null && ls parvelo_*_amd64.deb

run: build
	@scripts/run-window $(BUILD)/app/parvelo

test: test-linux test-package test-windows test-sanitize test-fuzz

test-linux: build
	@mkdir -p -m 700 $(RUNTIME_DIR)
	@cd $(BUILD) && QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR=$(RUNTIME_DIR) \
		$(XVFB) ctest --output-on-failure -j $(JOBS)

test-sanitize: sanitize
	@mkdir -p -m 700 $(RUNTIME_DIR)
	@cd $(SANITIZE_BUILD) && QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR=$(RUNTIME_DIR) \
		ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
		LSAN_OPTIONS=suppressions=$(abspath tests/lsan.supp):print_suppressions=0 \
		$(XVFB) ctest --output-on-failure -j $(JOBS)

test-package: package
	@scripts/check-package $(BUILD)

# A short run of every fuzzer; `make fuzz` runs them for FUZZ_SECONDS each.
test-fuzz: fuzz-build
	@scripts/fuzz-run $(FUZZ_BUILD) 15

fuzz: fuzz-build
	@scripts/fuzz-run $(FUZZ_BUILD) $(FUZZ_SECONDS)

test-windows: windows
	@scripts/with-wine $(WINDOWS_BUILD) ctest --test-dir $(WINDOWS_BUILD) --output-on-failure -j $(JOBS)

bench: build windows
	@$(BUILD)/bench/parvelo_bench
	@bench/cost $(BUILD)
	@bench/windows-cost $(WINDOWS_BUILD)

screenshot: build windows
	@scripts/screenshot docs/window.png --example
	@scripts/screenshot --windows docs/window-windows.png --example

format:
	@git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	@rm -rf $(BUILD) $(WINDOWS_BUILD) $(SANITIZE_BUILD) $(FUZZ_BUILD)
