# The two commands of the README: `make run` and `make test`. Each installs what
# is missing first, then builds, then runs. Everything else here is a helper.
HOST := build/host
WIN  := build/win
BENCH := build/bench
JOBS ?= 2

.PHONY: run test deps host win bench clean

run: deps win
	tools/run.sh $(WIN)

test: deps host win
	tools/test-all.sh $(HOST) $(WIN)

deps:
	tools/install-deps.sh

host:
	cmake -S . -B $(HOST) -G Ninja -DCMAKE_BUILD_TYPE=Debug \
	  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DVEXA_SANITIZE=ON >/dev/null
	cmake --build $(HOST) -j $(JOBS)

win:
	cmake -S . -B $(WIN) -G Ninja -DCMAKE_BUILD_TYPE=Release \
	  -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake >/dev/null
	cmake --build $(WIN) -j $(JOBS)

# Benchmarks are built without sanitizers in a tree of their own.
bench: deps
	cmake -S . -B $(BENCH) -G Ninja -DCMAKE_BUILD_TYPE=Release \
	  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ >/dev/null
	cmake --build $(BENCH) -j $(JOBS)
	tools/run-benchmarks.sh $(BENCH)

clean:
	tools/wine-sweep.sh build || true
	rm -rf build
