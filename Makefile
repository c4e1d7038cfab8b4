# The two commands of the README: `make run` and `make test`.
BUILD ?= build
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?=
ifeq ($(CI),true)
  CMAKE_FLAGS += -DVESTOR_WERROR=ON
endif

.PHONY: run test deps build clean screenshots bench translations

run: build
	@if [ -z "$$DISPLAY" ] && [ -z "$$WAYLAND_DISPLAY" ]; then \
	  echo "No display found: run it under a virtual one with  xvfb-run -a make run"; exit 1; \
	fi
	./$(BUILD)/vestor

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j$(JOBS)

deps:
	@scripts/install-deps

build: deps
	cmake -S . -B $(BUILD) $(CMAKE_FLAGS)
	cmake --build $(BUILD) -j$(JOBS)

# The pictures of docs/screenshots, shown in the README: every page in a fixed, seeded state, in
# English there and in each language of translations/ in docs/screenshots/<language>/.
screenshots: build
	cmake --build $(BUILD) --target vestor-screenshots -j$(JOBS)
	QT_QPA_PLATFORM=offscreen $(BUILD)/vestor-screenshots docs/screenshots
	for ts in translations/vestor_*.ts; do \
	  lang=$${ts#translations/vestor_}; lang=$${lang%.ts}; \
	  QT_QPA_PLATFORM=offscreen $(BUILD)/vestor-screenshots docs/screenshots/$$lang $$lang || exit 1; \
	done

# Refreshes translations/*.ts from the sources with lupdate (translations/README.md).
translations: deps
	cmake -S . -B $(BUILD) $(CMAKE_FLAGS)
	cmake --build $(BUILD) --target translations

# Times the handlers that draw or rebuild in a Release build of its own; prints one table
# (bench/README.md).
BENCH_BUILD ?= build-bench
bench: deps
	cmake -S . -B $(BENCH_BUILD) -DCMAKE_BUILD_TYPE=Release $(CMAKE_FLAGS)
	cmake --build $(BENCH_BUILD) --target vestor-bench -j$(JOBS)
	$(BENCH_BUILD)/bench/vestor-bench

clean:
	rm -rf $(BUILD)

# Long soak runs of random student actions: `make soak SEED=42 EVENTS=1000000`. Without SEED the
# run takes one from the clock and prints it; a failure prints the seed and the shortest event
# list that reproduces it.
SEED ?=
EVENTS ?= 1000000
.PHONY: soak test-asan
soak: build
	QT_QPA_PLATFORM=offscreen $(BUILD)/tests/soak/vestor-soak $(if $(SEED),--seed $(SEED)) --events $(EVENTS) --report

# Every test, the soak included, built with AddressSanitizer and UndefinedBehaviorSanitizer in a
# build of its own; the first report fails the run. Leak reports are on: the only ones silenced
# are allocations made inside system libraries, listed by library in tests/soak/lsan.supp (today
# the D-Bus library, when the program runs on a real X server); nothing of ours is.
ASAN_BUILD ?= build-asan
test-asan: deps
	cmake -S . -B $(ASAN_BUILD) -DVESTOR_SANITIZE=ON $(CMAKE_FLAGS)
	cmake --build $(ASAN_BUILD) -j$(JOBS)
	cd $(ASAN_BUILD) && QT_QPA_PLATFORM=offscreen \
	  ASAN_OPTIONS=halt_on_error=1:detect_leaks=1 \
	  UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
	  LSAN_OPTIONS=suppressions=$(CURDIR)/tests/soak/lsan.supp:print_suppressions=0 \
	  ctest --output-on-failure -j$(JOBS)
