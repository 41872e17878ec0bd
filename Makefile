# SPDX-FileCopyrightText: 2026 The Drawlet Selector developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Drawlet Selector: the everyday commands.
#
#   make run     build and open the window (on a private virtual screen when there is no display)
#   make test    build with warnings as errors and run every test
#
# Both first install whatever Debian packages are missing, so they work on a bare machine.

# The Debian packages, in one place, one group per line. `make run` installs RUN_DEPS only:
# what building the program and showing its window need. `make test-ports` installs PORTS_DEPS
# only (below); every other target installs RUN_DEPS and TEST_DEPS. Together they hold all that
# debian/ declares, build-essential included, which the package tools take for granted
# (tests/packaging/check-deps-lists.sh checks it: a machine that has a package already hides
# its absence here).
RUN_DEPS := \
	g++ make cmake ninja-build \
	qt6-base-dev qt6-base-dev-tools libgl-dev libglx-dev libegl-dev libx11-dev \
	libqt6svg6 qt6-wayland fonts-dejavu-core \
	xvfb xdotool python3

TEST_DEPS := \
	pkg-config \
	libgtest-dev libgmock-dev libbenchmark-dev \
	clang libclang-rt-14-dev clang-format \
	xauth x11-utils x11-xserver-utils \
	dbus dbus-x11 at-spi2-core python3-gi python3-pyatspi gir1.2-atspi-2.0 python3-xlib \
	librsvg2-bin appstream desktop-file-utils build-essential dpkg-dev file \
	debhelper devscripts autopkgtest lintian reuse debootstrap \
	qt6ct imagemagick \
	orca weston xclip

# `make test-ports` installs PORTS_DEPS only: the core needs no Qt. Its targets are 32-bit x86,
# 64-bit ARM and big-endian s390x Linux (run under qemu-user), 64-bit Windows (MinGW-w64, run
# under Wine) and clang with libc++. Debian's gcc-multilib conflicts with its cross compilers,
# hence g++-12-multilib (cmake/i386-linux-gnu.cmake says what the other one would add).
PORTS_DEPS := \
	g++ make cmake ninja-build clang googletest \
	g++-12-multilib crossbuild-essential-arm64 crossbuild-essential-s390x qemu-user \
	g++-mingw-w64-x86-64-posix wine64 \
	libc++-dev libc++abi-dev
PORTS ?= i386 arm64 s390x windows libcxx

# `make windows` and `make test-windows` install WINDOWS_DEPS only: the Win32 window needs no Qt.
# MinGW-w64 builds the .exe; wine64 runs it on a private Xvfb with Wine's own fonts (fonts-wine,
# which wine64 only recommends); rsvg-convert and Python make its icon from app/'s SVG;
# ImageMagick's `import` takes the screenshots of `make screenshot-windows`.
WINDOWS_DEPS := \
	make cmake ninja-build python3 \
	g++-mingw-w64-x86-64-posix wine64 fonts-wine xvfb librsvg2-bin imagemagick

# `make package-windows` and `make test-windows` install PACKAGE_WINDOWS_DEPS as well: the
# installer's builder, dpkg-parsechangelog, which reads the version and the date every file in
# the packages carries, and xdotool, with which the package test finds the installed window.
PACKAGE_WINDOWS_DEPS := nsis dpkg-dev xdotool

# `make bench-instructions` installs BENCH_DEPS as well: the instruction counter.
BENCH_DEPS := valgrind

FUZZ_SECONDS ?= 60
STARTUP_RUNS ?= 40
SCREENSHOT ?= build/run/screenshot.png

# Stop at the first report, so a sanitizer finding fails its test instead of scrolling past.
# LeakSanitizer refuses to start with a suppressions file that is not there, hence the check.
SANITIZER_ENV := \
	ASAN_OPTIONS=halt_on_error=1:detect_leaks=1:detect_stack_use_after_return=1:check_initialization_order=1:strict_init_order=1 \
	UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
	$(if $(wildcard tests/lsan.supp),LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp)

SOURCE_DIRS := engine entry commands window app tests bench fuzz

.PHONY: deps run-deps run screenshot test test-sanitize fuzz bench bench-instructions package \
	format clean

deps:
	@scripts/install-deps.sh $(RUN_DEPS) $(TEST_DEPS)

run-deps:
	@scripts/install-deps.sh $(RUN_DEPS)

# The first run on a bare machine should reach the window quickly: the program alone.
run: run-deps
	cmake --preset run
	cmake --build --preset run --target drawlet-selector
	scripts/run-window.sh build/run/app/drawlet-selector $(SCREENSHOT)

# The picture in the README: the window after a short session, typed and clicked for real.
screenshot: run-deps
	cmake --preset run
	cmake --build --preset run --target drawlet-selector
	scripts/docs-screenshot.sh build/run/app/drawlet-selector docs/screenshot.png

