#!/usr/bin/env bash
# wine-run.sh --template DIR PROGRAM.exe [ARGS...]
#
# CTest's emulator for the Windows tree: runs one Windows executable under Wine
# in a fresh copy of the template prefix and removes the copy afterwards, so
# tests never share a registry or a file. Whatever it started (the prefix's
# wineserver and its processes, an Xvfb) is ended by prefix and PID on every
# path, also when the program fails or runs out of time.
#
# Environment (set per test through CTest's ENVIRONMENT property):
#   VEXA_DISPLAY=1           start a private Xvfb (1920x1080) for the program
#   VEXA_DEVICE="CPU|BOARD"  make the prefix a supported device first
#   VEXA_TEST_TIMEOUT=secs   own time limit (default 240, below CTest's 300)
# The program sees VEXA_PREFIX (the prefix's Unix path) and VEXA_BIN (its own
# folder's Unix path) in its environment.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/wine-env.sh"
. "$here/xvfb.sh"
. "$here/device.sh"

if [ "${1:-}" != "--template" ] || [ $# -lt 3 ]; then
  echo "usage: wine-run.sh --template DIR PROGRAM.exe [ARGS...]" >&2
  exit 2
fi
template=$2
exe=$3
shift 3

"$here/make-prefix.sh" "$template" || { echo "wine-run: no template prefix" >&2; exit 1; }
runs=$(dirname "$template")/prefixes
mkdir -p "$runs"
prefix=$(mktemp -d "$runs/run.XXXXXX")

cleanup() {
  prefix_end "$prefix"
  xvfb_stop "$prefix.xvfb.pid"
  rm -rf "$prefix"
}
trap cleanup EXIT
trap 'exit 143' TERM INT

cp -a "$template/." "$prefix/"
export WINEPREFIX=$prefix VEXA_PREFIX=$prefix
VEXA_BIN=$(cd "$(dirname "$exe")" && pwd)
export VEXA_BIN

if [ -n "${VEXA_DISPLAY:-}" ]; then
  xvfb_start "$prefix.xvfb.pid" || exit 1
else
  unset DISPLAY
fi
if [ -n "${VEXA_DEVICE:-}" ]; then
  device_prepare "$prefix" "${VEXA_DEVICE%%|*}" "${VEXA_DEVICE#*|}"
fi

timeout --kill-after=5 "${VEXA_TEST_TIMEOUT:-240}" wine "$exe" "$@"
rc=$?
[ $rc -eq 124 ] && echo "wine-run: $exe ran out of time" >&2
exit $rc
