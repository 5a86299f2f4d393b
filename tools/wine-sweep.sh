#!/usr/bin/env bash
# wine-sweep.sh BUILD_DIR: ends what the test harness of this tree started and
# left behind (for example after CTest killed a test wrapper outright): the
# throw-away prefixes under BUILD_DIR/prefixes, their wineservers and their
# Xvfb servers, and a template prefix's Xvfb whose build was cut short. Run
# by tools/test-all.sh before and after the tests, under the tree's lock.
#
# It ends only what it can tell is its own: a prefix's processes through that
# prefix's own wineserver, an Xvfb only when the PID in its file still is the
# Xvfb started then (same start time and command line). The `make run`
# prefix (BUILD_DIR/run-prefix) and its Xvfb are never touched, nor anything
# of another tree.
root=$(realpath -m "${1:-build}")
here=$(cd "$(dirname "$0")" && pwd)
. "$here/wine-env.sh"
. "$here/xvfb.sh"

# The template's Xvfb only when nobody is building the template right now.
for template_lock in $(find "$root" -maxdepth 2 -name 'wine-template.lock' 2>/dev/null); do
  (
    flock -n 9 || exit 0
    xvfb_stop "${template_lock%.lock}.xvfb.pid"
  ) 9>>"$template_lock"
done
for pidfile in $(find "$root" -maxdepth 3 -path '*/prefixes/run.*.xvfb.pid' 2>/dev/null); do
  xvfb_stop "$pidfile"
done
for dir in $(find "$root" -maxdepth 3 -type d -path '*/prefixes/run.*' 2>/dev/null); do
  prefix_end "$dir"
  rm -rf "$dir" "$dir.log" "$dir.opacity"
done
exit 0
