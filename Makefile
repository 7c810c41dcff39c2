# make run          install what building and running need, build the program, open the window
# make test         install what the tests need too, build with the tests (normal and
#                   sanitizer builds, warnings as errors), run every test headless
# make bench        build the benchmarks in release mode and run them (JSON in build/bench.json)
# make torture      the long randomized runs in the sanitizer build, leak detection on
# make memcheck     start-up, a hundred random actions and a print under valgrind
# make package      the Debian package build/kestrum_<version>_amd64.deb, validated and linted
# make package-test install that package on a freshly bootstrapped Debian 12 and try it there
#
# Each target installs what it needs and no more (scripts/setup.sh). The program, the
# test and the package builds share build/: each target configures it for what it needs,
# and ccache makes switching back and forth cheap.

BUILD      := build
ASAN_BUILD := build-asan
BENCH_BUILD := build-bench
PACKAGE_BUILD := build-package
JOBS       ?= $(shell nproc)
# ccache, where the machine has it, makes rebuilds of unchanged sources instant.
LAUNCHER   := $(if $(shell command -v ccache),-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
CONFIGURE  = cmake -G Ninja $(LAUNCHER)
PROGRAM_ONLY := -DBUILD_TESTING=OFF -DKESTRUM_WERROR=OFF
WITH_TESTS   := -DBUILD_TESTING=ON -DKESTRUM_WERROR=ON

.PHONY: all build build-tests build-asan run test test-normal test-asan bench torture \
	memcheck package package-test clean

all: build

build:
	@scripts/setup.sh
	$(CONFIGURE) -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo $(PROGRAM_ONLY)
	cmake --build $(BUILD) -j $(JOBS)

build-tests:
	@scripts/setup.sh test
	$(CONFIGURE) -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo $(WITH_TESTS)
	cmake --build $(BUILD) -j $(JOBS)

build-asan:
	@scripts/setup.sh test
	$(CONFIGURE) -S . -B $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DKESTRUM_SANITIZE=ON $(WITH_TESTS)
	cmake --build $(ASAN_BUILD) -j $(JOBS)

run: build
	$(BUILD)/worksheet/kestrum

test-normal: build-tests
	ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)

test-asan: build-asan
	ctest --test-dir $(ASAN_BUILD) --output-on-failure -j $(JOBS)

test: test-normal test-asan

bench:
	@scripts/setup.sh bench
	$(CONFIGURE) -S . -B $(BENCH_BUILD) -DCMAKE_BUILD_TYPE=Release -DKESTRUM_BENCH=ON $(PROGRAM_ONLY)
	cmake --build $(BENCH_BUILD) -j $(JOBS)
	@mkdir -p $(BUILD)
	QT_QPA_PLATFORM=offscreen $(BENCH_BUILD)/bench/kestrum_bench --benchmark_repetitions=5 \
	  --benchmark_report_aggregates_only=true \
	  --benchmark_out=$(BUILD)/bench.json --benchmark_out_format=json
	@# A benchmark that reports an error measured nothing: the run fails, naming it.
	@if grep -q '"error_occurred": true' $(BUILD)/bench.json; then \
	  grep -B12 '"error_occurred": true' $(BUILD)/bench.json | sed -n 's/.*"name": "\(.*\)",/failed: \1/p'; \
	  exit 1; fi

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

memcheck: build-tests
	@scripts/setup.sh memcheck
	QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR=$(CURDIR)/$(BUILD)/xdg-runtime KESTRUM_STRESS_STEPS=100 \
	  valgrind --tool=memcheck --error-exitcode=9 --num-callers=40 \
	  --suppressions=tests/stress/valgrind.supp $(BUILD)/tests/stress/test_window_stress

# The package is compiled as Debian compiles its own: the distribution's flags, every
# hardening option on, in a build folder of its own so that they never reach the others.
PACKAGE_FLAGS = DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --get

package:
	@scripts/setup.sh package
	$(CONFIGURE) -S . -B $(PACKAGE_BUILD) -DCMAKE_BUILD_TYPE=None $(PROGRAM_ONLY) \
	  -DCMAKE_CXX_FLAGS="$$($(PACKAGE_FLAGS) CPPFLAGS) $$($(PACKAGE_FLAGS) CXXFLAGS)" \
	  -DCMAKE_EXE_LINKER_FLAGS="$$($(PACKAGE_FLAGS) LDFLAGS)"
	cmake --build $(PACKAGE_BUILD) -j $(JOBS)
	rm -f $(BUILD)/kestrum_*.deb
	cpack -G DEB --config $(PACKAGE_BUILD)/CPackConfig.cmake -B $(CURDIR)/$(BUILD)
	scripts/check-package.sh $(BUILD)/kestrum_*_amd64.deb

package-test: package
	@scripts/setup.sh package-test
	scripts/package-test.sh $(BUILD)/kestrum_*_amd64.deb

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(BENCH_BUILD) $(PACKAGE_BUILD)
