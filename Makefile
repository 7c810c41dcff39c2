# make run    install what is missing, build, open the worksheet window
# make test   install what is missing, build (normal and sanitizer builds), run every test headless
# make bench  build the benchmarks in release mode and run them (JSON in build/bench.json)
# make torture     the long randomized runs in the sanitizer build, leak detection on
# make memcheck    start-up, a hundred random actions and a print under valgrind

BUILD      := build
ASAN_BUILD := build-asan
BENCH_BUILD := build-bench
JOBS       ?= $(shell nproc)
# ccache, where the machine has it, makes rebuilds of unchanged sources instant.
LAUNCHER   := $(if $(shell command -v ccache),-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)

.PHONY: all setup build build-asan run test test-normal test-asan bench torture memcheck clean

all: build

setup:
	@scripts/setup.sh

$(BUILD)/build.ninja: CMakeLists.txt | setup
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo $(LAUNCHER)

$(ASAN_BUILD)/build.ninja: CMakeLists.txt | setup
	cmake -S . -B $(ASAN_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DKESTRUM_SANITIZE=ON $(LAUNCHER)

build: setup $(BUILD)/build.ninja
	cmake --build $(BUILD) -j $(JOBS)

build-asan: setup $(ASAN_BUILD)/build.ninja
	cmake --build $(ASAN_BUILD) -j $(JOBS)

run: build
	$(BUILD)/worksheet/kestrum

test-normal: build
	ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)

test-asan: build-asan
	ctest --test-dir $(ASAN_BUILD) --output-on-failure -j $(JOBS)

test: test-normal test-asan

bench:
	@scripts/setup.sh bench
	cmake -S . -B $(BENCH_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Release -DKESTRUM_BENCH=ON $(LAUNCHER)
	cmake --build $(BENCH_BUILD) -j $(JOBS)
	@mkdir -p $(BUILD)
	QT_QPA_PLATFORM=offscreen $(BENCH_BUILD)/bench/kestrum_bench --benchmark_repetitions=5 \
	  --benchmark_report_aggregates_only=true \
	  --benchmark_out=$(BUILD)/bench.json --benchmark_out_format=json

# The environment ctest gives every test, for running test programs by hand.
TEST_ENV = QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR=$(CURDIR)/$(ASAN_BUILD)/xdg-runtime \
	UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 ASAN_OPTIONS=detect_leaks=1 \
	QTEST_FUNCTION_TIMEOUT=86400000
TORTURE_SEED ?= 20261208

torture: build-asan
	$(TEST_ENV) KESTRUM_STRESS_SEED=$(TORTURE_SEED) KESTRUM_STRESS_STEPS=100000 \
	  $(ASAN_BUILD)/tests/stress/test_dial_stress
	$(TEST_ENV) KESTRUM_STRESS_SEED=$(TORTURE_SEED) KESTRUM_STRESS_STEPS=20000 \
	  $(ASAN_BUILD)/tests/stress/test_window_stress

memcheck: build
	QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR=$(CURDIR)/$(BUILD)/xdg-runtime KESTRUM_STRESS_STEPS=100 \
	  valgrind --tool=memcheck --error-exitcode=9 --num-callers=40 \
	  --suppressions=tests/stress/valgrind.supp $(BUILD)/tests/stress/test_window_stress

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(BENCH_BUILD)
