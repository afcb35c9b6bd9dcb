# The two commands of the quick start: `make run` and `make test`.
BUILD ?= build
JOBS ?= $(shell nproc)
RUNTIME_DIR := $(abspath $(BUILD))/xdg-runtime

.PHONY: all deps configure build run test bench screenshot format clean

all: build

deps:
	@scripts/install-deps

configure: deps
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Release >/dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

run: build
	@scripts/run-window $(BUILD)/app/parvelo

test: build
	@mkdir -p -m 700 $(RUNTIME_DIR)
	@cd $(BUILD) && QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR=$(RUNTIME_DIR) \
		xvfb-run -a -s '-screen 0 1024x768x24' ctest --output-on-failure -j $(JOBS)

bench: build
	@$(BUILD)/bench/parvelo_bench

screenshot: build
	@scripts/screenshot

format:
	@git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	@rm -rf $(BUILD)
