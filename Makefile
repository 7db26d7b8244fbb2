# SPDX-License-Identifier: GPL-3.0-or-later
# `make run` and `make test` install what Debian 12 lacks, build, then start
# Quarvel or run every test.

BUILD ?= build
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo

PACKAGES := cmake make g++ pkg-config qt6-base-dev qt6-qpa-plugins libgl-dev libjpeg-dev libpng-dev libtiff-dev \
            libgtest-dev libgmock-dev libbenchmark-dev appstream desktop-file-utils xvfb xdotool x11-utils \
            imagemagick libx11-dev locales dpkg-dev lintian qt6-l10n-tools \
            qt6-translations-l10n python3 liberfa-dev libcfitsio-dev libraw-dev qt6-image-formats-plugins \
            astrometry.net astrometry-data-tycho2-07 astrometry-data-tycho2-08 astrometry-data-tycho2-09 astrometry-data-tycho2-10-19 \
            wcslib-dev
# The tests run under these desktop locales too.
LOCALES := fr_FR de_DE en_US
SUDO := $(if $(filter 0,$(shell id -u)),,sudo)

# Installs those of the Debian packages $(1) that are not installed yet.
install_missing = missing=""; \
	for p in $(1); do \
	  dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q "install ok installed" || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	  echo "Installing:$$missing"; \
	  $(SUDO) apt-get update && DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y --no-install-recommends $$missing; \
	fi

.PHONY: all setup build run test bench sanitize fuzz monkey install uninstall package clean

all: build

setup:
	@$(call install_missing,$(PACKAGES))
	@for l in $(LOCALES); do \
	  locale -a 2>/dev/null | grep -qix "$$l.utf-\?8" || $(SUDO) localedef -i $$l -f UTF-8 $$l.UTF-8; \
	done

$(BUILD)/CMakeCache.txt:
	cmake -S . -B $(BUILD) $(CMAKE_FLAGS)

# Builds what is there; only the set-up step installs packages.
build: $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j $(JOBS)

run: setup
	$(MAKE) build
	cd $(BUILD) && ./quarvel

test: setup
	$(MAKE) build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS) -LE perf

# The benchmark programs, then the measures that guard speed (label perf).
BENCH_PACKAGES := valgrind
bench: setup
	@$(call install_missing,$(BENCH_PACKAGES))
	$(MAKE) build
	cmake --build $(BUILD) --target bench -j $(JOBS)
	cd $(BUILD) && ctest --output-on-failure -L perf

# The whole test suite under AddressSanitizer and UndefinedBehaviorSanitizer.
sanitize: setup
	cmake -S . -B $(BUILD)-sanitize $(CMAKE_FLAGS) -DQUARVEL_SANITIZE=ON -DQUARVEL_BENCH=OFF
	cmake --build $(BUILD)-sanitize -j $(JOBS)
	cd $(BUILD)-sanitize && LSAN_OPTIONS=suppressions=$(CURDIR)/tools/lsan.supp QT_QPA_PLATFORM=offscreen \
	  ctest --output-on-failure -j $(JOBS) -LE perf

# For the current user: a portable folder under $(PREFIX)/share/quarvel, with
# a desktop entry, an icon and AppStream metadata.
PREFIX ?= $(HOME)/.local
install: build
	cmake --install $(BUILD) --prefix $(PREFIX) --component portable

uninstall:
	tools/uninstall.sh $(BUILD)/install_manifest_portable.txt

# A Debian package for a system-wide install, in $(BUILD)/quarvel_*.deb.
package: build
	cd $(BUILD) && cpack -G DEB

# Each libFuzzer target for FUZZ_SECONDS, built with clang; then the monkey
# on the real window under ASan and UBSan: MONKEY_EVENTS offscreen and
# MONKEY_XCB_EVENTS on Xvfb, logged to monkey-*.log for replay. Leaks are
# checked by `make sanitize`; these runs check crashes, messages and speed.
FUZZ_SECONDS ?= 60
FUZZ_PACKAGES := clang libclang-rt-14-dev
FUZZERS := parse_fuzzer ini_fuzzer bitmap_fuzzer events_fuzzer image_fuzzer
fuzz: setup
	@$(call install_missing,$(FUZZ_PACKAGES))
	CC=clang CXX=clang++ cmake -S . -B $(BUILD)-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUARVEL_FUZZ=ON \
	  -DQUARVEL_BENCH=OFF -DCMAKE_CXX_FLAGS="-fsanitize=fuzzer-no-link,address,undefined"
	cmake --build $(BUILD)-fuzz -j $(JOBS) --target $(FUZZERS) quarvel-image
	@for f in $(FUZZERS); do \
	  corpus=$$(mktemp -d); cp fuzz/corpus/$${f%_fuzzer}/* $$corpus/ 2>/dev/null; \
	  log=$$corpus.log; echo "== $$f"; \
	  $(BUILD)-fuzz/fuzz/$$f -max_total_time=$(FUZZ_SECONDS) -timeout=5 $$corpus > $$log 2>&1; rc=$$?; \
	  tail -n 3 $$log; [ $$rc -eq 0 ] || exit $$rc; \
	done
	$(MAKE) monkey

MONKEY_EVENTS ?= 1000000
MONKEY_XCB_EVENTS ?= 100000
MONKEY_SEED ?= 1
monkey: setup
	cmake -S . -B $(BUILD)-sanitize $(CMAKE_FLAGS) -DQUARVEL_SANITIZE=ON -DQUARVEL_BENCH=OFF
	cmake --build $(BUILD)-sanitize -j $(JOBS) --target monkey
	ASAN_OPTIONS=detect_leaks=0 QT_QPA_PLATFORM=offscreen LANG=fr_FR.UTF-8 LC_ALL=fr_FR.UTF-8 \
	  $(BUILD)-sanitize/ui/monkey --seed $(MONKEY_SEED) --events $(MONKEY_EVENTS) --log $(BUILD)-sanitize/monkey-offscreen.log
	ASAN_OPTIONS=detect_leaks=0 QT_QPA_PLATFORM=xcb LANG=fr_FR.UTF-8 LC_ALL=fr_FR.UTF-8 \
	  xvfb-run -a -s "-screen 0 1280x1024x24" \
	  $(BUILD)-sanitize/ui/monkey --seed $(MONKEY_SEED) --events $(MONKEY_XCB_EVENTS) --log $(BUILD)-sanitize/monkey-xcb.log

clean:
	rm -rf $(BUILD) $(BUILD)-sanitize $(BUILD)-fuzz
