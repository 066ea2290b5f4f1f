# The two commands: `make run` builds and starts the game, `make test` builds
# and runs every test. Both install missing Debian packages first.
BUILD ?= build
export CCACHE_BASEDIR := $(CURDIR)
TYPE ?= RelWithDebInfo
CMAKE_FLAGS ?=
JOBS ?= $(shell nproc)

.PHONY: run test build deps configure asan bench fuzz clean format

deps:
	@bash scripts/install-deps.sh

configure: deps
	@cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=$(TYPE) $(CMAKE_FLAGS) >/dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

run: build
	./$(BUILD)/app/kelvory

test: build
	cd $(BUILD) && SDL_AUDIODRIVER=dummy ctest --output-on-failure -j $(JOBS)

asan:
	$(MAKE) test BUILD=build-asan TYPE=Debug CMAKE_FLAGS="-DKELVORY_SANITIZE=ON -DKELVORY_WERROR=ON"

bench: build
	bash bench/run.sh $(BUILD)

fuzz: deps
	bash tests/fuzz/run.sh

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf build build-asan build-fuzz
