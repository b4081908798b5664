# Set-up and everyday commands. `make run` and `make test` are all a new machine needs.
SHELL := /bin/bash
JOBS ?= $(shell nproc)
RELEASE_DIR := build/release
DEBUG_DIR := build/debug
BENCH_DIR := build/bench
FUZZ_DIR := build/fuzz
PACKAGE_DIR := build/package

# Debian 12 packages the project builds, tests and runs with.
DEB_PACKAGES := build-essential cmake ninja-build pkg-config \
	qt6-base-dev qt6-serialport-dev qt6-qpa-plugins libgl-dev fonts-dejavu-core \
	libgtest-dev libgmock-dev libbenchmark-dev \
	poppler-utils xvfb xauth groff-base

SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)

SCREENSHOT_DIR := build/screenshots

.PHONY: deps build run test bench fuzz screenshots package clean

deps:
	@missing=$$(for p in $(DEB_PACKAGES); do \
	  dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null | grep -q '^install ok installed' || echo $$p; \
	done); \
	if [ -n "$$missing" ]; then \
	  echo "Installing: $$missing"; \
	  $(SUDO) env DEBIAN_FRONTEND=noninteractive apt-get update -qq && \
	  $(SUDO) env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends $$missing; \
	fi

build: deps
	cmake -S . -B $(RELEASE_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Release -DKOL_BUILD_TESTS=OFF
	cmake --build $(RELEASE_DIR) -j $(JOBS)

run: build
	$(RELEASE_DIR)/bin/kolprog

# Pictures of the window (menus, dialogs, pages) under a virtual X server; the pages and
# dialogs also at the scales 1.5 and 2, in scale-1.5/ and scale-2/.
SCREENSHOT_SCALES := 1.5 2
screenshots: build
	cmake --build $(RELEASE_DIR) -j $(JOBS) --target kolprog_screenshots
	rm -rf $(SCREENSHOT_DIR)
	xvfb-run -a -s "-screen 0 1280x900x24" $(RELEASE_DIR)/tools/kolprog_screenshots \
	  $(SCREENSHOT_DIR) $(RELEASE_DIR)/bin
	for scale in $(SCREENSHOT_SCALES); do \
	  xvfb-run -a -s "-screen 0 2400x1700x24" $(RELEASE_DIR)/tools/kolprog_screenshots \
	    $(SCREENSHOT_DIR)/scale-$$scale $(RELEASE_DIR)/bin --scale $$scale || exit 1; \
	done

# The Debian package: build/package/kolprog_<version>_amd64.deb, installed with
# `sudo apt install ./build/package/kolprog_*.deb`.
package: DEB_PACKAGES += file dpkg-dev
package: deps
	cmake -S . -B $(PACKAGE_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Release -DKOL_BUILD_TESTS=OFF
	cmake --build $(PACKAGE_DIR) -j $(JOBS)
	cd $(PACKAGE_DIR) && cpack
	@ls $(PACKAGE_DIR)/kolprog_*.deb

test: deps
	cmake -S . -B $(DEBUG_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DKOL_SANITIZE=ON
	cmake --build $(DEBUG_DIR) -j $(JOBS)
	cd $(DEBUG_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

bench: deps
	cmake -S . -B $(BENCH_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Release -DKOL_BUILD_TESTS=OFF -DKOL_BUILD_BENCH=ON
	cmake --build $(BENCH_DIR) -j $(JOBS)
	@for b in $(BENCH_DIR)/bin/*_bench; do echo "== $$b"; $$b || exit 1; done

# `make fuzz` builds the fuzz targets of tests/fuzz with clang and libFuzzer and runs each
# for FUZZ_SECONDS, one after the other, from the saved corpus and the target's seeds. New
# inputs go to $(FUZZ_DIR)/corpus/<target>, inputs that fail to $(FUZZ_DIR)/findings/<target>;
# the saved corpus in the tree is only read (copy an input there to keep it as a test).
FUZZ_SECONDS ?= 60
FUZZ_TARGETS := dat_file image link_receive
# A whole settings file is about 100 KB: the settings-file target starts from whole files
# (written by dat_file_seeds) and takes inputs well above their size.
FUZZ_FLAGS_dat_file := -dict=tests/fuzz/dat_file.dict -max_len=262144
FUZZ_SEEDS_dat_file := $(FUZZ_DIR)/seeds/dat_file
FUZZ_FLAGS_image := -max_len=8200
FUZZ_FLAGS_link_receive := -dict=tests/fuzz/link_receive.dict -max_len=1024

define FUZZ_RUN
	mkdir -p $(FUZZ_DIR)/corpus/$(1) $(FUZZ_DIR)/findings/$(1)
	$(FUZZ_DIR)/bin/fuzz_$(1) -max_total_time=$(FUZZ_SECONDS) -print_final_stats=1 \
	  -artifact_prefix=$(FUZZ_DIR)/findings/$(1)/ $(FUZZ_FLAGS_$(1)) \
	  $(FUZZ_DIR)/corpus/$(1) tests/fuzz/corpus/$(1) $(FUZZ_SEEDS_$(1))

endef

fuzz: DEB_PACKAGES += clang libclang-rt-14-dev
fuzz: deps
	cmake -S . -B $(FUZZ_DIR) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DCMAKE_CXX_COMPILER=clang++ -DKOL_FUZZ=ON -DKOL_BUILD_TESTS=OFF
	cmake --build $(FUZZ_DIR) -j $(JOBS) $(addprefix --target fuzz_,$(FUZZ_TARGETS)) --target dat_file_seeds
	$(FUZZ_DIR)/bin/dat_file_seeds $(FUZZ_SEEDS_dat_file)
	$(foreach target,$(FUZZ_TARGETS),$(call FUZZ_RUN,$(target)))

clean:
	rm -rf build
