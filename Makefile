# What the README's ./run and ./test end in, and the commands for developers. Each target first
# installs the Debian packages of its group (scripts/install-deps): `run` what building and running
# need, `test` the test tools as well, `bench` Google Benchmark, `package` the package tools.
BUILD ?= build
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?=
ifeq ($(CI),true)
  CMAKE_FLAGS += -DVESTOR_WERROR=ON
endif
CONFIGURE = cmake -S . -B $(BUILD) $(CMAKE_FLAGS)

.PHONY: run test deps build clean screenshots bench translations package package-check windows windows-check web web-check

# Builds the program alone, without the tests, and starts it.
run:
	@scripts/install-deps run
	$(CONFIGURE)
	cmake --build $(BUILD) --target vestor -j$(JOBS)
	@if [ -z "$$DISPLAY" ] && [ -z "$$WAYLAND_DISPLAY" ]; then \
	  echo "No display found: run it under a virtual one with  xvfb-run -a ./run  (./test installs xvfb-run)"; exit 1; \
	fi
	./$(BUILD)/vestor

test:
	@scripts/install-deps test
	$(CONFIGURE)
	cmake --build $(BUILD) -j$(JOBS)
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j$(JOBS)

deps:
	@scripts/install-deps run

# The program, the tests and the tools.
build: deps
	$(CONFIGURE)
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
bench:
	@scripts/install-deps bench
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
.PHONY: soak test-asan screen-reader-check
soak: build
	QT_QPA_PLATFORM=offscreen $(BUILD)/tests/soak/vestor-soak $(if $(SEED),--seed $(SEED)) --events $(EVENTS) --report

# Every test, the soak included, built with AddressSanitizer and UndefinedBehaviorSanitizer in a
# build of its own; the first report fails the run. Leak reports are on: the only ones silenced
# are allocations made inside system libraries, listed by library in tests/soak/lsan.supp (today
# the D-Bus library, when the program runs on a real X server); nothing of ours is.
ASAN_BUILD ?= build-asan
test-asan:
	@scripts/install-deps test
	cmake -S . -B $(ASAN_BUILD) -DVESTOR_SANITIZE=ON $(CMAKE_FLAGS)
	cmake --build $(ASAN_BUILD) -j$(JOBS)
	cd $(ASAN_BUILD) && QT_QPA_PLATFORM=offscreen \
	  ASAN_OPTIONS=halt_on_error=1:detect_leaks=1 \
	  UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
	  LSAN_OPTIONS=suppressions=$(CURDIR)/tests/soak/lsan.supp:print_suppressions=0 \
	  ctest --output-on-failure -j$(JOBS)

# The Debian package for classroom machines, vestor_<version>_amd64.deb in this folder, built by
# CPack from the install rules in a build of its own, compiled with the flags Debian builds its
# packages with (optimised, hardened), then checked by lintian (errors fail, warnings are shown).
PACKAGE_BUILD ?= build-package
VERSION := $(shell sed -n 's/^project.Vestor VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
DEB := vestor_$(VERSION)_amd64.deb
package:
	@scripts/install-deps package
	export DEB_BUILD_MAINT_OPTIONS=hardening=+all; \
	  cmake -S . -B $(PACKAGE_BUILD) -DCMAKE_BUILD_TYPE=None -DBUILD_TESTING=OFF \
	  -DCMAKE_CXX_FLAGS="$$(dpkg-buildflags --get CXXFLAGS) $$(dpkg-buildflags --get CPPFLAGS)" \
	  -DCMAKE_EXE_LINKER_FLAGS="$$(dpkg-buildflags --get LDFLAGS)" $(CMAKE_FLAGS)
	cmake --build $(PACKAGE_BUILD) --target vestor -j$(JOBS)
	cd $(PACKAGE_BUILD) && cpack -G DEB
	cp $(PACKAGE_BUILD)/$(DEB) $(DEB)
	lintian --fail-on error --info $(DEB)
	@echo "package: $(DEB)"

# Installs the package on this machine as a technician would, starts the program from its menu
# entry under Xvfb, closes it and removes the package again. Changes the machine: CI leaves it out.
package-check: package
	@scripts/install-deps test
	scripts/package-check $(DEB) $(PACKAGE_BUILD)/package-check

# A lesson with the Orca screen reader driven by the keyboard; what Orca said is kept in
# build/screen-reader/spoken.log and checked. Out of `make test`: it installs Orca and takes two minutes.
screen-reader-check: build
	scripts/install-deps screen-reader
	bash tests/desktop/screen-reader-check.sh $(BUILD)/vestor $(BUILD)/screen-reader

# Vestor for 64-bit Windows, cross-built here with MinGW-w64 against Qt built for Windows from
# Debian's own source (once per machine, under /var/tmp): dist/vestor-<version>-windows-x64.zip
# and dist/vestor-<version>-setup.exe. windows-check tries them and the tests under Wine; it is
# slow and not part of CI.
windows:
	JOBS=$(JOBS) scripts/windows/build

windows-check:
	scripts/windows/check

# Vestor for web browsers, built for WebAssembly against Qt for WebAssembly built from Debian's
# own source in a Debian 13 root (once per machine, under /var/tmp): dist/web/, which any static
# web server hosts, and dist/vestor-<version>-web.zip. web-check tries it in Chromium, driven by
# puppeteer-core, and prints the download size, the start-up time and the speed of a Time step; it
# is slow and not part of CI.
web:
	JOBS=$(JOBS) scripts/web/build

web-check:
	scripts/web/check
