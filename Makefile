# SPDX-License-Identifier: MIT
# The two commands: `make run` builds and starts the game, `make test` builds
# and runs every test. Each installs the Debian packages it needs first, and
# builds only what it needs: `make run` the game alone.
BUILD ?= build
export CCACHE_BASEDIR := $(CURDIR)
TYPE ?= RelWithDebInfo
CMAKE_FLAGS ?=
JOBS ?= $(shell nproc)
PREFIX ?= /usr/local

.PHONY: run test build deps configure asan bench fuzz install uninstall deb clean format

# configure (TARGET, cache options): installs the packages TARGET needs and
# configures $(BUILD).
define configure
	@bash scripts/install-deps.sh $(1)
	@cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=$(TYPE) $(2) $(CMAKE_FLAGS) >/dev/null
endef

deps:
	@bash scripts/install-deps.sh run

configure:
	$(call configure,run,)

# The game, its artwork, sounds and help, and what `install` needs.
build: configure
	@cmake --build $(BUILD) -j $(JOBS) --target kelvory_installed

run:
	$(call configure,run,)
	@cmake --build $(BUILD) -j $(JOBS) --target kelvory
	./$(BUILD)/app/kelvory

test:
	$(call configure,test,-DKELVORY_TESTS=ON)
	@cmake --build $(BUILD) -j $(JOBS)
	cd $(BUILD) && SDL_AUDIODRIVER=dummy ctest --output-on-failure -j $(JOBS)

asan:
	$(MAKE) test BUILD=build-asan TYPE=Debug CMAKE_FLAGS="-DKELVORY_SANITIZE=ON -DKELVORY_WERROR=ON"

bench:
	$(call configure,bench,-DKELVORY_BENCH=ON)
	@cmake --build $(BUILD) -j $(JOBS)
	bash bench/run.sh $(BUILD)

fuzz:
	@bash scripts/install-deps.sh fuzz
	bash tests/fuzz/run.sh

install: build
	cmake --install $(BUILD) --prefix $(PREFIX)

uninstall:
	cmake --build $(BUILD) --target uninstall

# The Debian package, built in its own folder with the game alone, then
# checked: its file list and lintian. Debian keeps games in /usr/games; the
# data stays in /usr/share/kelvory, the same way up from the program.
deb:
	$(MAKE) build-deb-package BUILD=build-deb
# Compiled with Debian's hardening flags (dpkg-buildflags), as Debian's own
# packages are.
build-deb-package:
	@bash scripts/install-deps.sh deb
	@export DEB_BUILD_MAINT_OPTIONS=hardening=+all; \
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=$(TYPE) \
	  -DKELVORY_TESTS=OFF -DKELVORY_BENCH=OFF -DCMAKE_INSTALL_BINDIR=games \
	  -DCMAKE_CXX_FLAGS="$$(dpkg-buildflags --get CPPFLAGS) $$(dpkg-buildflags --get CXXFLAGS)" \
	  -DCMAKE_EXE_LINKER_FLAGS="$$(dpkg-buildflags --get LDFLAGS)" $(CMAKE_FLAGS) >/dev/null
	@cmake --build $(BUILD) -j $(JOBS) --target kelvory_installed
	cd $(BUILD) && cpack -G DEB
	bash packaging/check-deb.sh $(BUILD)/kelvory_*.deb

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf build build-asan build-deb build-fuzz
