# The two commands of the README: `make run` and `make test`. Each installs what
# is missing first, then builds, then runs. Everything else here is a helper.
HOST := build/host
WIN  := build/win
BENCH := build/bench
JOBS ?= 2

.PHONY: run test deps host win bench screenshots measure dist clean

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

# Screenshots of the main screen in English and Chinese (and with the
# limiter on), of the display screen (English and Chinese, and after a switch
# to 1600x900), of the settings screen and the status bar (English and
# Chinese), of the lighting screen (English and Chinese), of the
# incompatible-device screen, at 1920x1080, and of the performance page, the
# fan panel and the fan-curve editor at 1920x1080 and 1280x800 in both
# languages, into build/win/e2e-shots/.
screenshots: deps win
	tools/tree-lock.sh $(WIN) bash -c "cd $(WIN) && ctest -R 'e2e_(panel_window|chinese|incompatible|display_page|settings_screen|performance_shots|fan_page|fan_page_views|fps_limiter|lighting)$$' --output-on-failure"
	@ls -1 $(WIN)/e2e-shots/*.png

# Launch-to-first-frame time, memory and idle CPU of the program under Wine.
measure: deps win
	tools/tree-lock.sh $(WIN) tools/measure.sh $(WIN)

# The files installed on a device, packed (no stand-ins).
dist: deps win
	tools/dist.sh $(WIN)

clean:
	tools/wine-sweep.sh build || true
	rm -rf build
