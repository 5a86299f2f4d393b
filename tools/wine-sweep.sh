#!/usr/bin/env bash
# wine-sweep.sh BUILD_DIR: ends every wineserver and Xvfb that the harness
# started for prefixes under BUILD_DIR and that is still running, for example
# after CTest killed a test wrapper outright. Run before and after the tests.
root=$(realpath -m "${1:-build}")
here=$(cd "$(dirname "$0")" && pwd)
. "$here/wine-env.sh"
for pidfile in $(find "$root" -name '*.xvfb.pid' 2>/dev/null); do
  kill "$(cat "$pidfile")" 2>/dev/null
  rm -f "$pidfile"
done
for dir in $(find "$root" -maxdepth 4 -type d -path '*/prefixes/run.*' 2>/dev/null); do
  prefix_end "$dir"
  rm -rf "$dir"
done
exit 0
