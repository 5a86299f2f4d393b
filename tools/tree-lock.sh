#!/usr/bin/env bash
# tree-lock.sh BUILD_DIR COMMAND...: runs COMMAND holding BUILD_DIR's harness
# lock. Whatever makes and sweeps throw-away prefixes in a tree (the test
# run, the measurements, the screenshots) runs under it, so two of them in
# one tree take turns instead of sweeping each other's prefixes away; runs
# in different trees never wait for each other.
#
# The lock is held by flock itself, not by COMMAND (-o): a wineserver or Xvfb
# that COMMAND starts must not inherit it, or one left behind would hold the
# tree's lock, and so keep out the sweep that would end it, for good.
set -uo pipefail
dir=$(realpath -m "$1")
shift
mkdir -p "$dir"
lock=$dir/.harness.lock
busy=75
flock -n -o -E "$busy" "$lock" "$@"
rc=$?
if [ "$rc" -eq "$busy" ]; then
  echo "tree-lock: another harness run holds $dir; waiting for it" >&2
  flock -o "$lock" "$@"
  rc=$?
fi
exit "$rc"
