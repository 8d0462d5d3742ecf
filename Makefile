# Two commands set everything up: `make run` and `make test`.
BUILD ?= build
JOBS  ?= 2
HOME_DIR := $(BUILD)/Veltora

.PHONY: deps configure build run test bench clean

deps:
	@scripts/install-deps.sh

$(BUILD)/build.ninja:
	@$(MAKE) --no-print-directory deps
	cmake -S . -B $(BUILD) -G Ninja

configure: $(BUILD)/build.ninja

build: configure
	cmake --build $(BUILD) -j $(JOBS)

run: build
	@scripts/run-sample.sh $(BUILD)

test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

bench: configure
	cmake --build $(BUILD) -j $(JOBS) --target benchmarks

clean:
	rm -rf $(BUILD)
