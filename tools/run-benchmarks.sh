#!/bin/sh
# Runs every benchmark executable (*_bench) of a Release tree's bin folder.
# Usage: tools/run-benchmarks.sh [tree]   (default build/bench)
set -eu
tree=${1:-build/bench}
found=0
for exe in "$tree"/bin/*_bench; do
    [ -x "$exe" ] || continue
    found=1
    echo "== $(basename "$exe")"
    "$exe" --benchmark_counters_tabular=true
done
if [ "$found" -eq 0 ]; then
    echo "no *_bench executable in $tree/bin" >&2
    exit 1
fi
