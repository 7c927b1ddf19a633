# The two commands of the quick start are `make run` and `make test`.
JOBS ?= $(shell nproc)
NATIVE := build/native
TOOLS := build/tools
WIN := build/win
BENCH := build/bench
FUZZ := build/fuzz

.PHONY: all setup native-config native host-tools win run preview shots test bench fuzz clean

all: native win

setup:
	@tools/setup.sh

native-config: setup
	@cmake -S . -B $(NATIVE) -DVENTRO_SANITIZE=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null

native: native-config
	@cmake --build $(NATIVE) -j$(JOBS)

# The skintool for skin authors, which the Windows build also uses to compile
# the stored skin: an optimised build without sanitizers (the sanitizer build
# in $(NATIVE) serves the tests).
host-tools: setup
	@cmake -S . -B $(TOOLS) -DCMAKE_BUILD_TYPE=Release -DVENTRO_TESTS=OFF >/dev/null
	@cmake --build $(TOOLS) -j$(JOBS) --target skintool

win: host-tools
	@cmake -S . -B $(WIN) -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake -DCMAKE_BUILD_TYPE=RelWithDebInfo \
		-DVENTRO_HOST_SKINTOOL=$(abspath $(TOOLS))/tools/skintool/skintool >/dev/null
	@cmake --build $(WIN) -j$(JOBS)

run: win
	@tools/run-app.sh

# skinview with our stored skin, or with the skin file SKIN=path.
preview: host-tools
	@cmake -S . -B $(WIN) -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake -DCMAKE_BUILD_TYPE=RelWithDebInfo \
		-DVENTRO_HOST_SKINTOOL=$(abspath $(TOOLS))/tools/skintool/skintool >/dev/null
	@cmake --build $(WIN) -j$(JOBS) --target skinview
	@SKIN="$(SKIN)" tools/run-preview.sh

# Pictures of every window for the README, into docs/shots.
shots: win
	@tools/shots.sh

test: native win
	@tools/test-session.sh $(NATIVE) $(WIN)

bench: host-tools
	@cmake -S . -B $(BENCH) -DVENTRO_BENCH=ON -DVENTRO_TESTS=OFF -DCMAKE_BUILD_TYPE=Release >/dev/null
	@cmake --build $(BENCH) -j$(JOBS)
	@VENTRO_HOST_SKINTOOL=$(abspath $(TOOLS))/tools/skintool/skintool tools/run-bench.sh $(BENCH)

fuzz: setup
	@fuzz/fetch-zlib.sh
	@CC=clang CXX=clang++ cmake -S . -B $(FUZZ) -DVENTRO_FUZZ=ON -DVENTRO_TESTS=OFF -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
	@cmake --build $(FUZZ) -j$(JOBS)

clean:
	rm -rf $(NATIVE) $(TOOLS) $(WIN) $(BENCH) $(FUZZ) build/wine
