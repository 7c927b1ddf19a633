# The two commands of the quick start are `make run` and `make test`.
JOBS ?= $(shell nproc)
NATIVE := build/native
WIN := build/win
BENCH := build/bench
FUZZ := build/fuzz

.PHONY: all setup native win run test bench fuzz clean

all: native win

setup:
	@tools/setup.sh

native: setup
	@cmake -S . -B $(NATIVE) -DVENTRO_SANITIZE=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
	@cmake --build $(NATIVE) -j$(JOBS)

win: setup
	@cmake -S . -B $(WIN) -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
	@cmake --build $(WIN) -j$(JOBS)

run: win
	@tools/run-app.sh

test: native win
	@tools/test-session.sh $(NATIVE) $(WIN)

bench: setup
	@cmake -S . -B $(BENCH) -DVENTRO_BENCH=ON -DVENTRO_TESTS=OFF -DCMAKE_BUILD_TYPE=Release >/dev/null
	@cmake --build $(BENCH) -j$(JOBS)
	@tools/run-bench.sh $(BENCH)

fuzz: setup
	@CC=clang CXX=clang++ cmake -S . -B $(FUZZ) -DVENTRO_FUZZ=ON -DVENTRO_TESTS=OFF -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
	@cmake --build $(FUZZ) -j$(JOBS)

clean:
	rm -rf $(NATIVE) $(WIN) $(BENCH) $(FUZZ) build/wine