test: deps
	cmake --preset ci
	cmake --build --preset ci
	ctest --preset ci --output-on-failure

test-sanitize: deps
	cmake --preset sanitize
	cmake --build --preset sanitize
	$(SANITIZER_ENV) ctest --preset sanitize --output-on-failure

# The core and its tests for each of PORTS (one preset each, ports-NAME): every target is built
# and tested even when an earlier one fails, and the failed ones are named at the end.
.PHONY: test-ports clean-ports
test-ports:
	@scripts/install-deps.sh $(PORTS_DEPS)
	@failed=; for port in $(PORTS); do \
		echo "== $$port"; \
		{ cmake --preset ports-$$port && cmake --build --preset ports-$$port && \
		  ctest --preset ports-$$port --parallel $$(nproc); } || failed="$$failed $$port"; \
	done; \
	if [ -n "$$failed" ]; then echo "test-ports failed on:$$failed"; exit 1; fi

# The Windows program, build/windows/drawlet-selector.exe: the Win32 window, built by MinGW-w64.
.PHONY: windows test-windows bench-windows screenshot-windows
windows:
	@scripts/install-deps.sh $(WINDOWS_DEPS)
	cmake --preset windows
	cmake --build --preset windows --target drawlet-selector

# Its end-to-end test under Wine on a private Xvfb (tests/windows/), alone: it needs the
# desktop to itself.
# The packages too (tests/windows/packaging/): installed, opened and removed under Wine, and
# built a second time, program and all, to be compared byte for byte.
test-windows: windows
	@scripts/install-deps.sh $(PACKAGE_WINDOWS_DEPS)
	cmake --preset windows
	cmake --build --preset windows --target drawlet_window_steps drawlet_run_limited
	ctest --preset windows --label-regex windows

# Start-up to the first painted window against a bare window with the same controls, in turns.
bench-windows: windows
	cmake --build --preset windows --target bench_startup_windows bench_bare_window
	tests/windows/wine-session.sh build/windows/wine-prefix run \
		build/windows/bench/startup-windows/bench_startup_windows.exe \
		build/windows/drawlet-selector.exe build/windows/bench/startup-windows/bench_bare_window.exe \
		$(STARTUP_RUNS)

# The window under Wine as it opens, in build/windows/screenshot.png.
screenshot-windows: windows
	tests/windows/wine-session.sh build/windows/wine-prefix run \
		tests/windows/screenshot.sh build/windows/drawlet-selector.exe build/windows/screenshot.png

# The fuzzer grows its corpus in the build tree, starting from the seeds kept in fuzz/corpus
# (some of them fill the list to 100 combinations, which random bytes alone rarely reach).
fuzz: deps
	cmake --preset fuzz
	cmake --build --preset fuzz
	mkdir -p build/fuzz/corpus
	cp -n fuzz/corpus/* build/fuzz/corpus/
	build/fuzz/fuzz/drawlet_fuzz -max_total_time=$(FUZZ_SECONDS) build/fuzz/corpus

# Every benchmark prints its baseline beside it in the same run.
bench: deps
	cmake --preset bench
	cmake --build --preset bench
	@set -e; for b in build/bench/bench/*; do \
		if [ -f "$$b" ] && [ -x "$$b" ]; then echo "== $$b"; "$$b"; fi; \
	done

# The window handlers and their baseline counted in instructions, which do not move with the
# machine's other work as time does (about five minutes).
bench-instructions: deps
	@scripts/install-deps.sh $(BENCH_DEPS)
	cmake --preset bench
	cmake --build --preset bench --target bench_handlers
	bench/handlers/count-instructions.sh build/bench/bench/bench_handlers

# The Debian source package and its .deb in build/package/, built from debian/ by
# dpkg-buildpackage as Debian's build machines build it, the tests included (set
# DEB_BUILD_OPTIONS=nocheck to leave them out).
package: deps
	scripts/build-deb.sh build/package
	@ls -1 build/package/*.dsc build/package/*.deb

# The installer, the portable zip and their SHA256SUMS in build/windows/, from the Windows
# program and its icon.
.PHONY: package-windows
package-windows: windows
	@scripts/install-deps.sh $(PACKAGE_WINDOWS_DEPS)
	scripts/package-windows.sh build/windows/drawlet-selector.exe build/windows \
		build/windows/app/windows/drawlet-selector.ico

format: deps
	@files=$$(git ls-files --cached --others --exclude-standard -- $(SOURCE_DIRS) | grep -E '\.(cpp|h)$$' || true); \
	if [ -n "$$files" ]; then clang-format -i $$files; echo "Formatted $$(echo $$files | wc -w) files."; fi

# Only the folders the presets make: build/ may hold other working builds too.
PRESETS := default run ci sanitize fuzz bench release windows
clean:
	rm -rf $(addprefix build/,$(PRESETS))

clean: clean-ports
clean-ports:
	rm -rf $(addprefix build/ports-,$(PORTS))
